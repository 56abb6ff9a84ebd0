#include "app/base_data.h"
#include "app/io_control.h"
#include "app/scripted_dialogs.h"
#include "base/dates.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "base/section_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zam {

using test::TTempDir;

namespace {
    // A base data file with the given sections (name, lines).
    void WriteBaseData(const std::string& file, const std::vector<std::pair<std::string, std::vector<std::string>>>& sections)
    {
        TSList s;
        s.SetTitle("ZAM-Basisdaten");
        for (const auto& [name, lines] : sections) {
            int i = s.AddSection(name).index;
            for (const auto& l : lines)
                s.AddLine(i, l);
        }
        ASSERT_TRUE(s.SaveFile(file, kOpenShared));
    }

    std::vector<std::string> Presets(std::vector<std::string> changes)
    {
        std::vector<std::string> p;
        for (int k = 0; k < kPresetCount; ++k)
            p.push_back(DefaultPreset(k));
        for (std::size_t k = 0; k < changes.size(); ++k) {
            if (changes[k] != "=")
                p[k] = changes[k];
        }
        return p;
    }
}

TEST(BaseData, FreshStartCreatesTheFileWithFiveEmptySections)
{
    TTempDir dir;
    TBaseData b;
    b.BaseDataStart(dir.Path());
    EXPECT_EQ(b.path, dir.File("zambasis.dat"));
    TSList s;
    ASSERT_TRUE(s.LoadFile(b.path, kOpenShared));
    EXPECT_EQ(s.Title(), "ZAM-Basisdaten");
    ASSERT_EQ(s.SectionCount(), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(s.LineCount(i), 0);
    EXPECT_EQ(s.SectionName(5), "[MESSWERTE]");
    EXPECT_EQ(b.Persons(), (std::vector<std::string> { kBuiltInAdministrator }));
    EXPECT_EQ(b.Presets[0], "95");
    EXPECT_EQ(b.csvSeparator, ';');
    EXPECT_EQ(b.exportTarget, 0);
    EXPECT_EQ(b.GetIoControl(1), "A1    A7    K7    A22   A25");
}

TEST(BaseData, PresetLinesFifteenToSeventeen)
{
    struct TCase {
        std::vector<std::string> lines;
        char separator;
        int target;
        std::string interval;
    };
    std::vector<std::string> tail15(15, "=");
    auto with = [&](std::string l15, std::string l16, std::string l17) {
        auto v = tail15;
        v.push_back(l15);
        v.push_back(l16);
        v.push_back(l17);
        return Presets(v);
    };
    const TCase cases[] = {
        { with(",", "", "30"), ',', 0, "30" },
        { with("x", "7", "60"), ';', 2, "60" },
        { with(";", "abc", ""), ';', 0, "" },
        { with(";", "1", "60"), ';', 1, "60" },
        { Presets({ std::string(500, '9') }), ';', 0, "60" },
    };
    for (const auto& c : cases) {
        TTempDir dir;
        WriteBaseData(dir.File("zambasis.dat"), { { "[PWERTE]", c.lines } });
        TBaseData b;
        b.BaseDataStart(dir.Path());
        EXPECT_EQ(b.csvSeparator, c.separator);
        EXPECT_EQ(b.exportTarget, c.target);
        EXPECT_EQ(b.Presets[17], c.interval);
        EXPECT_LE(b.Presets[0].size(), 12U);
        if (c.separator == ';') {
            EXPECT_EQ(b.Presets[15], ";");
        }
    }
}

TEST(BaseData, SignatureRecordExample)
{
    TTempDir dir;
    SetFixedNow(9, 12, 2026, 10, 0);
    CurrentUser().name = " Dr. Erika Muster ";
    WriteBaseData(dir.File("zambasis.dat"),
        { { "[SIGNRECORD]", { "1", "1100", "Geprüft: $NAME", "", "Datum: $DATUM", "", "" } } });
    TBaseData b;
    b.BaseDataStart(dir.Path());
    SetFixedNow(0, 0, 0, 0, 0);
    const TSignRecord& r = b.signRecord;
    EXPECT_TRUE(r.rightAligned);
    EXPECT_EQ(r.lineCount, 3);
    EXPECT_EQ(r.lines, (std::vector<std::string> { "Geprüft: Dr. Erika Muster", "", "Datum: 9.12.2026" }));
    EXPECT_TRUE(r.OnPageKind(1));
    EXPECT_TRUE(r.OnPageKind(2));
    EXPECT_FALSE(r.OnPageKind(3));
    EXPECT_EQ(r.pageFlags.size(), 30U);

    WriteBaseData(dir.File("zambasis.dat"), { { "[SIGNRECORD]", { "0", "1" } } });
    b.LoadSignRecord();
    EXPECT_EQ(b.signRecord.lineCount, 0);
    EXPECT_FALSE(b.signRecord.OnPageKind(1));
    CurrentUser() = TUser();
}

TEST(BaseData, LoginByPersonLine)
{
    TTempDir dir;
    WriteBaseData(dir.File("zambasis.dat"),
        { { "[PERSONEN]",
            { "1LABOR     Erika^Muster", "2          Gast", "1", "0CHEF      Qualitätssicherungs-Beauftragter",
                "xGEHEIM    Unbekannt" } } });
    TBaseData b;
    b.BaseDataStart(dir.Path());
    auto persons = b.Persons();
    ASSERT_EQ(persons.size(), 5U); // a full-rights person: no built-in administrator
    EXPECT_FALSE(b.CheckLogin(0, "falsch"));
    EXPECT_TRUE(b.CheckLogin(0, "labor"));
    EXPECT_EQ(CurrentUser().name, " Erika Muster");
    EXPECT_EQ(CurrentUser().rights, 1);
    EXPECT_TRUE(b.CheckLogin(1, ""));
    EXPECT_EQ(CurrentUser().name, " Gast");
    EXPECT_EQ(CurrentUser().rights, 2);
    EXPECT_FALSE(b.CheckLogin(2, "")); // a line without password field
    EXPECT_TRUE(b.CheckLogin(3, "CHEF"));
    EXPECT_EQ(CurrentUser().name, " Qualitätssicherungs-B.");
    EXPECT_EQ(CurrentUser().rights, 0);
    EXPECT_TRUE(b.CheckLogin(4, "GEHEIM"));
    EXPECT_EQ(CurrentUser().rights, 2); // an unknown level gets the fewest rights
    EXPECT_FALSE(b.CheckLogin(9, ""));
    EXPECT_FALSE(b.CheckLogin(-1, ""));
    CurrentUser() = TUser();
}

TEST(BaseData, BuiltInAdministratorAndManyPersons)
{
    TTempDir dir;
    std::vector<std::string> many;
    for (int i = 0; i < 10000; ++i)
        many.push_back("2PW" + std::to_string(i % 1000) + "     Person " + std::to_string(i));
    WriteBaseData(dir.File("zambasis.dat"), { { "[PERSONEN]", many } });
    TBaseData b;
    b.BaseDataStart(dir.Path());
    auto persons = b.Persons();
    ASSERT_EQ(persons.size(), 10001U);
    EXPECT_TRUE(b.CheckLogin(10000, "mvtr"));
    EXPECT_EQ(CurrentUser().rights, 0);
    CurrentUser() = TUser();
}

TEST(BaseData, ChoicesAndUnits)
{
    TTempDir dir;
    WriteBaseData(dir.File("zambasis.dat"),
        { { "[METHODEN]", { "DIN 38406-E6", "DIN EN ISO 11885" } }, { "[DIMENSIONEN]", { "mg/l", "µg/l", "g/kg" } },
            { "[PARAMETER]", { "Blei [µg/l]" } }, { "[MESSWERTE]", { "Extinktion", "Intensität [cps]" } } });
    TBaseData b;
    b.BaseDataStart(dir.Path());
    std::vector<std::string> m, y, x { "old" };
    ASSERT_TRUE(b.LoadChoices(101, &m, &y, &x));
    EXPECT_EQ(m.size(), 2U);
    EXPECT_EQ(y, (std::vector<std::string> { "Extinktion", "Intensität [cps]" }));
    EXPECT_EQ(x, (std::vector<std::string> { "old" })); // tens digit 0
    ASSERT_TRUE(b.LoadChoices(111, &m, &y, &x));
    EXPECT_EQ(x, (std::vector<std::string> { "Blei [µg/l]" }));

    TScriptedDialogs dlg;
    dlg.answers = { 1 };
    EXPECT_EQ(b.ChooseUnit(), "mg/l");
    ASSERT_EQ(dlg.requests.size(), 1U);
    EXPECT_EQ(dlg.requests[0].caption, "Einheit ergänzen/ändern");
    EXPECT_EQ(dlg.requests[0].detail, "Neue Einheit auswählen:");
    EXPECT_EQ(dlg.requests[0].items, (std::vector<std::string> { "g/kg", "mg/l", "µg/l" }));
    EXPECT_EQ(b.ChooseUnit(), ""); // cancelled

    WriteBaseData(dir.File("zambasis.dat"), { { "[METHODEN]", { "x" } } });
    EXPECT_EQ(b.ChooseUnit(), "");
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, "Keine Dimensionen\rzur Auswahl vorhanden!");
}

TEST(BaseData, SavingKeepsABackupAndReleasesTheLock)
{
    TTempDir dir;
    TBaseData b;
    b.BaseDataStart(dir.Path());
    TSList s;
    ASSERT_TRUE(b.Load(s, kOpenEdit));
    EXPECT_TRUE(FileExists(LockFileName(b.path)));
    s.AddLine(s.FindSection("[METHODEN]").index, "DIN 38406-E6");
    int io = s.AddSection("[IO-CTRL]").index;
    s.SetLine(io, 1, "B2    B8");
    ASSERT_TRUE(b.SaveBaseData(s));
    EXPECT_FALSE(FileExists(LockFileName(b.path)));
    EXPECT_TRUE(FileExists(dir.File("zambasis._da")));
    TSList backup;
    ASSERT_TRUE(backup.LoadFile(dir.File("zambasis._da"), kOpenShared));
    EXPECT_EQ(backup.SectionCount(), 5);
    EXPECT_EQ(b.GetIoControl(1), "B2    B8");
    EXPECT_EQ(b.GetIoControl(0), DefaultIoControl(0)); // the padded empty line reads as its default
}

TEST(BaseData, NoBaseDataFileInAReadOnlyStartDirectory)
{
    TTempDir dir;
    namespace fs = std::filesystem;
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read
            | fs::perms::others_exec);
    bool ok = test::RunUnprivileged([&] {
        TScriptedDialogs dlg;
        TBaseData b;
        b.BaseDataStart(dir.Path());
        std::vector<std::string> m;
        return b.path.empty() && !b.LoadChoices(111, &m, nullptr, nullptr) && m.empty()
            && b.Persons().size() == 1 && b.Presets[0] == "95";
    });
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_TRUE(ok);
}

TEST(IoControl, FieldsOfSixCharacters)
{
    std::string line = DefaultIoControl(17);
    EXPECT_EQ(IoField(line, 2), "A10");
    EXPECT_EQ(IoField(line, 5), "J");
    EXPECT_EQ(IoField(line, 6), "");
    EXPECT_EQ(IoField(line, 7), "5");
    EXPECT_EQ(IoField(line, 9), "");
    EXPECT_EQ(IoFields(DefaultIoControl(1)), (std::vector<std::string> { "A1", "A7", "K7", "A22", "A25" }));
    EXPECT_EQ(SetIoField("", 3, "B12"), "            B12");
    EXPECT_EQ(SetIoField(DefaultIoControl(1), 5, ""), "A1    A7    K7    A22");
    EXPECT_EQ(SetIoField("A1", 1, "TOOLONGVALUE"), "TOOLON");
    EXPECT_EQ(DefaultIoControl(16).size(), 116U);
    EXPECT_EQ(DefaultIoControl(18), "");
    EXPECT_EQ(IoProcedures().size(), 9U);
}

TEST(IoControl, EntriesAreCheckedByKind)
{
    struct TCase {
        TIoFieldKind kind;
        const char* typed;
        bool ok;
        const char* stored;
    };
    const TCase cases[] = {
        { TIoFieldKind::Cell, " b 12 ", true, "B12" },
        { TIoFieldKind::Cell, "A01", true, "A01" },
        { TIoFieldKind::Cell, "", true, "" },
        { TIoFieldKind::Cell, "AB0", false, "" },
        { TIoFieldKind::Cell, "ABC1", false, "" },
        { TIoFieldKind::Cell, "1A", false, "" },
        { TIoFieldKind::Cell, "A1B", false, "" },
        { TIoFieldKind::Cell, "Ä1", false, "" },
        { TIoFieldKind::Column, "", false, "" },
        { TIoFieldKind::Column, " j ", true, "J" },
        { TIoFieldKind::Column, "ABC", false, "" },
        { TIoFieldKind::Column, "A1", false, "" },
        { TIoFieldKind::OptionalColumn, "", true, "" },
        { TIoFieldKind::FreeRows, "0", false, "" },
        { TIoFieldKind::FreeRows, "51", false, "" },
        { TIoFieldKind::FreeRows, "5", true, "5" },
        { TIoFieldKind::FreeRows, "2.5", false, "" },
        { TIoFieldKind::Mark, " *ak* ", true, "*ak*" },
    };
    for (const auto& c : cases) {
        std::string stored = "unchanged";
        EXPECT_EQ(NormalizeIoEntry(c.kind, c.typed, stored), c.ok) << c.typed;
        if (c.ok) {
            EXPECT_EQ(stored, c.stored) << c.typed;
        }
    }
    EXPECT_EQ(IoEntryError("x-Werte :"), "x-Werte :\rUnzulässige Zellen-Nummer, bzw. unzulässiger Eintrag");
}

}
