#pragma once

#include "output/table_page.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QTableWidget;

namespace zam {

// The picture of a kind 'A' page: every line drawn as a table text.
class TTextPicture : public QWidget {
    Q_OBJECT

public:
    explicit TTextPicture(QWidget* parent = nullptr);
    void SetPage(const TTablePage& page);
    const std::vector<std::string>& Lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::string> lines_;
    int headingLines_ = 0;
};

// The table window: the pages of the table manager as tabs.
class TTabForm : public QWidget, public TTableDisplay {
    Q_OBJECT

public:
    explicit TTabForm(QWidget* parent = nullptr);
    void Reset();
    void Rebuild();
    void ShowPage(int index);
    void ShowPage(const TTablePage& page) override;
    int ShownPage() const { return shown_; }
    int HelpContext() const { return helpContext_; }
    const std::string& ResultFlags() const { return resultFlags_; }
    bool HasContent() const { return content_; }
    QTabBar* Tabs() const { return tabs_; }
    QStackedWidget* Pages() const { return pages_; }
    QTableWidget* Grid() const { return grid_; }
    QListWidget* List() const { return list_; }
    TTextPicture* Picture() const { return picture_; }
    QPlainTextEdit* Memo() const { return memo_; }
    QLabel* LeftTitle() const { return leftTitle_; }
    QLabel* Notice() const { return notice_; }

    // Chart overview (command 1760): the folder its file names are relative
    // to, the chart under the last mouse press, re-sorting of the blocks.
    void SetReportDirectory(std::string dir) { reportDir_ = std::move(dir); }
    const std::string& ChartFile() const { return chartFile_; }
    int SortState() const { return sortState_; }
    void SortReport();

signals:
    void ButtonsRequested(const QString& flags);
    void ChartRequested(const std::string& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyColours();
    bool IsChartReport() const;
    QTabBar* tabs_;
    QWidget* titlePanel_;
    QLabel* leftTitle_;
    QLabel* rightTitle_;
    QLabel* notice_;
    QListWidget* info_;
    QStackedWidget* pages_;
    QScrollArea* pictureArea_;
    TTextPicture* picture_;
    QTableWidget* grid_;
    QPlainTextEdit* memo_;
    QListWidget* list_;
    bool content_ = false;
    int shown_ = -1;
    int helpContext_ = 5;
    std::string resultFlags_;
    std::vector<int> pageHelp_;
    std::string reportDir_;
    std::string chartFile_;
    int sortState_ = 0;
};

}
