#include "gui/main_window.h"

#include "gui/qt_text.h"

#include "app/base_data.h"
#include "app/help_topics.h"
#include "gui/dialogs/login_dialog.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

namespace zam {

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(ToQString("ZAM"));
    setCentralWidget(new QMdiArea(this));
    resize(1024, 700);
    QMenu* help = menuBar()->addMenu(ToQString("&?"));
    help->addAction(ToQString("&Inhalt/Suchen"), [] { ShowHelpIndex(); });
    help->addAction(ToQString("&Info"), [this] { ShowAbout(this); });
    statusBar()->addPermanentWidget(new QLabel(this));
}

void TMainForm::ShowUser()
{
    if (auto* label = statusBar()->findChild<QLabel*>())
        label->setText(ToQString(CurrentUser().name));
}

}
