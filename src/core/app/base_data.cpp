#include "app/base_data.h"

#include "app/io_control.h"
#include "app/settings.h"
#include "app/user_dialogs.h"
#include "base/dates.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "base/number_text.h"
#include "base/section_file.h"
#include "base/text_utils.h"

#include <algorithm>

namespace zam {

namespace {
    const std::array<const char*, kPresetCount> kDefaults = { "95", "99", "95", "95", "1", "4", "95", "99", "", "", "X",
        "", "X", "X", "", ";", "", "60" };

    const std::array<const char*, kPresetCount> kLabels = {
        "Ausreißertest, untere Arbeitsbereichsgrenze :  p =",
        "Varianzenvergleiche, F-Test :  p =",
        "Konfidenzintervalle Wiederfindungsfunktion :  p =",
        "Erfassungsgrenze, etc., Probenanalyse :  p =",
        "Anz. Messungen Analysenprobe :  m =",
        "Reziproke rel. Ergebnisunsicherheit (Bestimmungsgr.) : k =",
        "Regelkarten  -  Vergleich Mittelwerte :  p =",
        "Regelkarten  -  Vergleich Varianzen :  p =",
        "",
        "",
        "Erweiterter Datei-Auswahldialog ",
        "Nur lineare Kalibrierfunktionen anzeigen/verwenden ",
        "Warnung bei Parameterwerten = 0 ",
        "Warnung bei Messwerten < 0 ",
        "Kontrollkartengraphik: Lfd. Nummer  statt  Datum und Zeit ",
        "Trennzeichen in csv-Dateien :",
        " Gesamt-Ergebnisexport : ",
        "für Kontrollkarten-Intervallstatistik :  ",
    };

    std::string ReplaceAll(std::string text, std::string_view from, const std::string& to)
    {
        std::size_t p = 0;
        while ((p = text.find(from, p)) != std::string::npos) {
            text.replace(p, from.size(), to);
            p += to.size();
        }
        return text;
    }
}

std::string DefaultPreset(int k) { return k >= 0 && k < kPresetCount ? kDefaults[static_cast<std::size_t>(k)] : ""; }
std::string PresetLabel(int k) { return k >= 0 && k < kPresetCount ? kLabels[static_cast<std::size_t>(k)] : ""; }

TUser& CurrentUser()
{
    static TUser user;
    return user;
}

TBaseData::TBaseData() { ResetPresets(); }

void TBaseData::ResetPresets()
{
    for (int k = 0; k < kPresetCount; ++k)
        Presets[static_cast<std::size_t>(k)] = DefaultPreset(k);
    csvSeparator = ';';
    exportTarget = 0;
}

void TBaseData::BaseDataStart(const std::string& startDirectory, bool create)
{
    csvSeparator = ';';
    path = JoinPath(startDirectory, kBaseDataFileName);
    if (!FileExists(path) && !create) {
        path.clear();
    } else if (!FileExists(path)) {
        bool made = WriteScrambledLines(
            path, { "ZAM-Basisdaten", "[PERSONEN]", "[METHODEN]", "[DIMENSIONEN]", "[PARAMETER]", "[MESSWERTE]" });
        if (!made)
            path.clear();
    }
    ResetPresets();
    TSList list;
    if (Load(list, 0))
        ReadPresets(list);
    signRecord = TSignRecord();
    LoadSignRecord(list);
}

bool TBaseData::Load(TSList& list, int mode) const
{
    list.Clear();
    return !path.empty() && list.LoadFile(path, mode);
}

void TBaseData::ReadPresets(const TSList& list)
{
    ResetPresets();
    TSectionRef ref = list.FindSection("[PWERTE]");
    if (ref.index != 0) {
        for (int k = 0; k < kPresetCount; ++k)
            Presets[static_cast<std::size_t>(k)] = list.GetLine(ref.index, k).substr(0, 12);
    }
    if (Presets[kPresetCsvSeparator] == ",") {
        csvSeparator = ',';
    } else {
        csvSeparator = ';';
        Presets[kPresetCsvSeparator] = ";";
    }
    Settings().SetCsvSeparator(csvSeparator);
    TParsedNumber target = ParseNumber(Presets[kPresetExportTarget]);
    exportTarget = target.Valid() ? std::clamp(target.integer, 0, 2) : 0;
}

double TBaseData::PresetNumber(int k) const
{
    if (k < 0 || k >= kPresetCount)
        return 0;
    TParsedNumber n = ParseNumber(Presets[static_cast<std::size_t>(k)]);
    return n.Valid() ? n.value : ParseReal(DefaultPreset(k));
}

bool TBaseData::LoadChoices(int code, std::vector<std::string>* methods, std::vector<std::string>* measured,
    std::vector<std::string>* parameters)
{
    TSList list;
    bool loaded = Load(list, 0);
    if (loaded)
        ReadPresets(list);
    auto fill = [&](std::vector<std::string>* target, const char* section) {
        if (target == nullptr)
            return;
        target->clear();
        TSectionRef ref = list.FindSection(section);
        if (ref.index != 0)
            list.CopySectionTo(ref.index, *target);
    };
    if (code / 100 % 10 >= 1)
        fill(methods, "[METHODEN]");
    if (code / 10 % 10 >= 1)
        fill(parameters, "[PARAMETER]");
    if (code % 10 >= 1)
        fill(measured, "[MESSWERTE]");
    return loaded;
}

std::string TBaseData::GetIoControl(int n) const
{
    TSList list;
    std::string line;
    if (Load(list, 0)) {
        TSectionRef ref = list.FindSection("[IO-CTRL]");
        if (ref.index != 0)
            line = list.GetLine(ref.index, n);
    }
    if (Trim(line).empty())
        return DefaultIoControl(n);
    return line;
}

void TBaseData::LoadSignRecord()
{
    TSList list;
    Load(list, 0);
    LoadSignRecord(list);
}

void TBaseData::LoadSignRecord(const TSList& list)
{
    signRecord = TSignRecord();
    TSectionRef ref = list.FindSection("[SIGNRECORD]");
    if (ref.index == 0)
        return;
    int count = std::min(ref.count, 7);
    int b = 1;
    for (int j = 2; j < count; ++j) {
        if (!Trim(list.GetLine(ref.index, j)).empty())
            b = j;
    }
    if (count <= 2 || b <= 1)
        return;
    std::string first = list.GetLine(ref.index, 0);
    signRecord.rightAligned = !first.empty() && first[0] == '1';
    std::string flags = list.GetLine(ref.index, 1).substr(0, 30);
    signRecord.pageFlags = flags + std::string(30 - flags.size(), '0');
    std::string name = Trim(CurrentUser().name);
    for (int j = 2; j <= b; ++j) {
        std::string line = ReplaceAll(ReplaceAll(list.GetLine(ref.index, j), "$DATUM", TodayText()), "$NAME", name);
        signRecord.lines.push_back(line.substr(0, 80));
    }
    signRecord.lineCount = b - 1;
}

std::vector<std::string> TBaseData::SectionLines(const char* section) const
{
    TSList list;
    std::vector<std::string> lines;
    if (Load(list, 0))
        list.CopySectionTo(list.FindSection(section).index, lines);
    return lines;
}

std::string TBaseData::ChooseUnit() const
{
    std::vector<std::string> units = SectionLines("[DIMENSIONEN]");
    units.erase(std::remove_if(units.begin(), units.end(), [](const std::string& u) { return Trim(u).empty(); }),
        units.end());
    if (units.empty()) {
        ShowError("Keine Dimensionen\rzur Auswahl vorhanden!");
        return {};
    }
    std::sort(units.begin(), units.end());
    int i = ChooseFromList("Einheit ergänzen/ändern", "Neue Einheit auswählen:", units, 0, 0);
    if (i < 0 || i >= static_cast<int>(units.size()))
        return {};
    return Trim(units[static_cast<std::size_t>(i)]);
}

std::vector<std::string> TBaseData::Persons() const
{
    std::vector<std::string> persons = SectionLines("[PERSONEN]");
    bool admin = std::any_of(persons.begin(), persons.end(), [](const std::string& p) { return !p.empty() && p[0] == '0'; });
    if (!admin)
        persons.emplace_back(kBuiltInAdministrator);
    return persons;
}

std::string UserNameOf(const std::string& personLine)
{
    std::string name = personLine.size() > 11 ? personLine.substr(11, 40) : std::string();
    std::replace(name.begin(), name.end(), '^', ' ');
    name = " " + name;
    if (name == " Qualitätssicherungs-Beauftragter")
        name = " Qualitätssicherungs-B.";
    return name;
}

bool TBaseData::CheckLogin(int personIndex, const std::string& password) const
{
    std::vector<std::string> persons = Persons();
    if (personIndex < 0 || personIndex >= static_cast<int>(persons.size()))
        return false;
    const std::string& line = persons[static_cast<std::size_t>(personIndex)];
    // A damaged line without a password field never opens the program.
    if (line.size() < 11)
        return false;
    std::string stored = UpperCase(Trim(line.substr(1, 10)));
    std::string entered = UpperCase(password).substr(0, 10);
    if (entered != stored)
        return false;
    int rights = line[0] - '0';
    TUser& user = CurrentUser();
    user.name = UserNameOf(line);
    user.rights = rights >= 0 && rights <= 2 ? rights : 2;
    user.loggedIn = true;
    SetLockUserName(Trim(user.name));
    return true;
}

bool TBaseData::SaveBaseData(TSList& list) const
{
    if (path.empty())
        return false;
    // The previous file becomes the backup copy; it is copied rather than
    // renamed so that a failed save still leaves the file itself in place.
    MakeBackupCopy(path);
    bool ok = list.SaveFile(path, 1);
    ReleaseLock(path);
    return ok;
}

TBaseData& BaseData()
{
    static TBaseData data;
    return data;
}

}
