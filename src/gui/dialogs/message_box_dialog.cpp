#include "gui/dialogs/message_box_dialog.h"

#include "app/console_dialogs.h"
#include "app/user_dialogs.h"
#include "gui/dialogs/dialog_support.h"
#include "gui/qt_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zam {

TDlgBox::TDlgBox(int kind, int buttons, const std::string& text, int helpContext, int position, QWidget* parent)
    : QDialog(parent)
    , result_(SafeAnswer(buttons))
    , position_(position)
{
    setWindowTitle(ToQString(MessageCaption(kind)));
    QStyle::StandardPixmap icon = kind == kMsgConfirm ? QStyle::SP_MessageBoxQuestion
        : kind == kMsgError                          ? QStyle::SP_MessageBoxCritical
        : kind == kMsgInfo                           ? QStyle::SP_MessageBoxInformation
                                                     : QStyle::SP_MessageBoxWarning;
    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(style()->standardIcon(icon).pixmap(32, 32));
    auto* label = new QLabel(MessageText(text), this);
    label->setObjectName("text");
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setContentsMargins(8, 8, 8, 8);
    auto* row = new QHBoxLayout;
    row->addWidget(iconLabel, 0, Qt::AlignTop);
    row->addWidget(label, 1);

    auto* box = new QDialogButtonBox(this);
    struct TButton {
        const char* caption;
        int result;
    };
    std::vector<TButton> set;
    switch (buttons) {
    case kBtnOkCancel:
        set = { { "OK", kResOk }, { "Abbrechen", kResCancel } };
        break;
    case kBtnYesNo:
        set = { { "&Ja", kResYes }, { "&Nein", kResNo } };
        break;
    case kBtnYesNoCancel:
        set = { { "&Ja", kResYes }, { "&Nein", kResNo }, { "Abbrechen", kResCancel } };
        break;
    default:
        set = { { "OK", kResOk } };
    }
    for (const auto& b : set) {
        QPushButton* button = box->addButton(ToQString(b.caption), QDialogButtonBox::ActionRole);
        int result = b.result;
        connect(button, &QPushButton::clicked, this, [this, result] {
            result_ = result;
            accept();
        });
        if (&b == &set.front())
            button->setDefault(true);
    }
    AddHelpButton(*box, helpContext, position);
    // a lone OK without help is centred
    if (set.size() == 1 && helpContext <= 0)
        box->setCenterButtons(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(box);
}

int TDlgBox::Run()
{
    PlaceDialog(*this, position_);
    exec();
    return result_;
}

}
