#pragma once

#include <array>
#include <string>
#include <vector>

namespace zam {

class TSList;

inline constexpr const char* kBaseDataFileName = "zambasis.dat";
inline constexpr int kPresetCount = 18;

// Indices of the presets.
enum TPresetIndex {
    kPresetOutlierP = 0,
    kPresetFTestP = 1,
    kPresetRecoveryP = 2,
    kPresetDetectionP = 3,
    kPresetMeasurements = 4,
    kPresetReciprocalUncertainty = 5,
    kPresetChartMeansP = 6,
    kPresetChartVariancesP = 7,
    kPresetExtendedFileDialog = 10,
    kPresetLinearOnly = 11,
    kPresetWarnParameterZero = 12,
    kPresetWarnNegativeValues = 13,
    kPresetChartRunningNumber = 14,
    kPresetCsvSeparator = 15,
    kPresetExportTarget = 16,
    kPresetIntervalValues = 17,
};

std::string DefaultPreset(int k);
// The label of preset k in the presets editor (empty for 8 and 9).
std::string PresetLabel(int k);

// The logged-in person: name (with its leading blank) and rights level
// 0 all rights, 1 restricted, 2 minimal.
struct TUser {
    std::string name;
    int rights = 2;
    bool loggedIn = false;
};
TUser& CurrentUser();

struct TSignRecord {
    bool rightAligned = false;
    int lineCount = 0;
    std::string pageFlags = std::string(30, '0');
    std::vector<std::string> lines;
    bool OnPageKind(int kind) const { return kind >= 1 && kind <= 30 && pageFlags[static_cast<std::size_t>(kind - 1)] == '1'; }
};

// The laboratory's base data: persons, choice lists, presets, signature block
// and the import/export control lines, all in the base data file.
class TBaseData {
public:
    std::string path; // empty when there is no base data file
    std::array<std::string, kPresetCount> Presets;
    char csvSeparator = ';';
    int exportTarget = 0;
    TSignRecord signRecord;

    TBaseData();

    // Creates the base data file in the start directory when missing, reads
    // presets and signature block.
    // Without create, a missing file is not made (the presets keep their defaults).
    void BaseDataStart(const std::string& startDirectory, bool create = true);
    void ResetPresets();
    void ReadPresets(const TSList& list);
    // Loads the base data file (false without one).
    bool Load(TSList& list, int mode) const;

    // code 111: methods, parameters and measured quantities; 101: methods and
    // measured quantities (hundreds, tens, units digit).
    bool LoadChoices(int code, std::vector<std::string>* methods, std::vector<std::string>* measured,
        std::vector<std::string>* parameters);
    std::string GetIoControl(int n) const;
    void LoadSignRecord();
    void LoadSignRecord(const TSList& list);
    std::string ChooseUnit() const;

    // The person lines for the login, with the built-in administrator when no
    // person has full rights.
    std::vector<std::string> Persons() const;
    bool CheckLogin(int personIndex, const std::string& password) const;
    // Writes an edited base data file: backup copy, save, lock release.
    bool SaveBaseData(TSList& list) const;

    // The lines of a section of the base data file (none without one).
    std::vector<std::string> SectionLines(const char* section) const;

    // The preset as a number (the default when it is not one).
    double PresetNumber(int k) const;
    bool PresetOption(int k) const { return Presets[static_cast<std::size_t>(k)] == "X"; }
};

// The display form of a person line's name as the logged-in user name.
std::string UserNameOf(const std::string& personLine);
inline constexpr const char* kBuiltInAdministrator = "0MVTR      Qualitätssicherungs-Beauftragter";

TBaseData& BaseData();

}
