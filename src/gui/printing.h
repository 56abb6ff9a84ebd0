#pragma once

class QPrinter;
class QWidget;

namespace zam {

// The printer of the program run behind the print manager.
QPrinter& Printer();
void InstallPrinter();
// The printer setup ("Druckereinrichtung").
void PrinterSetup(QWidget* parent);

}
