#include "app/base_data.h"
#include "app/clipboard.h"
#include "app/scripted_dialogs.h"
#include "app/start_directory.h"
#include "base/dates.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "procedures/calibration_entry.h"
#include "procedures/presets_entry.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zam {

using test::TTempDir;

namespace {
    void Fill(TKalibEntry& e, const std::vector<std::pair<std::string, std::string>>& rows, int firstRow = 1)
    {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            e.grid.SetCell(1, firstRow + static_cast<int>(i), rows[i].first);
            e.grid.SetCell(2, firstRow + static_cast<int>(i), rows[i].second);
        }
    }

    struct TEntryFixture : ::testing::Test {
        TTempDir dir;
        TBaseData saved = BaseData();
        TScriptedDialogs dlg;
        void SetUp() override
        {
            StartX().StartWork(dir.Path());
            BaseData().BaseDataStart(dir.Path());
            CurrentUser().name = " Erika Muster";
            SetFixedNow(11, 12, 2026, 9, 30);
        }
        void TearDown() override
        {
            BaseData() = saved;
            CurrentUser() = TUser();
            SetFixedNow(0, 0, 0, 0, 0);
        }
    };
    using CalibrationEntry = TEntryFixture;
}

TEST_F(CalibrationEntry, EditingAids)
{
    TKalibEntry e;
    ASSERT_TRUE(e.Open(""));
    EXPECT_EQ(e.Caption(), "Kalibrierdaten");
    EXPECT_EQ(e.headSlots[5], "95");
    EXPECT_EQ(e.headSlots[6], "4");
    EXPECT_EQ(e.headSlots[7], "1");
    EXPECT_EQ(e.headSlots[9], "99");
    Fill(e, { { "1", "" }, { "2", "" } });
    EXPECT_TRUE(e.ContinueX(3));
    EXPECT_EQ(e.grid.Cell(1, 3), "3");
    Fill(e, { { "0.5", "" }, { "1.25", "" } }, 3);
    EXPECT_TRUE(e.ContinueX(5));
    EXPECT_EQ(e.grid.Cell(1, 5), "2.00");
    Fill(e, { { "2", "" }, { "1", "" } }, 10);
    EXPECT_FALSE(e.ContinueX(12));
    EXPECT_EQ(dlg.beeps, 1);
    EXPECT_EQ(e.RowLabel(3), "3. ");
    EXPECT_EQ(e.ColumnCaption(1), " xi");

    TKalibEntry s;
    s.Open("");
    Fill(s, { { "3", "c" }, { "", "" }, { "1", "a" }, { "x", "z" }, { "1", "b" } });
    s.SortByX();
    EXPECT_EQ(s.grid.Cell(2, 1), "z"); // an invalid x counts as 0
    EXPECT_EQ(s.grid.Cell(2, 2), "a");
    EXPECT_EQ(s.grid.Cell(2, 3), "b"); // equal x keep their order
    EXPECT_EQ(s.grid.Cell(2, 4), "c");
    EXPECT_TRUE(s.MoveRow(2, 1));
    EXPECT_EQ(s.grid.Cell(2, 2), "b");
    EXPECT_FALSE(s.MoveRow(1, -1));
}

TEST_F(CalibrationEntry, OkChecksInTheOrderOfThePart)
{
    struct TCase {
        std::vector<std::pair<std::string, std::string>> rows;
        std::string message;
    };
    const TCase cases[] = {
        { { { "1", "0.1" }, { "2", "" } }, "2. / yi: Unzulässige Eingabe" },
        { { { "1", "0.1" }, { "-2", "0.2" } }, "2. / xi: Unzulässige Eingabe" },
        { { { "1", "0.1" }, { "1", "0.1" } }, "Keine Variation in x-Werten" },
        { { { "1", "0.1" }, { "2", "0.1" } }, "Keine Variation in y-Werten" },
    };
    for (const auto& c : cases) {
        TKalibEntry e;
        e.Open("");
        Fill(e, c.rows);
        dlg.Clear();
        EXPECT_EQ(e.Ok(), TKalibEntry::TOkResult::StayOpen);
        ASSERT_FALSE(dlg.messages.empty());
        EXPECT_EQ(dlg.messages.back().text, c.message);
    }
    // warnings: Ja keeps the dialog open
    TKalibEntry w;
    w.Open("");
    Fill(w, { { "0", "-0.1" }, { "1", "0.1" }, { "2", "0.2" } });
    dlg.Clear();
    dlg.answers = { kResYes };
    EXPECT_EQ(w.Ok(), TKalibEntry::TOkResult::StayOpen);
    EXPECT_EQ(dlg.messages.back().text, "Parameter = 0 in Zl.   1\rMesswerte < 0 in Zl.   1\r\rKorrigieren?");
    EXPECT_EQ(ShortenRowList(" 1; 2;"), " 1; 2");
    EXPECT_EQ(ShortenRowList(" 1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12;"), " 1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; ....");
}

TEST_F(CalibrationEntry, NewFileIsCompactedSavedWithProtocol)
{
    TKalibEntry e;
    e.Open("");
    e.headSlots[1] = "Kalibrierung [Blei]";
    e.headSlots[3] = "Blei [µg/l]";
    Fill(e, { { "1", "0,1" }, { "", "" }, { "2", "0.21" }, { "", "" }, { "4", "0.39" } });
    dlg.files = { dir.File("neu.klb") };
    ASSERT_EQ(e.Ok(), TKalibEntry::TOkResult::Saved);
    EXPECT_EQ(dlg.requests.back().caption, "Speichern");
    EXPECT_EQ(dlg.requests.back().items[2], "CX");
    TSList s;
    ASSERT_TRUE(s.LoadFile(dir.File("neu.klb"), kOpenShared));
    EXPECT_EQ(s.Title(), "Kalibrierung [Blei]");
    EXPECT_EQ(s.Lines(s.FindSection("[DATA]").index),
        (std::vector<std::string> { "  1  1 1", "  1  2 0.1", "  2  1 2", "  2  2 0.21", "  3  1 4", "  3  2 0.39" }));
    EXPECT_EQ(s.Lines(s.FindSection("[PROTOCOL]").index), (std::vector<std::string> { "11.12.2026 09:30 : Erika Muster" }));
    EXPECT_EQ(s.GetLine(s.FindSection("[HEAD]").index, 5), "95");

    // cancelled file name: the dialog stays
    TKalibEntry f;
    f.Open("");
    Fill(f, { { "1", "1" }, { "2", "2" } });
    EXPECT_EQ(f.Ok(), TKalibEntry::TOkResult::StayOpen);
}

TEST_F(CalibrationEntry, CorrectionLogsChangesKeepsBackupAndLock)
{
    std::string file = dir.File("alt.klb");
    test::WriteCalibration(file, test::LeadCalibration());
    {
        TKalibEntry e;
        ASSERT_TRUE(e.Open(file));
        EXPECT_TRUE(IsLockedByOther(file) == false);
        EXPECT_TRUE(FileExists(LockFileName(file)));
        EXPECT_EQ(e.Caption(), "Kalibrierdaten - " + ShortenPath(file, 30));
        EXPECT_EQ(e.Ok(), TKalibEntry::TOkResult::Cancelled); // nothing changed
        EXPECT_EQ(e.grid.Cell(1, 1), "0.5");
        e.grid.SetCell(2, 3, "0.250");
        e.headSlots[2] = "DIN EN ISO 17294-2 (2017)";
        ASSERT_EQ(e.Ok(), TKalibEntry::TOkResult::Saved);
    }
    EXPECT_FALSE(FileExists(LockFileName(file)));
    EXPECT_TRUE(FileExists(dir.File("alt._kl")));
    TSList s;
    ASSERT_TRUE(s.LoadFile(file, kOpenShared));
    std::vector<std::string> protocol = s.Lines(s.FindSection("[PROTOCOL]").index);
    ASSERT_EQ(protocol.size(), 4U);
    EXPECT_EQ(protocol[1], "11.12.2026 09:30 : Erika Muster");
    EXPECT_EQ(protocol[2], "   \"DIN EN ISO 17294-2\" --> \"DIN EN ISO 17294-2 (2017)\"");
    EXPECT_EQ(protocol[3], "  3. / yi: \"0.247\" --> \"0.250\"");
    EXPECT_EQ(ChangeLines("  ", std::string(60, 'a'), std::string(30, 'b')).size(), 2U);
    EXPECT_EQ(ChangeLines("  ", "", "x")[0], "  \" \" --> \"x\"");

    // parameters alone: saved without a protocol line
    TKalibEntry p;
    ASSERT_TRUE(p.Open(file));
    auto presets = p.ParameterPresets();
    presets[0] = "99";
    p.TakeParameters(presets);
    ASSERT_EQ(p.Ok(), TKalibEntry::TOkResult::Saved);
    TSList t;
    t.LoadFile(file, kOpenShared);
    EXPECT_EQ(t.LineCount(t.FindSection("[PROTOCOL]").index), 4);
    EXPECT_EQ(t.GetLine(t.FindSection("[HEAD]").index, 5), "99");
}

TEST_F(CalibrationEntry, ClipboardImportAndUnits)
{
    TMemoryClipboard clip;
    SetClipboard(&clip);
    TKalibEntry e;
    e.Open("");
    std::string field;
    EXPECT_FALSE(e.PasteFirstCell(field));
    EXPECT_EQ(dlg.messages.back().text, "Zwischenablage hat falsches\rFormat oder ist leer!");
    clip.SetText("1\t0,1\r\n2\t0,2\r\n");
    EXPECT_TRUE(e.PasteIntoGrid(1, 59));
    EXPECT_EQ(e.grid.Cell(2, 60), "0,2");
    EXPECT_EQ(e.grid.Cell(1, 59), "1");

    TXTab t;
    t.SetCell("A1", "Kalibrierung Zink");
    t.SetCell("A2", "DIN 38406");
    t.SetCell("A4", "Zink"); // layout: 3 A4 name, 4 A5 unit, 5 B4 name, 6 B5 unit, 7 A6 x, 8 B6 y
    t.SetCell("A5", "(mg/l)");
    t.SetCell("B4", "Extinktion");
    for (int i = 0; i < 3; ++i) {
        t.SetCell("A" + std::to_string(6 + i), std::to_string(i + 1));
        t.SetCell("B" + std::to_string(6 + i), std::to_string((i + 1) * 0.1));
    }
    e.Import(t);
    EXPECT_EQ(e.headSlots[1], "Kalibrierung Zink");
    EXPECT_EQ(e.headSlots[3], "Zink [mg/l]");
    EXPECT_EQ(e.headSlots[4], "Extinktion [ ]");
    EXPECT_EQ(e.grid.Cell(1, 3), "3");
    EXPECT_EQ(e.grid.Cell(1, 4), "");
    EXPECT_EQ(NameWithUnit("Blei [mg/l]", "[µg/l]"), "Blei [µg/l]");
    SetClipboard(nullptr);
}

TEST(PresetsEntry, ItemsChecksAndChanges)
{
    std::array<std::string, 18> p;
    for (int k = 0; k < 18; ++k)
        p[static_cast<std::size_t>(k)] = DefaultPreset(k);
    TPresetsEntry e(p, "0102040506");
    EXPECT_EQ(e.indices, (std::vector<int> { 0, 1, 3, 4, 5 }));
    EXPECT_FALSE(e.optionPanel);
    EXPECT_EQ(e.HelpContext(), 30410);
    EXPECT_FALSE(e.Percent(4));
    TScriptedDialogs dlg;
    int bad = -1;
    bool changed = true;
    ASSERT_TRUE(e.Accept(bad, changed));
    EXPECT_FALSE(changed);
    e.values[4] = "2.5";
    EXPECT_FALSE(e.Accept(bad, changed));
    EXPECT_EQ(bad, 4);
    EXPECT_EQ(dlg.messages.back().text, "Unzulässige Eingabe");
    e.values[4] = "3";
    e.values[0] = "99,5";
    ASSERT_TRUE(e.Accept(bad, changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(e.values[0], "99.5");
    e.values[5] = "501";
    EXPECT_FALSE(e.Accept(bad, changed));
    EXPECT_TRUE(TPresetsEntry(p, "010291").optionPanel);
}

}
