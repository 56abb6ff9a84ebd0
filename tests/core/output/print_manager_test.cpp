#include "app/base_data.h"
#include "app/scripted_dialogs.h"
#include "app/settings.h"
#include "base/dates.h"
#include "base/file_names.h"
#include "base/table_text.h"
#include "output/print_manager.h"
#include "output/result_tables.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zam {

namespace {
    // Counts texts; every character 8 pixels, lines 10 pixels high.
    struct TTextCanvas : TCanvas {
        std::vector<std::string> texts;
        void SetPen(TColour, int, TPenStyle) override { }
        void SetBrush(TColour, TBrushStyle) override { }
        void SetFont(const TFontDesc&, TColour) override { }
        void Line(TPoint2, TPoint2) override { }
        void Rectangle(const TRect&) override { }
        void FillRect(const TRect&) override { }
        void Polygon(const std::vector<TPoint2>&) override { }
        void Ellipse(const TRect&) override { }
        int TextWidth(std::string_view t) override { return static_cast<int>(t.size()) * 8; }
        int TextHeight(std::string_view) override { return 10; }
        void Text(int, int, std::string_view t) override { texts.emplace_back(t); }
        void RotatedText(int, int, int, std::string_view) override { }
        void SetClip(const TRect&) override { }
        void ClearClip() override { }
    };

    // A page of 800 x 1200 pixels: pitch 18, 64 lines a page.
    struct TRecordingPrinter : TPrinterDevice {
        TTextCanvas canvas;
        int documents = 0;
        int sheets = 0;
        bool BeginDocument(const std::string&) override
        {
            ++documents;
            ++sheets;
            return true;
        }
        void NewPage() override { ++sheets; }
        void EndDocument() override { }
        int PageWidth() const override { return 800; }
        int PageHeight() const override { return 1200; }
        TCanvas& Canvas() override { return canvas; }
    };

    TTablePage TextPage(int lines, const std::string& title = "Seite")
    {
        TTablePage p;
        p.head.Kind = 'A';
        p.head.TitleCount = 1;
        p.head.LeftTitle[0] = title;
        p.leftTitles = { title };
        p.rightTitles = { "rechts" };
        for (int i = 0; i < lines; ++i)
            p.lines.push_back("Zeile " + std::to_string(i));
        return p;
    }

    struct PrintManagerTest : ::testing::Test {
        TRecordingPrinter printer;
        TPrnManager manager;
        TSysP saved = Settings();
        void SetUp() override { manager.SetDevice(&printer); }
        void TearDown() override { Settings() = saved; }
    };
}

TEST(PrintLayout, MetricsAndRunCode)
{
    TPageMetrics m = PageMetrics(800, 1200, 64, 10, false);
    EXPECT_EQ(m.pitch, 18);
    EXPECT_EQ(m.halfLine, 14);
    EXPECT_EQ(m.left, 50);
    EXPECT_EQ(m.right, 784);
    EXPECT_EQ(m.top, 18);
    EXPECT_EQ(m.bottom, 1164);
    EXPECT_EQ(m.linesPerPage, 63);
    EXPECT_EQ(PageMetrics(800, 1200, 64, 36, true).pitch, 46); // 45 - 36 is odd: one more
    EXPECT_EQ(PageMetrics(800, 1200, 64, 10, true).top, 36);
    EXPECT_EQ(RunCode(0, 1, 0), "01O");
}

TEST_F(PrintManagerTest, BufferFlushRules)
{
    for (int i = 0; i < 4; ++i)
        manager.PrintPage(TextPage(3), true);
    EXPECT_EQ(manager.BufferedJobs(), 4);
    EXPECT_EQ(printer.documents, 0);
    manager.PrintPage(TextPage(3), true); // the fifth fills the buffer
    EXPECT_TRUE(manager.BufferEmpty());
    EXPECT_EQ(printer.documents, 1);
    EXPECT_EQ(printer.sheets, 1);

    TScriptedDialogs dlg;
    manager.FormFeed();
    EXPECT_EQ(dlg.messages.back().text, "Druckerpuffer ist leer!");
    EXPECT_EQ(dlg.beeps, 1);

    TTextBlock t = Settings().GetTextBlock();
    t[textblock::kBufferAutomatic] = 0;
    Settings().SetTextBlock(t);
    manager.PrintPage(TextPage(3), true);
    EXPECT_TRUE(manager.BufferEmpty()); // printed at once
    EXPECT_EQ(printer.documents, 2);
}

TEST_F(PrintManagerTest, PagesThatDoNotFitWaitForTheFormFeed)
{
    manager.PrintPage(TextPage(40), true); // 42 lines: below 50 (the first guess of a page)
    EXPECT_EQ(manager.BufferedJobs(), 1);
    manager.PrintPage(TextPage(40), true); // together more than a page: printing starts
    EXPECT_EQ(printer.documents, 1);
    EXPECT_EQ(printer.sheets, 1);
    EXPECT_EQ(manager.BufferedJobs(), 1); // the second does not fit and is kept
    manager.FormFeed();
    EXPECT_EQ(printer.sheets, 2);
    EXPECT_TRUE(manager.BufferEmpty());
}

TEST_F(PrintManagerTest, LongTextPageBreaksWithHeaderAndTitles)
{
    TTextBlock t = Settings().GetTextBlock();
    t[textblock::kBufferAutomatic] = 0;
    Settings().SetTextBlock(t);
    manager.PrintPage(TextPage(150, "Lange Seite"), true);
    EXPECT_EQ(printer.sheets, 3);
    int titles = 0;
    for (const auto& s : printer.canvas.texts)
        titles += s == "Lange Seite" ? 1 : 0;
    EXPECT_EQ(titles, 3); // the title block on every sheet
    EXPECT_EQ(manager.PagesPrinted(), 3);
}

TEST_F(PrintManagerTest, WideGridPrintsInStripsOrFitted)
{
    TTextBlock t = Settings().GetTextBlock();
    t[textblock::kBufferAutomatic] = 0;
    Settings().SetTextBlock(t);
    TTMng m;
    TTabHead h;
    h.Kind = 'B';
    h.RowCount = 3;
    h.ColCount = 12;
    h.FixedRows = 1;
    h.FixedCols = 1;
    for (auto& w : h.ColWidths)
        w = 10;
    m.StartTable(1, h);
    for (int c = 1; c <= 12; ++c) {
        m.PutCell(1, c, "K" + std::to_string(c));
        m.PutCell(3, c, std::to_string(c));
    }
    manager.PrintPage(BuildTablePage(*m.Table(1)), true);
    int k1 = 0;
    for (const auto& s : printer.canvas.texts)
        k1 += s == "K1" ? 1 : 0;
    EXPECT_EQ(k1, 2); // two strips, each with the heading column
    h.FitWidth = '1';
    m.SetTableHead(h);
    printer.canvas.texts.clear();
    manager.PrintPage(BuildTablePage(*m.Table(1)), true);
    k1 = 0;
    for (const auto& s : printer.canvas.texts)
        k1 += s == "K1" ? 1 : 0;
    EXPECT_EQ(k1, 1);
}

TEST_F(PrintManagerTest, SignatureLinesUnderMarkedPages)
{
    TBaseData savedBase = BaseData();
    BaseData().signRecord.lineCount = 2;
    BaseData().signRecord.rightAligned = true;
    BaseData().signRecord.lines = { "Geprüft:", "Datum: 9.12.2026" };
    TTextBlock t = Settings().GetTextBlock();
    t[textblock::kBufferAutomatic] = 0;
    Settings().SetTextBlock(t);
    TTablePage p = TextPage(2);
    p.head.SignLines = 1;
    manager.PrintPage(p, true);
    EXPECT_EQ(printer.canvas.texts.back(), "Datum: 9.12.2026");
    printer.canvas.texts.clear();
    manager.PrintPage(TextPage(2), true);
    EXPECT_EQ(printer.canvas.texts.back(), "Zeile 1");
    BaseData() = savedBase;
}

TEST_F(PrintManagerTest, PageCopiesAsTextOrCsv)
{
    SetFixedNow(9, 12, 2026, 16, 51);
    TTablePage p = TextPage(0, "Kalibrierfunktion");
    p.info = { Cell("Methode ¬: ÷", 18, 1, 0) + Cell("DIN 38402", 40, -1, 0) };
    p.lines = { Cell("Steigung (b): ", 27, 1, 0) + "\xF7" + Cell("0.11834\xF7\xAC [cps]", 27, -1, 0), "|" };
    auto csv = manager.CopyLines(p, true, ';');
    EXPECT_EQ(csv[0], ";;;09.12.2026;16:51");
    EXPECT_EQ(csv[1], "Kalibrierfunktion;;;rechts");
    EXPECT_EQ(csv[3], "Methode;DIN 38402");
    EXPECT_EQ(csv[5], "Steigung (b);0,11834;[cps]");
    auto text = manager.CopyLines(p, false, ';');
    EXPECT_EQ(text[0], std::string(56, '-') + "-- 09.12.2026 16:51 -");
    EXPECT_EQ(text[0].size(), 77U);
    EXPECT_EQ(text[1].size(), 77U);
    EXPECT_EQ(text[2], std::string(77, '-'));
    EXPECT_EQ(text[3], "        Methode : DIN 38402");
    EXPECT_EQ(text[6], std::string(77, '-')); // a rule is at most 77 wide
    SetFixedNow(0, 0, 0, 0, 0);
}

TEST_F(PrintManagerTest, NumberedCopyFilesAndAppending)
{
    test::TTempDir dir;
    manager.SetCopyFile(dir.File("zamcopy"));
    test::WriteBytes(dir.File("zamcopy00.txt"), "x");
    test::WriteBytes(dir.File("zamcopy03.txt"), "x");
    auto names = manager.NumberedCopyNames(".txt");
    ASSERT_EQ(names.size(), 30U);
    EXPECT_EQ(names[0], "zamcopy00.txt  (*)");
    EXPECT_EQ(names[1], "zamcopy01.txt");
    EXPECT_EQ(names[3], "zamcopy03.txt  (*)");
    EXPECT_EQ(names[29], "zamcopy29.txt");

    TScriptedDialogs dlg;
    TTextBlock t = Settings().GetTextBlock();
    t[textblock::kCsvCopies] = 0;
    Settings().SetTextBlock(t);
    dlg.answers = { 0, kResNo, 1 }; // the existing 00 is refused, then 01
    ASSERT_TRUE(manager.PrintPage(TextPage(2), false));
    EXPECT_EQ(manager.CopyFile(), dir.File("zamcopy01.txt"));
    EXPECT_EQ(dlg.requests[0].caption, "Protokolldatei auswählen");
    EXPECT_EQ(dlg.messages[0].text, "zamcopy00.txt : \rDatei existiert schon!\r\n\r\nÜberschreiben?");
    EXPECT_EQ(dlg.requests.size(), 2U); // the list came again after the refusal
    ASSERT_TRUE(manager.PrintPage(TextPage(2), false)); // appended to the same file, no question
    EXPECT_EQ(dlg.requests.size(), 2U);
    std::string bytes = test::ReadBytes(dir.File("zamcopy01.txt"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2 * 7); // header, title, rule, 2 lines, 2 empty
}

}
