#include "gui/windows/table_window.h"

#include "app/settings.h"
#include "base/file_names.h"
#include "base/string_grid.h"
#include "output/chart_report_grid.h"
#include "base/table_text.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "output/result_tables.h"
#include "output/table_text_draw.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zam {

namespace {
    constexpr int kCellRole = Qt::UserRole + 1;

    QFont TableFont() { return ToQFont(Settings().TableFont()); }
    int ReferenceWidth(const QFont& f) { return QFontMetrics(f).horizontalAdvance(QStringLiteral("WMAE KII")); }
    int LineHeight(const QFont& f) { return QFontMetrics(f).height(); }
    QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

    // Grid cells and list lines as table texts.
    class TCellDelegate : public QStyledItemDelegate {
    public:
        TCellDelegate(QObject* parent, int fixedRows, int fixedCols, bool list)
            : QStyledItemDelegate(parent)
            , fixedRows_(fixedRows)
            , fixedCols_(fixedCols)
            , list_(list)
        {
        }
        void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
        {
            painter->save();
            QFont font = TableFont();
            painter->setFont(font);
            TQtCanvas canvas(*painter);
            canvas.SetFont(Settings().TableFont(), Settings().Colour(8));
            TRect r { option.rect.left(), option.rect.top(), option.rect.right() + 1, option.rect.bottom() + 1 };
            std::string text = index.data(kCellRole).toByteArray().toStdString();
            if (list_) {
                DrawListLine(canvas, r, text, 0, ReferenceWidth(font), LineHeight(font), Settings().Colour(fixedRows_ > 0 ? 6 : 7),
                    Settings().Colour(8));
            } else {
                bool heading = index.row() < fixedRows_ || index.column() < fixedCols_;
                DrawTableCell(canvas, r, text, heading, 0, ReferenceWidth(font), LineHeight(font), Settings().Colour(6),
                    Settings().Colour(7), Settings().Colour(8));
                // grid lines only where a block ends
                TCellFlags flags = CellFlags(text);
                painter->setPen(QColor(160, 160, 160));
                if (flags.right)
                    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
                if (flags.bottom)
                    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
            }
            painter->restore();
        }

    private:
        int fixedRows_;
        int fixedCols_;
        bool list_;
    };
}

TTextPicture::TTextPicture(QWidget* parent)
    : QWidget(parent)
{
}

void TTextPicture::SetPage(const TTablePage& page)
{
    lines_ = page.lines;
    headingLines_ = page.layout.fixedRows;
    QFont font = TableFont();
    int b = LineHeight(font) * 8 / 7;
    QScreen* screen = QGuiApplication::primaryScreen();
    int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 1024;
    int width = std::max(ReferenceWidth(font) * 13, screenWidth + 10);
    int height = std::max(b * (static_cast<int>(lines_.size()) + 1), 80);
    setFixedSize(width, height);
    update();
}

void TTextPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = TableFont();
    painter.setFont(font);
    TQtCanvas canvas(painter);
    canvas.SetFont(Settings().TableFont(), Settings().Colour(8));
    int b = LineHeight(font) * 8 / 7;
    int c = headingLines_;
    int top = 0;
    if (c >= 1) {
        painter.fillRect(0, 0, width(), b * c - b / 2, ToQColor(Settings().Colour(6)));
        top = b * c - b / 2;
    }
    painter.fillRect(0, top, width(), height() - top, ToQColor(Settings().Colour(7)));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        int y = static_cast<int>(i) * b;
        DrawTableText(canvas, { 0, y, width() - 1, y + b - 1 }, ReferenceWidth(font), lines_[i], LineHeight(font),
            Settings().Colour(8));
    }
}

TTabForm::TTabForm(QWidget* parent)
    : QWidget(parent)
    , tabs_(new QTabBar(this))
    , titlePanel_(new QWidget(this))
    , leftTitle_(new QLabel(titlePanel_))
    , rightTitle_(new QLabel(titlePanel_))
    , notice_(new QLabel(this))
    , info_(new QListWidget(this))
    , pages_(new QStackedWidget(this))
    , pictureArea_(new QScrollArea(this))
    , picture_(new TTextPicture(this))
    , grid_(new QTableWidget(this))
    , memo_(new QPlainTextEdit(this))
    , list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Tabellen"));
    auto* titleLayout = new QHBoxLayout(titlePanel_);
    titleLayout->addWidget(leftTitle_, 1);
    titleLayout->addWidget(rightTitle_, 0, Qt::AlignRight);
    rightTitle_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    pictureArea_->setWidget(picture_);
    pages_->addWidget(pictureArea_);
    pages_->addWidget(grid_);
    pages_->addWidget(memo_);
    pages_->addWidget(list_);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    info_->setSelectionMode(QAbstractItemView::NoSelection);
    info_->setItemDelegate(new TCellDelegate(info_, 1, 0, true));
    list_->setItemDelegate(new TCellDelegate(list_, 0, 0, true));
    info_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(tabs_);
    layout->addWidget(titlePanel_);
    layout->addWidget(notice_);
    layout->addWidget(info_);
    layout->addWidget(pages_, 1);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
        if (content_ && i >= 0)
            ShowPage(i);
    });
    ApplyColours();
    Reset();
}

void TTabForm::ApplyColours()
{
    QFont font = TableFont();
    for (QWidget* w : std::initializer_list<QWidget*> { info_, grid_, memo_, list_, leftTitle_, rightTitle_ })
        w->setFont(font);
    QFont bold = font;
    bold.setBold(true);
    leftTitle_->setFont(bold);
    rightTitle_->setFont(bold);
    titlePanel_->setAutoFillBackground(true);
    titlePanel_->setStyleSheet(QStringLiteral("background:%1; color:%2;")
                                   .arg(ToQColor(Settings().Colour(4)).name(), ToQColor(Settings().Colour(5)).name()));
    notice_->setStyleSheet(QStringLiteral("background:%1; color:%2; font-weight:bold; padding:2px;")
                               .arg(ToQColor(Settings().Colour(2)).name(), ToQColor(Settings().Colour(3)).name()));
    QString body = ToQColor(Settings().Colour(7)).name();
    QString text = ToQColor(Settings().Colour(8)).name();
    for (QWidget* w : std::initializer_list<QWidget*> { grid_, memo_, list_ })
        w->setStyleSheet(QStringLiteral("background:%1; color:%2;").arg(body, text));
    info_->setStyleSheet(QStringLiteral("background:%1;").arg(ToQColor(Settings().Colour(6)).name()));
}

void TTabForm::Reset()
{
    content_ = false;
    shown_ = -1;
    helpContext_ = 5;
    chartFile_.clear();
    sortState_ = 0;
    tabs_->blockSignals(true);
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    tabs_->blockSignals(false);
    tabs_->hide();
    titlePanel_->hide();
    notice_->hide();
    info_->clear();
    info_->hide();
    list_->clear();
    auto* item = new QListWidgetItem(QStringLiteral("Keine Ausgabe"), list_);
    item->setData(kCellRole, QByteArray("Keine Ausgabe"));
    pages_->setCurrentWidget(list_);
}

bool TTabForm::IsChartReport() const
{
    return content_ && TableManager().CommandCode == 1760 && pages_->currentWidget() == grid_;
}

bool TTabForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != grid_->viewport() || !IsChartReport())
        return QWidget::eventFilter(watched, event);
    auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    int row = grid_->rowAt(pos.y());
    int col = grid_->columnAt(pos.x());
    if (type == QEvent::MouseMove) {
        grid_->viewport()->setCursor(IsChartNameCell(col, row) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    } else {
        QTableWidgetItem* item = grid_->item(row, col);
        std::string text = item ? StripMarkup(CellTextWithoutFlags(item->data(kCellRole).toByteArray().toStdString())) : "";
        chartFile_ = ChartFileAt(col, row, text, reportDir_);
        if (type == QEvent::MouseButtonDblClick && !chartFile_.empty() && FileExists(chartFile_))
            emit ChartRequested(chartFile_);
    }
    return QWidget::eventFilter(watched, event);
}

void TTabForm::SortReport()
{
    if (!IsChartReport())
        return;
    TStringGrid grid(grid_->columnCount(), grid_->rowCount(), 0, 0);
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            if (QTableWidgetItem* item = grid_->item(r, c))
                grid.SetCell(c, r, item->data(kCellRole).toByteArray().toStdString());
    SortChartReport(grid, sortState_);
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            if (QTableWidgetItem* item = grid_->item(r, c)) {
                item->setData(kCellRole, Bytes(grid.Cell(c, r)));
                item->setText(ToQString(StripMarkup(CellTextWithoutFlags(grid.Cell(c, r)))));
            }
    if (grid_->rowCount() > 4)
        grid_->scrollToItem(grid_->item(4, 0), QAbstractItemView::PositionAtTop);
}

void TTabForm::Rebuild()
{
    const TTMng& m = TableManager();
    shown_ = -1;
    resultFlags_ = (m.ButtonFlags() + "000").substr(0, 23);
    pageHelp_.clear();
    tabs_->blockSignals(true);
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    for (int i = 1; i <= m.VisiblePageCount(); ++i) {
        tabs_->addTab(ToQString(ParsePageEntry(m.PageEntry(i)).caption));
        pageHelp_.push_back(m.HelpContextOf(i));
    }
    tabs_->blockSignals(false);
    content_ = true;
    tabs_->show();
    int first = m.FirstPage;
    if (first < 0 || first >= tabs_->count())
        first = 0;
    tabs_->blockSignals(true);
    tabs_->setCurrentIndex(first);
    tabs_->blockSignals(false);
    ShowPage(first);
    emit ButtonsRequested(ToQString(resultFlags_));
}

void TTabForm::ShowPage(int index)
{
    if (index == shown_)
        return;
    shown_ = index;
    if (!TableManager().ShowTable(index + 1, *this)) {
        TTablePage empty;
        empty.head.Kind = 'A';
        ShowPage(empty);
        list_->clear();
        auto* item = new QListWidgetItem(QStringLiteral(" * Keine Ausgabe"), list_);
        item->setData(kCellRole, QByteArray(" * Keine Ausgabe"));
        pages_->setCurrentWidget(list_);
    }
    helpContext_ = index >= 0 && index < static_cast<int>(pageHelp_.size()) ? pageHelp_[static_cast<std::size_t>(index)] : 5;
}

void TTabForm::ShowPage(const TTablePage& page)
{
    QString left;
    QString right;
    for (std::size_t i = 0; i < page.leftTitles.size(); ++i) {
        if (i > 0) {
            left += '\n';
            right += '\n';
        }
        left += ToQString(" " + page.leftTitles[i]);
        right += ToQString(page.rightTitles[i] + " ");
    }
    leftTitle_->setText(left);
    rightTitle_->setText(right);
    titlePanel_->setVisible(!page.leftTitles.empty());
    notice_->setText(ToQString(page.notice + " "));
    notice_->setVisible(!page.notice.empty());

    info_->clear();
    for (const auto& l : page.info) {
        auto* item = new QListWidgetItem(ToQString(StripMarkup(l)), info_);
        item->setData(kCellRole, Bytes(l));
    }
    info_->setVisible(!page.info.empty());
    int rowHeight = LineHeight(TableFont()) + 4;
    info_->setFixedHeight(rowHeight * static_cast<int>(page.info.size()) + 6);

    switch (page.head.Kind) {
    case 'A':
        picture_->SetPage(page);
        pages_->setCurrentWidget(pictureArea_);
        break;
    case 'B': {
        const TTableLayout& l = page.layout;
        grid_->clear();
        grid_->setColumnCount(l.cols);
        grid_->setRowCount(l.rows);
        grid_->setItemDelegate(new TCellDelegate(grid_, l.fixedRows, l.fixedCols, false));
        QFontMetrics fm(TableFont());
        int charWidth = std::max(fm.horizontalAdvance(QStringLiteral("WMAE KII")) / 8, 1);
        for (int c = 0; c < l.cols; ++c)
            grid_->setColumnWidth(c, charWidth * (l.colWidths[static_cast<std::size_t>(c)] + 1));
        for (int r = 0; r < l.rows; ++r) {
            grid_->setRowHeight(r, fm.height() * 5 / 4);
            for (int c = 0; c < l.cols; ++c) {
                auto* item = new QTableWidgetItem(ToQString(StripMarkup(CellTextWithoutFlags(page.CellAt(r, c)))));
                item->setData(kCellRole, Bytes(page.CellAt(r, c)));
                grid_->setItem(r, c, item);
            }
        }
        grid_->setShowGrid(false);
        pages_->setCurrentWidget(grid_);
        break;
    }
    case 'C': {
        std::string text;
        for (const auto& line : page.lines)
            text += line + "\n";
        memo_->setPlainText(ToQString(text));
        pages_->setCurrentWidget(memo_);
        break;
    }
    default:
        list_->clear();
        for (const auto& line : page.lines) {
            auto* item = new QListWidgetItem(ToQString(StripMarkup(line)), list_);
            item->setData(kCellRole, Bytes(line));
        }
        pages_->setCurrentWidget(list_);
    }
}

}
