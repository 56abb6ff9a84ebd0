#include "app/clipboard.h"
#include "output/csv_text.h"
#include "output/exchange_table.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zam {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

namespace {
    const std::string kData = ZAM_TEST_DATA;

    using TRows = std::vector<std::vector<std::string>>;
}

TEST(CellAddresses, LettersAndRows)
{
    struct TCase {
        const char* address;
        int col;
        int row;
    };
    const TCase cases[] = {
        { "B3", 2, 3 }, { "b 3", 2, 3 }, { "AA1", 27, 1 }, { "ZZ9999", 702, 9999 }, { "az12", 52, 12 },
        { "AAA1", 0, 0 }, { "1A", 0, 0 }, { "A0", 0, 0 }, { "A", 0, 0 }, { "", 0, 0 }, { "A1B", 0, 0 },
        { "Ä1", 0, 0 }, { "A-1", 0, 0 }, { "A99999999999", 0, 0 },
    };
    for (const auto& c : cases) {
        TCellAddress a = ParseCellAddress(c.address);
        EXPECT_EQ(a.col, c.col) << c.address;
        EXPECT_EQ(a.row, c.row) << c.address;
    }
    EXPECT_EQ(CellAddress(27, 1), "AA1");
    EXPECT_EQ(CellAddress(52, 12), "AZ12");
    EXPECT_EQ(CellAddress(702, 9999), "ZZ9999");
    EXPECT_EQ(CellAddress(703, 1), "");
    EXPECT_EQ(CellAddress(1, 10000), "");
    for (int col = 1; col <= 702; ++col)
        ASSERT_EQ(ParseCellAddress(CellAddress(col, 5)).col, col);
}

TEST(ExchangeTable, SettingCellsPadsRowsAndCells)
{
    TXTab t;
    t.SetCell("C2", "x  ");
    EXPECT_EQ(t.Rows(), (TRows { {}, { "", "", "x" } }));
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.ColCount(), 3);
    t.SetCell("AA1", "far");
    EXPECT_EQ(t.ColCount(), 27);
    for (const char* bad : { "AAA1", "1A", "A0" })
        t.SetCell(bad, "no");
    EXPECT_EQ(t.RowCount(), 2);
    t.SetCell("A1", "a\xA5" "b");
    EXPECT_EQ(t.GetCell("A1"), "a.b");
    t.SetCellAt("C2", -1, "left", 1);
    EXPECT_EQ(t.GetCell("B3"), "left");
    t.SetCellAt("A1", -1, "never", 0);
    EXPECT_EQ(t.GetCell("Z99"), "");
    EXPECT_EQ(t.GetCell("bogus"), "");
}

TEST(ExchangeTable, CsvFieldsFollowTheSeparator)
{
    EXPECT_EQ(CsvField("1.5", ';', false), "1,5");
    EXPECT_EQ(CsvField("a;b", ';', false), "\"a;b\"");
    EXPECT_EQ(CsvField("1.5", ',', false), "1.5");
    EXPECT_EQ(CsvField("Daten, Residuen", ',', false), "Daten. Residuen");
    EXPECT_EQ(CsvField("1,5", ',', false), "1.5");
    EXPECT_EQ(CsvField("12.", ';', false), "12");
    EXPECT_EQ(CsvField(" Methode: ", ';', true), "Methode");
    EXPECT_EQ(CsvField("sagt \"ja\"", ';', false), "\"sagt \"\"ja\"\"\"");
    EXPECT_EQ(CsvField("1E-5", ';', false), "1E-5");
    EXPECT_EQ(CsvLine("a\xA5" "1.5\xA5", '\xA5', ';', false), "a;1,5");
    EXPECT_EQ(CsvLine("", '\xA5', ';', false), "");
}

TEST(ExchangeTable, ReadsACsvFileAsASpreadsheetWritesIt)
{
    TXTab t;
    ASSERT_TRUE(t.LoadFile(kData + "/spreadsheet.csv", ';', true));
    TRows expected {
        { "Probe", "Gehalt", "Einheit", "Bemerkung" },
        { "P1", "1,5", "mg/l", "enthält ; Semikolon" },
        { "P2", "2,25", "mg/l", "sagt \"hallo\"" },
        { "", "", "", "" },
        { "P3", "-0,5", "", "zwei Zeilen" },
    };
    EXPECT_EQ(t.Rows(), expected);
}

TEST(ExchangeTable, ReadsADifFileAsASpreadsheetWritesIt)
{
    TXTab t;
    ASSERT_TRUE(t.LoadFile(kData + "/spreadsheet.dif", ';', true));
    TRows expected {
        { "Messgerät", "Wert", "OK" },
        { "ICP \"neu\"", "12.5", "WAHR" },
        { "", "", "FALSCH" },
    };
    EXPECT_EQ(t.Rows(), expected);
}

TEST(ExchangeTable, CsvAndDifRoundTrips)
{
    TTempDir dir;
    TXTab t;
    t.SetCell("A1", "Parameter");
    t.SetCell("B1", "Wert");
    t.SetCell("C1", "Kommentar");
    t.SetCell("A2", "Steigung");
    t.SetCell("B2", "0.1183");
    t.SetCell("C2", "enthält ; und \"Zitat\"");
    t.SetCell("A3", "leer");
    t.SetCell("C3", "Größe, µg/l");
    t.SetCell("B4", "-2.5E-3");

    TXTab csv;
    ASSERT_TRUE(t.SaveFile(dir.File("out.csv"), ';', true));
    ASSERT_TRUE(csv.LoadFile(dir.File("out.csv"), ';', true));
    TRows csvExpected {
        { "Parameter", "Wert", "Kommentar" },
        { "Steigung", "0,1183", "enthält ; und \"Zitat\"" },
        { "leer", "", "Größe, µg/l" },
        { "", "-2,5E-3" },
    };
    EXPECT_EQ(csv.Rows(), csvExpected);
    EXPECT_EQ(ReadBytes(dir.File("out.csv")).substr(0, 27), "Parameter;Wert;Kommentar\r\nS");

    TXTab dif;
    ASSERT_TRUE(t.SaveFile(dir.File("out.DIF"), ';', true));
    ASSERT_TRUE(dif.LoadFile(dir.File("out.DIF"), ';', true));
    TRows difExpected {
        { "Parameter", "Wert", "Kommentar" },
        { "Steigung", "0,1183", "enthält ; und \"Zitat\"" },
        { "leer", "", "Größe, µg/l" },
        { "", "-2,5E-3", "" },
    };
    EXPECT_EQ(dif.Rows(), difExpected);
    std::string bytes = ReadBytes(dir.File("out.DIF"));
    EXPECT_NE(bytes.find("0,0,1183\r\nV\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Gr\x94\xE1" "e"), std::string::npos); // ö and ß in code page 850
    EXPECT_EQ(bytes.substr(0, 39), "TABLE\r\n0,1\r\n\"KEV-TABLE\"\r\nVECTORS\r\n0,3\r\n");

    ASSERT_TRUE(t.SaveFile(dir.File("out.txt"), ';', true));
    EXPECT_EQ(ReadBytes(dir.File("out.txt")), "\r\n");
    TXTab other;
    EXPECT_FALSE(other.LoadFile(dir.File("out.txt"), ';', true));
}

TEST(ExchangeTable, DifNumbersAndSpecialValues)
{
    TXTab t;
    t.SetCell("A1", "2.50");
    t.SetCell("B1", "WAHR");
    t.SetCell("C1", "  ");
    auto lines = t.DifLines();
    std::vector<std::string> body(lines.begin() + 12, lines.end());
    EXPECT_EQ(body, (std::vector<std::string> { "-1,0", "BOT", "0,2,50", "V", "0,1", "TRUE", "1,0", "\"\"", "-1,0", "EOD" }));
    TXTab back;
    ASSERT_TRUE(back.ReadDifLines(lines));
    EXPECT_EQ(back.GetCell("A1"), "2,50");
    EXPECT_EQ(back.GetCell("B1"), "WAHR");
    ASSERT_TRUE(back.ReadDifLines({ "DATA", "BOT", "0,0", "NA", "-1,0", "EOD" }));
    EXPECT_EQ(back.Rows(), (TRows { { "" } }));
}

TEST(ExchangeTable, BrokenInputGivesDefinedResults)
{
    TXTab t;
    EXPECT_FALSE(t.ReadDifLines({ "TABLE", "0,1", "BOT" }));
    EXPECT_FALSE(t.ReadDifLines({ "DATA", "0,0" }));
    ASSERT_TRUE(t.ReadDifLines({ "DATA", "BOT", "1,0", "\"a\"", "0,7" })); // truncated tuple
    EXPECT_EQ(t.Rows(), (TRows { { "a", "" } }));
    ASSERT_TRUE(t.ReadDifLines({ "DATA", "BOT", "1,0", "\"" }));
    EXPECT_EQ(t.Rows(), (TRows { { "" } }));

    t.ReadCsvLines({ "\"offen;b", "c;d", "e" }, ';');
    EXPECT_EQ(t.Rows(), (TRows { { "offen;b c;d e" } }));
    t.ReadCsvLines({ "a;\"x\"\"y\" rest;z" }, ';');
    EXPECT_EQ(t.Rows(), (TRows { { "a", "x\"y rest", "z" } }));
    t.ReadCsvLines({ "\"" }, ';');
    EXPECT_EQ(t.Rows(), (TRows { { "" } }));

    TTempDir dir;
    EXPECT_FALSE(t.LoadFile(dir.File("missing.csv"), ';', false));
    EXPECT_EQ(t.RowCount(), 0);
}

TEST(ExchangeTable, LargeCsvWithAnUnbalancedQuoteStaysLinear)
{
    TTempDir dir;
    std::string file = dir.File("big.csv");
    {
        std::ofstream out(file, std::ios::binary);
        out << "\"never closed;x\r\n";
        std::string line = "1,25;2,5;Probe;\"q\"\r\n";
        for (int i = 0; i < 10 * 1024 * 1024 / static_cast<int>(line.size()); ++i)
            out << line;
    }
    TXTab t;
    ASSERT_TRUE(t.LoadFile(file, ';', false));
    EXPECT_EQ(t.RowCount(), 1);
    TXTab u;
    WriteBytes(file, "a;b\r\n1;2\r\n");
    ASSERT_TRUE(u.LoadFile(file, ';', false));
    EXPECT_EQ(u.RowCount(), 2);
}

TEST(ExchangeTable, ClipboardInBothDirections)
{
    TMemoryClipboard clip;
    SetClipboard(&clip);
    TXTab t;
    EXPECT_FALSE(t.LoadClipboard());
    t.SetCell("A1", "a");
    t.SetCell("C1", "1.5");
    t.SetCell("B2", "x.y");
    t.CopyToClipboard();
    EXPECT_EQ(clip.GetText(), "a\t\t1,5\r\n\tx.y\t\r\n");
    TXTab back;
    ASSERT_TRUE(back.LoadClipboard());
    EXPECT_EQ(back.Rows(), (TRows { { "a", "", "1,5" }, { "", "x.y", "" } }));
    clip.SetText("1\r\n\r\n\"z\r\nw\"\t3\r\nrest");
    ASSERT_TRUE(back.LoadClipboard());
    EXPECT_EQ(back.Rows(), (TRows { { "1" }, { "" }, { "\"z" }, { "w\"", "3" }, { "rest" } }));
    SetClipboard(nullptr);
}

}
