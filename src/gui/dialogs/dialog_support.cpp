#include "gui/dialogs/dialog_support.h"

#include "app/console_dialogs.h"
#include "app/file_choice.h"
#include "app/help_topics.h"
#include "gui/qt_text.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace zam {

QString MessageText(const std::string& text) { return ToQString(MessageLines(text)); }

void PlaceDialog(QDialog& dialog, int position)
{
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect area = screen->availableGeometry();
    TPoint2 p = DialogPlacement(position, area.width(), area.height(), dialog.width(), dialog.height());
    dialog.move(area.left() + p.x, area.top() + p.y);
}

void AddHelpButton(QDialogButtonBox& box, int helpContext, int position)
{
    if (helpContext <= 0)
        return;
    QPushButton* help = box.addButton(ToQString("&Hilfe"), QDialogButtonBox::HelpRole);
    QObject::connect(help, &QPushButton::clicked, [helpContext, position] { ShowHelp(helpContext, position); });
}

void SetHint(QWidget& widget, const std::string& hint)
{
    std::size_t bar = hint.find('|');
    widget.setToolTip(ToQString(hint.substr(0, bar)));
    widget.setStatusTip(ToQString(bar == std::string::npos ? hint : hint.substr(bar + 1)));
}

}
