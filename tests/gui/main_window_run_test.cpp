#include "app/base_data.h"
#include "app/scripted_dialogs.h"
#include "gui/main_window.h"
#include "gui/windows/graphics_window.h"
#include "gui/windows/table_window.h"
#include "output/picture.h"
#include "output/result_tables.h"
#include "procedures/procedure_dispatch.h"
#include "qt_app.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zam {

TEST(MainWindowRun, EvaluatingACalibrationShowsItsPagesAndButtons)
{
    test::EnsureQtApp();
    test::TTempDir dir;
    std::string file = dir.File("blei.klb");
    ASSERT_TRUE(test::WriteComputedCalibration(file, test::LeadCalibration()));
    CurrentUser().rights = 1;
    TScriptedDialogs dlg;
    TMainForm w;
    w.askOnClose = false;
    w.show();
    dlg.files = { file };
    w.Action("MKFunkt")->trigger();
    ASSERT_EQ(dlg.requests.size(), 1U);
    EXPECT_EQ(dlg.requests[0].caption, "Kalibrierdaten auswählen");
    EXPECT_EQ(dlg.requests[0].items[2], "RCE");
    EXPECT_EQ(dlg.requests[0].items[3], "Kalibrierung (*.klb)|*.klb");
    EXPECT_EQ(dlg.requests[0].position, 2);
    EXPECT_EQ(TableManager().CommandCode, 210);
    TTabForm* t = w.TableWindow();
    EXPECT_TRUE(t->HasContent());
    ASSERT_EQ(t->Tabs()->count(), 3);
    EXPECT_EQ(t->Tabs()->tabText(1), QString::fromUtf8("Daten, Residuen, Ausrei\xC3\x9F" "er"));
    EXPECT_EQ(t->Picture()->Lines().front(), "LINEARE KALIBRIERUNG :");
    EXPECT_EQ(t->HelpContext(), 2100);
    EXPECT_TRUE(w.Button("CorrBtn")->isVisibleTo(&w));
    EXPECT_TRUE(w.Button("PltBtn")->isVisibleTo(&w));
    EXPECT_FALSE(w.Button("EdiBtn")->isVisibleTo(&w));
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("ZAM - ")));
    t->Tabs()->setCurrentIndex(1);
    EXPECT_EQ(t->Pages()->currentWidget(), t->Grid());
    EXPECT_EQ(t->Grid()->columnCount(), 9);
    EXPECT_EQ(t->Grid()->item(4, 1)->text(), QStringLiteral("0.5"));

    // the graphic: the view is chosen, the window shows it and saves it
    dlg.answers = { 1 };
    w.Action("MGraf")->trigger();
    EXPECT_EQ(dlg.requests.back().caption, "Auswählen");
    EXPECT_EQ(dlg.requests.back().detail, "Darstellungsart");
    ASSERT_TRUE(w.GraphicsWindow()->HasContent());
    EXPECT_EQ(Picture().series.size(), 4U); // the band view
    EXPECT_GE(w.GraphicsWindow()->Canvas()->width(), TGrfForm::kMinWidth);
    EXPECT_TRUE(w.GraphicsWindow()->SaveGraphic(dir.File("g.png")));
    EXPECT_TRUE(w.GraphicsWindow()->SaveGraphic(dir.File("g.svg")));
    EXPECT_EQ(test::ReadBytes(dir.File("g.png")).substr(1, 3), "PNG");

    // a cancelled selection keeps the display and the command code
    w.Action("MKFunkt")->trigger();
    EXPECT_EQ(TableManager().CommandCode, 210);
    EXPECT_TRUE(t->HasContent());
    // the correction runs 211, whose entry dialog is not built yet
    w.Action("MACorr")->trigger();
    EXPECT_EQ(dlg.messages.back().kind, kMsgInfo);
    EXPECT_EQ(DispatchState().commandCode, 210);
    CurrentUser() = TUser();
}

}
