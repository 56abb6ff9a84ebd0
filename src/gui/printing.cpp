#include "gui/printing.h"

#include "app/start_directory.h"
#include "gui/paged_printer.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zam {

QPrinter& Printer()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

void InstallPrinter()
{
    static TPagedPrinter device(Printer(), false);
    PrintManager().SetDevice(&device);
    PrintManager().SetBaseTitle(StartX().baseTitle);
    PrintManager().SetCopyFile(StartX().copyFileBase);
}

void PrinterSetup(QWidget* parent)
{
    QPrintDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.exec();
}

}
