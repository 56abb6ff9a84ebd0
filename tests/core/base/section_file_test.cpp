#include "app/scripted_dialogs.h"
#include "base/line_scramble.h"
#include "base/section_file.h"
#include "base/string_grid.h"
#include "procedures/procedure_kind.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zam {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

namespace {
    // A file as the scrambler would store these plain lines.
    std::string StoredFile(const std::vector<std::string>& lines)
    {
        std::string bytes;
        int n = 0;
        for (std::string l : lines) {
            ScrambleLine(l, n++);
            bytes += l + "\r\n";
        }
        return bytes;
    }
}

TEST(SectionHeader, RecognisesOnlyTheSpecifiedShapes)
{
    for (const char* yes : { "[HEAD]", "[DATA]", "[RESNUM]", "[OUTLIERS]", "[TEST-A]", "[DATA_TEST-B]", "[PROTOCOL]" })
        EXPECT_TRUE(IsSectionHeader(yes)) << yes;
    for (const char* no : { "[TEST-1]", "[Data]", "[ABC]", "[ABCDE]", " [HEAD]", "[HEAD] ", "[]", "[", "HEAD" })
        EXPECT_FALSE(IsSectionHeader(no)) << no;
}

TEST(SectionFile, OperationsIgnoreInvalidIndices)
{
    TSList s;
    EXPECT_EQ(s.AddSection("[HEAD]").index, 1);
    EXPECT_EQ(s.FindSection("[head]").index, 1);
    EXPECT_EQ(s.FindSection("[DATA]").index, 0);
    s.SetLine(1, 3, "x");
    EXPECT_EQ(s.LineCount(1), 4);
    EXPECT_EQ(s.GetLine(1, 0), "");
    EXPECT_EQ(s.GetLine(1, 9), "");
    EXPECT_EQ(s.GetLine(5, 0), "");
    s.SetLine(7, 0, "ignored");
    s.AddLine(0, "ignored");
    s.DeleteLine(1, 99);
    s.DeleteSection(9);
    s.PadSection(1, 6);
    EXPECT_EQ(s.LineCount(1), 7);
    s.CutSection(1, 2);
    EXPECT_EQ(s.LineCount(1), 2);
    EXPECT_EQ(s.GetInteger(1, 1), 0);
    for (int i = 0; i < 40; ++i)
        s.AddSection("[SECTION-" + std::string(1, static_cast<char>('A' + i % 26)) + std::to_string(i) + "]");
    EXPECT_EQ(s.SectionCount(), 30);
    EXPECT_EQ(s.AddSection("[ANOTHER]").index, 0);
    s.DeleteSection(1);
    EXPECT_EQ(s.SectionCount(), 29);
}

TEST(SectionFile, NumberRowSubstitutesDefaults)
{
    TSList s;
    int i = s.AddSection("[DATA]").index;
    s.AddLine(i, "1,5^^x");
    auto row = s.GetNumberRow(i, 0, -1, 4);
    ASSERT_EQ(row.size(), 4U);
    EXPECT_DOUBLE_EQ(row[0].value, 1.5);
    EXPECT_EQ(row[0].status, 1);
    EXPECT_DOUBLE_EQ(row[1].value, -1);
    EXPECT_EQ(row[1].status, -1);
    EXPECT_DOUBLE_EQ(row[2].value, -1);
    EXPECT_EQ(row[2].status, -2);
    EXPECT_DOUBLE_EQ(row[3].value, -1);
    EXPECT_EQ(row[3].status, -1);
    s.AddLine(i, std::string(100, '^'));
    EXPECT_EQ(s.GetNumberRow(i, 1, 0, 0).size(), 32U);
}

TEST(SectionFile, CellLinesAndGrids)
{
    EXPECT_EQ(CellLine(1, 2, "0.5"), "  1  2 0.5");
    TSList s;
    int i = s.AddSection("[DATA]").index;
    s.AddCell(i, 12, " 3,5 ", 1);
    TCellNumber c = s.GetCellNumber(i, 0);
    EXPECT_EQ(c.cell.row, 12);
    EXPECT_EQ(c.cell.col, 1);
    EXPECT_EQ(c.cell.text, "3,5");
    EXPECT_DOUBLE_EQ(c.number.value, 3.5);
    s.AddLine(i, "  x  2 text");
    EXPECT_EQ(s.GetCell(i, 1).row, -1);
    EXPECT_EQ(s.GetCell(i, 1).col, 2);
    s.AddLine(i, "  1");
    EXPECT_EQ(s.GetCell(i, 2).col, -1);
    EXPECT_EQ(s.GetCell(i, 2).text, "");

    TStringGrid g(3, 4); // one fixed column and row
    g.SetCell(0, 1, "1");
    g.SetCell(1, 1, " 0.5 ");
    g.SetCell(2, 3, "7");
    g.SetCell(2, 2, "   ");
    s.GridToSection(g, "[DATA]");
    EXPECT_EQ(s.Lines(i), (std::vector<std::string> { "  1  1 0.5", "  3  2 7" }));
    s.AddLine(i, "  0  1 fixed row");
    s.AddLine(i, "  1  0 fixed col");
    s.AddLine(i, "  4  1 below");
    s.AddLine(i, "  1  3 right");
    TStringGrid h(3, 4);
    h.SetCell(0, 1, "label");
    h.SetCell(2, 2, "old");
    s.SectionToGrid(h, "[DATA]");
    EXPECT_EQ(h.Cell(1, 1), "0.5");
    EXPECT_EQ(h.Cell(2, 3), "7");
    EXPECT_EQ(h.Cell(2, 2), "");
    EXPECT_EQ(h.Cell(0, 1), "label");
    EXPECT_EQ(h.Cell(1, 0), "");
}

TEST(SectionFile, SaveAndLoadRoundTripWithCleaning)
{
    TTempDir dir;
    std::string file = dir.File("probe.klb");
    TSList s;
    s.SetTitle("  Kalibrierung Blei  ");
    int head = s.AddSection("[HEAD]").index;
    s.AddLine(head, "03");
    s.AddLine(head, "Blei|ICP\tMS");
    s.AddLine(head, "[not a header");
    s.AddLine(head, "");
    s.AddLine(head, "Maß µg/l €");
    s.AddSection("[EMPTYSECTION]");
    int data = s.AddSection("[DATA]").index;
    s.AddCell(data, 1, "0.5", 1);
    ASSERT_TRUE(s.SaveFile(file, kOpenExclusive));

    TSList r;
    ASSERT_TRUE(r.LoadFile(file, kOpenExclusive));
    EXPECT_EQ(r.Title(), "Kalibrierung Blei");
    ASSERT_EQ(r.SectionCount(), 2);
    EXPECT_EQ(r.SectionName(1), "[HEAD]");
    EXPECT_EQ(r.Lines(1),
        (std::vector<std::string> { "03", "BleiICP MS", " [not a header", "", "Maß µg/l €" }));
    EXPECT_EQ(r.FindSection("[EMPTYSECTION]").index, 0);
    EXPECT_EQ(r.GetLine(2, 0), "  1  1 0.5");

    // stored bytes are scrambled, never below 32 except the line ends
    std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.find("Blei"), std::string::npos);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        auto b = static_cast<unsigned char>(bytes[k]);
        if (b == '\r') {
            EXPECT_EQ(bytes[k + 1], '\n');
        } else if (b != '\n') {
            EXPECT_GE(b, 32);
        }
    }
    // saving what was loaded gives the same bytes
    std::string again = dir.File("again.klb");
    ASSERT_TRUE(r.SaveFile(again, kOpenExclusive));
    EXPECT_EQ(ReadBytes(again), bytes);
}

TEST(SectionFile, TitleStartingWithBracketStaysATitle)
{
    TTempDir dir;
    std::string file = dir.File("t.klb");
    TSList s;
    s.SetTitle("[RESULTS]");
    s.AddLine(s.AddSection("[HEAD]").index, "03");
    s.AddLine(s.AddSection("[DATA]").index, "x");
    ASSERT_TRUE(s.SaveFile(file, kOpenShared));
    TSList r;
    ASSERT_TRUE(r.LoadFile(file, kOpenShared));
    EXPECT_EQ(r.Title(), "[RESULTS]");
    EXPECT_EQ(r.SectionCount(), 2);
}

TEST(SectionFile, LoadingTakesOnlyTheLastTitleLineAndThirtySections)
{
    TTempDir dir;
    std::string file = dir.File("many.dat");
    std::vector<std::string> lines { "first title", "  second title  " };
    for (int i = 0; i < 35; ++i) {
        lines.push_back("[SECTION-" + std::string(1, static_cast<char>('A' + i % 26)) + std::string(1, static_cast<char>('A' + i / 26)) + "]");
        lines.push_back("line " + std::to_string(i));
    }
    WriteBytes(file, StoredFile(lines));
    TSList s;
    ASSERT_TRUE(s.LoadFile(file, kOpenShared));
    EXPECT_EQ(s.Title(), "second title");
    EXPECT_EQ(s.SectionCount(), 30);
    EXPECT_EQ(s.GetLine(30, 0), "line 29");
}

TEST(SectionFile, LineEndsAndCtrlZ)
{
    TTempDir dir;
    std::string file = dir.File("ends.klb");
    std::string a = "[HEAD]";
    std::string b = "lf only";
    std::string c = "last";
    ScrambleLine(a, 0);
    ScrambleLine(b, 1);
    ScrambleLine(c, 2);
    WriteBytes(file, a + "\r\n" + b + "\n" + c + "\x1A");
    TSList s;
    ASSERT_TRUE(s.LoadFile(file, kOpenShared));
    EXPECT_EQ(s.Lines(1), (std::vector<std::string> { "lf only", "last" }));
}

TEST(SectionFile, IdentificationRefusesFilesWithOneSection)
{
    TTempDir dir;
    TScriptedDialogs dlg;
    std::string file = dir.File("only.klb");
    WriteBytes(file, StoredFile({ "[HEAD]" }));
    TSList s;
    ASSERT_TRUE(s.LoadFile(file, kOpenExclusive));
    EXPECT_EQ(s.SectionCount(), 1);
    EXPECT_FALSE(IsZamDataFile(s, file));
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].kind, kMsgError);
    EXPECT_EQ(dlg.messages[0].text, "Datei " + file + " ist keine ZAM-Datei!");
}

}
