#pragma once

#include <functional>
#include <string>

namespace zam {

class TSList;
class TXTab;

// An entry dialog: (in/out file name, empty for a new file) -> saved.
using TEntryFunction = std::function<bool(std::string& fileName)>;
// The GUI plugs in the entry dialog of a procedure ("calibration", ...).
void SetEntryFunction(const std::string& entryPart, TEntryFunction function);

// What lives between commands: the command being run, the file whose results
// are shown, and the remembered choice of the export target.
struct TDispatchState {
    int commandCode = 0;
    std::string currentFile;
    std::string displayName; // shortened to 50 characters for the caption
    int lastExportChoice = -1;
    void SetCurrentFile(const std::string& file);
};
TDispatchState& DispatchState();

// The procedure dispatcher. The GUI plugs the entry dialogs and the file
// selection in; what runs without dialogs is here.
class TInProcX {
public:
    // Runs the procedure command of the current command code: file
    // selection and display for the evaluation commands; the entry dialogs
    // are plugged in by later versions. False (code restored) on failure.
    static bool Run();
    // The file selection of an evaluation command; false on cancel.
    static bool SelectFile(const std::string& caption, const std::string& pattern, std::string& fileName);

    // A stored file: load (mode 1), identify, bind, output (no computation).
    // False, with the system's message where there is one, when the file
    // cannot be shown.
    static bool EvaluateFile(const std::string& fileName);
    // After data entry: bind, compute (saves the file), output.
    static bool ComputeFile(TSList& list, const std::string& fileName);

    // The total export table of a data file; false (and the system's
    // message) when the file cannot be read.
    static bool BuildTotalExport(const std::string& fileName, TXTab& table);
    // The total export of the current file to the clipboard or a CSV/DIF file,
    // as the preset or the user decides.
    static bool TotalExport();
};

}
