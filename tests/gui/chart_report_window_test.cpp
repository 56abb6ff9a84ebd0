#include "output/result_tables.h"
#include "gui/windows/table_window.h"
#include "qt_app.h"
#include "support/temp_dir.h"

#include <QTableWidget>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace zam {
namespace {

// A chart overview page with two charts: blocks of five rows from grid row 4,
// the file name in column 1 of a block's first row.
void FillReport()
{
    TTMng& m = TableManager();
    m.ClearPages();
    m.CommandCode = 1760;
    TTabHead head;
    head.Kind = 'B';
    head.RowCount = 14;
    head.ColCount = 8;
    head.FixedRows = 4;
    head.FixedCols = 1;
    m.StartTable(1, head);
    m.SetPageEntry(1, MakePageEntry(0, 0, "Mittelwert-Karten"));
    const char* names[] = { "zink.mwk", "blei.mwk" };
    const char* days[] = { "", " 7" };
    for (int b = 0; b < 2; ++b) {
        int row = 5 + 5 * b; // entries count rows from 1
        m.PutCell(row, 2, names[b]);
        for (int i = 0; i < 4; ++i)
            m.PutCell(row + i, 3, std::string(names[b]) + " " + std::to_string(i + 1));
        m.PutCell(row + 3, 4, days[b]);
    }
}

void Mouse(QTableWidget* g, QEvent::Type type, int row, int col)
{
    g->scrollToItem(g->item(row, col));
    QPointF pos = g->visualItemRect(g->item(row, col)).center();
    QMouseEvent e(type, pos, g->viewport()->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &e);
}

TEST(ChartReportWindow, PressSelectsAChartDoubleClickOpensItSortToggles)
{
    test::EnsureQtApp();
    test::TTempDir dir;
    test::WriteBytes(dir.File("blei.mwk"), "[IDENT]\r\n");
    FillReport();
    TTabForm t;
    t.resize(900, 600);
    t.show();
    t.SetReportDirectory(dir.Path() + "/");
    t.Rebuild();
    QTableWidget* g = t.Grid();
    ASSERT_EQ(g->rowCount(), 14);

    Mouse(g, QEvent::MouseButtonPress, 9, 1);
    EXPECT_EQ(t.ChartFile(), dir.File("blei.mwk"));
    Mouse(g, QEvent::MouseButtonPress, 10, 1);
    EXPECT_EQ(t.ChartFile(), "");

    std::vector<std::string> opened;
    QObject::connect(&t, &TTabForm::ChartRequested, [&](const std::string& f) { opened.push_back(f); });
    Mouse(g, QEvent::MouseButtonDblClick, 4, 1); // zink.mwk does not exist
    Mouse(g, QEvent::MouseButtonDblClick, 9, 1);
    EXPECT_EQ(opened, (std::vector<std::string> { dir.File("blei.mwk") }));

    t.SortReport();
    EXPECT_EQ(g->item(4, 1)->text().toStdString(), "blei.mwk");
    EXPECT_EQ(g->item(7, 2)->text().toStdString(), "blei.mwk 4");
    EXPECT_EQ(t.SortState(), 1);
    t.SortReport();
    EXPECT_EQ(g->item(4, 1)->text().toStdString(), "blei.mwk");
    EXPECT_EQ(g->item(9, 1)->text().toStdString(), "zink.mwk");
    EXPECT_EQ(t.SortState(), 0);
    TableManager().ClearPages();
    TableManager().CommandCode = 0;
}

}
}
