#pragma once

#include <string>

namespace zam {

// Where the installation state lives: --home DIR, else $ZAM_HOME, else the
// program's own directory when writable, else $XDG_DATA_HOME/zam (or
// ~/.local/share/zam), created when missing. Empty when none can be used.
std::string ResolveStartDirectory(const std::string& homeOption, const std::string& programDirectory);

// The program's installation state: start directory, base name, the work
// files with the directories they hold, the help and settings file names.
class TStartX {
public:
    std::string startDir;
    std::string baseName = "zam";
    std::string baseTitle = "ZAM";
    std::string helpFile;
    std::string settingsFile;
    std::string dataDir;
    std::string copyDir;
    std::string importDir;
    std::string exportDir;
    std::string baseDataChoice; // the file chosen with the base data connection
    std::string copyFileBase;

    // Reads the work files with their defaults and checks, loads the settings.
    void StartWork(const std::string& startDirectory, const std::string& name = {});
    // The one-line work file of the extension ("pth", "cpy", "imp", "exp", "fil").
    std::string WorkFileName(const std::string& extension) const;
    bool WriteWorkFile(const std::string& extension, const std::string& value);
};

// The single instance of the program run.
TStartX& StartX();

}
