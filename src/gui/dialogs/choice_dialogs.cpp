#include "gui/dialogs/choice_dialogs.h"

#include "app/settings.h"
#include "app/user_dialogs.h"
#include "base/table_text.h"
#include "base/text_utils.h"
#include "gui/dialogs/dialog_support.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "output/table_text_draw.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace zam {

namespace {
    constexpr int kItemRole = Qt::UserRole + 1;
    constexpr int kOrderRole = Qt::UserRole + 2;

    // Draws each line as a table text in the list's font.
    class TTableTextDelegate : public QStyledItemDelegate {
    public:
        using QStyledItemDelegate::QStyledItemDelegate;
        void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
        {
            painter->save();
            TQtCanvas canvas(*painter);
            QFontMetrics fm(option.font);
            bool selected = (option.state & QStyle::State_Selected) != 0;
            QColor bg = selected ? option.palette.highlight().color() : option.palette.base().color();
            QColor fg = selected ? option.palette.highlightedText().color() : option.palette.text().color();
            auto colour = [](const QColor& c) {
                return static_cast<TColour>(c.red()) | static_cast<TColour>(c.green()) << 8
                    | static_cast<TColour>(c.blue()) << 16;
            };
            painter->setFont(option.font);
            TRect r { option.rect.left(), option.rect.top(), option.rect.right() + 1, option.rect.bottom() + 1 };
            TFontDesc font { FromQString(option.font.family()), 1, option.font.pointSize(), 0 };
            canvas.SetFont(font, colour(fg));
            DrawListLine(canvas, r, index.data(kItemRole).toByteArray().toStdString(), 0,
                fm.horizontalAdvance(QStringLiteral("WMAE KII")), fm.height(), colour(bg), colour(fg));
            painter->restore();
        }
        QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
        {
            QSize s = QStyledItemDelegate::sizeHint(option, index);
            return { s.width(), QFontMetrics(option.font).height() + 4 };
        }
    };

    bool RejectWithoutSelection(int index)
    {
        if (index >= 0)
            return false;
        Beep();
        return true;
    }
}

TRGrpDlg::TRGrpDlg(const std::string& caption, const std::string& groupCaption, const std::vector<std::string>& items,
    int helpContext, int preselected, int position, QWidget* parent)
    : QDialog(parent)
    , group_(new QButtonGroup(this))
    , position_(position)
{
    setWindowTitle(ToQString(caption));
    auto* box = new QGroupBox(ToQString(groupCaption), this);
    auto* inner = new QVBoxLayout(box);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(ToQString(items[i]), box);
        group_->addButton(radio, static_cast<int>(i));
        inner->addWidget(radio);
        if (static_cast<int>(i) == preselected)
            radio->setChecked(true);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    AddHelpButton(*buttons, helpContext, position);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!RejectWithoutSelection(group_->checkedId()))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

int TRGrpDlg::Run()
{
    PlaceDialog(*this, position_);
    return exec() == QDialog::Accepted ? group_->checkedId() : -1;
}

TSelBxDlg::TSelBxDlg(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
    int helpContext, int preselected, bool sortButtons, int widthMode, int columns, int position, bool actions,
    QWidget* parent)
    : QDialog(parent)
    , list_(new QListWidget(this))
    , items_(items)
    , position_(position)
{
    setWindowTitle(ToQString(caption));
    auto* layout = new QVBoxLayout(this);
    if (!label.empty())
        layout->addWidget(new QLabel(ToQString(label), this));
    list_->setItemDelegate(new TTableTextDelegate(list_));
    if (columns > 1) {
        list_->setFlow(QListView::TopToBottom);
        list_->setWrapping(true);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* item = new QListWidgetItem(ToQString(StripMarkup(items[i])), list_);
        item->setData(kItemRole, QByteArray(items[i].data(), static_cast<qsizetype>(items[i].size())));
        item->setData(kOrderRole, static_cast<int>(i));
    }
    if (preselected >= 0 && preselected < list_->count())
        list_->setCurrentRow(preselected);
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(this);
    if (sortButtons) {
        QPushButton* sort = buttons->addButton(ToQString("Sortieren"), QDialogButtonBox::ActionRole);
        QPushButton* unsorted = buttons->addButton(ToQString("Unsortiert"), QDialogButtonBox::ActionRole);
        connect(sort, &QPushButton::clicked, this, [this] { Sort(true); });
        connect(unsorted, &QPushButton::clicked, this, [this] { Sort(false); });
    }
    QPushButton* ok = buttons->addButton(ToQString(actions ? "&Bearbeiten" : "OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQString(actions ? "&Schließen" : "Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    AddHelpButton(*buttons, helpContext, position);
    auto acceptIfSelected = [this] {
        if (!RejectWithoutSelection(list_->currentRow()))
            accept();
    };
    connect(buttons, &QDialogButtonBox::accepted, this, acceptIfSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, acceptIfSelected);
    layout->addWidget(buttons);

    int base = actions ? 360 : 320;
    QScreen* screen = QGuiApplication::primaryScreen();
    int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 1024;
    int width = widthMode == 1 ? (actions ? 520 : base * 165 / 100)
        : widthMode >= 2      ? screenWidth * 85 / 100
        : widthMode < 0       ? base * 8 / 10
                              : base;
    resize(width, 360);
}

void TSelBxDlg::Sort(bool sorted)
{
    if (sorted) {
        list_->sortItems();
        return;
    }
    std::vector<QListWidgetItem*> taken;
    while (list_->count() > 0)
        taken.push_back(list_->takeItem(0));
    std::sort(taken.begin(), taken.end(), [](QListWidgetItem* a, QListWidgetItem* b) {
        return a->data(kOrderRole).toInt() < b->data(kOrderRole).toInt();
    });
    for (auto* item : taken)
        list_->addItem(item);
    list_->setCurrentRow(0);
}

int TSelBxDlg::Run()
{
    PlaceDialog(*this, position_);
    if (exec() != QDialog::Accepted || list_->currentItem() == nullptr)
        return -1;
    return list_->currentItem()->data(kOrderRole).toInt();
}

TDlg1Txt::TDlg1Txt(const std::string& caption, const std::string& prompt, const std::string& unitLabel,
    int helpContext, int maxLength, const std::string& text, int position, QWidget* parent)
    : QDialog(parent)
    , edit_(new QLineEdit(ToQString(text), this))
    , position_(position)
{
    setWindowTitle(ToQString(caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(prompt), this));
    auto* row = new QHBoxLayout;
    if (!unitLabel.empty())
        row->addWidget(new QLabel(ToQString(unitLabel), this));
    if (maxLength > 0)
        edit_->setMaxLength(maxLength);
    QColor focus = ToQColor(Settings().Colour(12));
    edit_->setStyleSheet(QStringLiteral("QLineEdit:focus { background: %1; }").arg(focus.name()));
    row->addWidget(edit_, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    AddHelpButton(*buttons, helpContext, position);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(maxLength >= 1 && maxLength <= 25 ? 300 : 400, sizeHint().height());
}

bool TDlg1Txt::Run(std::string& text)
{
    PlaceDialog(*this, position_);
    if (exec() != QDialog::Accepted)
        return false;
    std::string entered = TrimRight(FromQString(edit_->text()));
    if (entered == text)
        return false;
    text = entered;
    return true;
}

}
