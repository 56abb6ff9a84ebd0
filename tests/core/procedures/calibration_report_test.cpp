#include "app/base_data.h"
#include "app/clipboard.h"
#include "app/scripted_dialogs.h"
#include "base/file_names.h"
#include "base/section_file.h"
#include "base/table_text.h"
#include "output/exchange_table.h"
#include "output/page_text.h"
#include "output/plot_request.h"
#include "output/result_tables.h"
#include "procedures/procedure_dispatch.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zam {

using test::TCalibrationData;
using test::TTempDir;

namespace {
    // Evaluates the data into a file and builds the pages from it.
    std::string Prepare(const TTempDir& dir, const TCalibrationData& d, const char* name = "k.klb")
    {
        std::string file = dir.File(name);
        EXPECT_TRUE(test::WriteComputedCalibration(file, d));
        return file;
    }

    std::vector<std::string> PageText(int page)
    {
        TPlainTextDisplay d(120);
        TableManager().ShowTable(page, d);
        return d.lines;
    }

    bool HasLine(const std::vector<std::string>& lines, const std::string& part)
    {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }

    // Restores the presets the tests change.
    struct TPresetGuard {
        TBaseData saved = BaseData();
        ~TPresetGuard() { BaseData() = saved; }
    };
}

TEST(CalibrationReport, PagesDirectoryButtonsAndPlot)
{
    TTempDir dir;
    std::string file = Prepare(dir, test::LeadCalibration());
    CurrentUser().rights = 1;
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    const TTMng& m = TableManager();
    EXPECT_EQ(m.VisiblePageCount(), 3);
    EXPECT_EQ(m.PageEntry(1), "010000Kalibrierfunktionen/Anpassungstest");
    EXPECT_EQ(m.PageEntry(2), "010000Daten, Residuen, Ausreißer");
    EXPECT_EQ(m.PageEntry(3), "010000Protokoll");
    EXPECT_EQ(m.ButtonFlags(), "1001");
    EXPECT_EQ(PlotRequest().code, "11");
    EXPECT_EQ(PlotRequest().dataFile, file);
    EXPECT_EQ(DispatchState().currentFile, file);

    const TSTab* page1 = m.Table(1);
    ASSERT_NE(page1, nullptr);
    EXPECT_EQ(page1->Head.Kind, 'A');
    EXPECT_EQ(page1->Head.TitleCount, 2);
    EXPECT_EQ(page1->Head.LeftTitle[0], "Kalibrierung Blei");
    EXPECT_EQ(page1->Head.RightTitle[0], "Kalibrierung ");
    EXPECT_EQ(page1->Head.RightTitle[1], "Datei: " + ShortenPath(file, 45) + " ");
    EXPECT_EQ(page1->Head.FixedLines, 3);
    EXPECT_EQ(page1->Lines[0], Cell("Methode ¬: ÷", 18, 1, 0) + Cell("DIN EN ISO 17294-2", 40, -1, 0));
    EXPECT_EQ(page1->Lines[3], "LINEARE KALIBRIERUNG :");
    EXPECT_EQ(page1->Lines[4],
        Cell("Achsenabschnitt (a): ", 27, 1, 0) + "\xF7" + Cell("0.00482\xF7\xAC [cps]", 27, -1, 0) + "\xF7\xF7"
            + Cell("N: ", 5, 1, 0) + "\xF7" + Cell("10", 25, -1, 0) + "\xF7" + Cell("(y=a + b*x)", 0, -1, 0));
    EXPECT_EQ(page1->Lines.back(), "|");

    auto text = PageText(1);
    EXPECT_TRUE(HasLine(text, "Untere Arbeitsbereichsgr.:  xp: 0.152 [µg/l]  ; yp: 0.01379 [cps] (p=95%)"));
    EXPECT_TRUE(HasLine(text, "Nur vorläufige Werte, da xp<xmin/2 !"));
    EXPECT_TRUE(HasLine(text, "Bestimmungsgrenze (Fehler <= 33.33%, k=3): 0.285 [µg/l]"));
    EXPECT_TRUE(HasLine(text, "Prüfwert PW = 1.06     (p=66.15%)     (Prüfwert <= Vergleichs-Wert : Lineare Kalibrierung ist besser!)"));
    EXPECT_TRUE(HasLine(text, "Vergleichswert F(1,7,99%) = 12.2"));

    const TSTab* grid = m.Table(2);
    EXPECT_EQ(grid->Head.Kind, 'B');
    EXPECT_EQ(grid->Head.ColCount, 9);
    EXPECT_EQ(grid->Head.RowCount, 14);
    EXPECT_EQ(grid->Head.FixedRows, 4);
    EXPECT_EQ(grid->Head.ColWidths[0], 4);
    EXPECT_EQ(grid->Head.ColWidths[5], 9); // "(p=95%)" + 2
    EXPECT_EQ(grid->Head.ColWidths[1], 8); // "[µg/l]" + 2
    auto gridText = PageText(2);
    EXPECT_TRUE(HasLine(gridText, "|  1.|     0.5|       0.062|     0.06399|    -0.00199|"));
    EXPECT_EQ(m.Table(3)->Lines.back(), "11.12.2026 09:30 : Erika Muster");

    CurrentUser().rights = 2;
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    EXPECT_EQ(TableManager().ButtonFlags(), "1");
    CurrentUser() = TUser();
}

TEST(CalibrationReport, EvaluatingTwiceShowsTheSamePages)
{
    TTempDir dir;
    std::string file = Prepare(dir, test::LeadCalibration());
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    std::vector<std::vector<std::string>> first { PageText(1), PageText(2), PageText(3) };
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    EXPECT_EQ(first, (std::vector<std::vector<std::string>> { PageText(1), PageText(2), PageText(3) }));
}

TEST(CalibrationReport, LinearOnlyPreset)
{
    TPresetGuard guard;
    BaseData().Presets[kPresetLinearOnly] = "X";
    TTempDir dir;
    std::string file = Prepare(dir, test::LeadCalibration());
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    const TTMng& m = TableManager();
    EXPECT_EQ(m.PageEntry(1), "010000Kalibrierfunktion");
    EXPECT_EQ(m.Table(1)->Head.LeftTitle[1], "Kalibrierfunktion");
    EXPECT_EQ(m.Table(2)->Head.ColCount, 6);
    auto text = PageText(1);
    EXPECT_FALSE(HasLine(text, "2. GRADES"));
    EXPECT_FALSE(HasLine(text, "MANDEL"));
}

TEST(CalibrationReport, UnusableSecondDegreeAndMissingQuantificationLimit)
{
    TTempDir dir;
    TCalibrationData d;
    d.x = { "1", "2", "3", "4", "5", "6", "7", "8" };
    d.y = test::Numbers({ 9, 16, 21, 24, 25, 24, 21, 16 }, 1); // 10x - x²: vertex inside
    d.params = { "95", "500", "1", "95", "99" }; // 0.2 % uncertainty: no quantification limit
    std::string file = Prepare(dir, d);
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    EXPECT_EQ(PlotRequest().code, "10");
    auto text = PageText(1);
    EXPECT_TRUE(HasLine(text, "Kalibrierfunktion 2. Grades  nicht verwendbar  (zu wenig Werte,  wechselnde Steigung oder zu kleine Steigung bei 0)!"));
    EXPECT_TRUE(HasLine(text, " MANDEL-ANPASSUNGSTEST : Nicht anwendbar"));
    EXPECT_TRUE(HasLine(text, "Nicht berechenbar"));
}

TEST(CalibrationReport, WorkingRangeRemarkWhenXpReachesTheSmallestStandard)
{
    TTempDir dir;
    TCalibrationData d;
    d.x = { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" };
    d.y = { "0.0215", "0.0405", "0.0611", "0.0806", "0.1187", "0.1202", "0.1408", "0.1601", "0.1797", "0.2013" };
    std::string file = Prepare(dir, d);
    ASSERT_TRUE(TInProcX::EvaluateFile(file));
    auto text = PageText(1);
    EXPECT_TRUE(HasLine(text, "Nicht abgesichert, da xp>=xmin !"));
    auto grid = PageText(2);
    EXPECT_TRUE(HasLine(grid, "|  5.|       5|      0.1187|    0.102542|    0.016158|        x|"));
}

TEST(CalibrationReport, ExportCellsAtTheDefaultAnchors)
{
    TTempDir dir;
    std::string file = Prepare(dir, test::LeadCalibration());
    TXTab t;
    ASSERT_TRUE(TInProcX::BuildTotalExport(file, t));
    EXPECT_EQ(t.GetCell("A1"), "Kalibrierung Blei");
    EXPECT_EQ(t.GetCell("B1"), "Kalibrierung");
    EXPECT_EQ(t.GetCell("B2"), file);
    EXPECT_EQ(t.GetCell("A4"), "Parameter (x)");
    EXPECT_EQ(t.GetCell("B4"), "Blei");
    EXPECT_EQ(t.GetCell("C4"), "[µg/l]");
    EXPECT_EQ(t.GetCell("A7"), "LINEARE KALIBRIERUNG");
    EXPECT_EQ(t.GetCell("A8"), "Achsenabschnitt (a)");
    EXPECT_EQ(t.GetCell("B8"), "0.00482");
    EXPECT_EQ(t.GetCell("C8"), "[cps]");
    EXPECT_EQ(t.GetCell("E8"), "N");
    EXPECT_EQ(t.GetCell("F8"), "10");
    EXPECT_EQ(t.GetCell("H8"), "(y=a + b*x)");
    EXPECT_EQ(t.GetCell("G9"), "[µg/l]");
    EXPECT_EQ(t.GetCell("A13"), "lin. Korrelationskoeff.");
    EXPECT_EQ(t.GetCell("B13"), "0.999944");
    EXPECT_EQ(t.GetCell("A15"), "Untere Arbeitsbereichsgr.:  xp");
    EXPECT_EQ(t.GetCell("B15"), "0.152");
    EXPECT_EQ(t.GetCell("D15"), "yp");
    EXPECT_EQ(t.GetCell("A20"), "Bestimmungsgrenze (Fehler <= 33.33%, k=3)");
    EXPECT_EQ(t.GetCell("B20"), "0.285");
    EXPECT_EQ(t.GetCell("K7"), "KALIBRIERFUNKTION 2. GRADES");
    EXPECT_EQ(t.GetCell("K8"), "a");
    EXPECT_EQ(t.GetCell("A22"), "MANDEL-ANPASSUNGSTEST");
    EXPECT_EQ(t.GetCell("C22"), "1.06");
    EXPECT_EQ(t.GetCell("B23"), "Vergleichswert F(1,7,99%)");
    EXPECT_EQ(t.GetCell("D25"), "Linear");
    EXPECT_EQ(t.GetCell("A28"), "Nr.");
    EXPECT_EQ(t.GetCell("A29"), "1.");
    EXPECT_EQ(t.GetCell("B29"), "0.5");
    EXPECT_EQ(t.GetCell("C38"), "1.185");
}

TEST(TotalExport, TargetFromPresetOrChoice)
{
    TPresetGuard guard;
    TTempDir dir;
    std::string file = Prepare(dir, test::LeadCalibration());
    DispatchState().SetCurrentFile(file);
    DispatchState().lastExportChoice = -1;
    TMemoryClipboard clip;
    SetClipboard(&clip);
    TScriptedDialogs dlg;

    BaseData().exportTarget = 0;
    EXPECT_FALSE(TInProcX::TotalExport()); // choice cancelled
    ASSERT_EQ(dlg.requests.size(), 1U);
    EXPECT_EQ(dlg.requests[0].caption, "Gesamt-Ergebnisexport");
    EXPECT_EQ(dlg.requests[0].detail, "Ziel für Export auswählen");
    EXPECT_EQ(dlg.requests[0].items, (std::vector<std::string> { "nach Zwischenablage", "in csv-/dif-Datei" }));

    dlg.answers = { 0 };
    EXPECT_TRUE(TInProcX::TotalExport());
    EXPECT_EQ(dlg.messages.back().text, "Alle Ergebnisseiten in Zwischenablage kopiert!");
    EXPECT_EQ(clip.GetText().substr(0, 31), "Kalibrierung Blei\tKalibrierung\t");
    dlg.answers = { 1 };
    dlg.files = { dir.File("export.csv") };
    EXPECT_TRUE(TInProcX::TotalExport());
    EXPECT_EQ(dlg.requests.back().what, "ChooseFile");
    EXPECT_EQ(dlg.requests.back().caption, "Export-Datei(*.csv oder *.dif) auswählen");
    EXPECT_EQ(dlg.requests.back().items[2], "AC");
    EXPECT_EQ(dlg.requests.back().items[3], "csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif");
    EXPECT_EQ(dlg.requests[2].preselected, 0); // the last choice is offered again
    EXPECT_EQ(test::ReadBytes(dir.File("export.csv")).substr(0, 31), "Kalibrierung Blei;Kalibrierung\r");

    BaseData().exportTarget = 1;
    std::size_t asked = dlg.requests.size();
    EXPECT_TRUE(TInProcX::TotalExport());
    EXPECT_EQ(dlg.requests.size(), asked); // no question with a fixed target

    DispatchState().SetCurrentFile(dir.File("gone.klb"));
    EXPECT_FALSE(TInProcX::TotalExport());
    EXPECT_EQ(dlg.messages.back().text, "Dateifehler! Gesamt-Export nicht möglich!");
    SetClipboard(nullptr);
}

TEST(Dispatch, ForeignAndMissingFilesAreRefused)
{
    TTempDir dir;
    TScriptedDialogs dlg;
    EXPECT_FALSE(TInProcX::EvaluateFile(dir.File("missing.klb")));
    EXPECT_TRUE(dlg.messages.empty());
    std::string single = dir.File("single.klb");
    TSList s;
    s.AddLine(s.AddSection("[HEAD]").index, "03");
    s.SaveFile(single, kOpenShared);
    EXPECT_FALSE(TInProcX::EvaluateFile(single));
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, "Datei " + single + " ist keine ZAM-Datei!");
    std::string other = dir.File("x.vho");
    s.AddLine(s.AddSection("[DATA]").index, "x");
    s.SaveFile(other, kOpenShared);
    EXPECT_FALSE(TInProcX::EvaluateFile(other));
    EXPECT_EQ(dlg.messages.back().kind, kMsgInfo);
}

}
