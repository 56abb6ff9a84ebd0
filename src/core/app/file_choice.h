#pragma once

#include "app/canvas.h"

#include <string>
#include <vector>

namespace zam {

// The filter syntax of the file dialogs: "Name (*.klb)|*.klb|Other|*.a;*.b".
struct TFilterEntry {
    std::string caption;
    std::vector<std::string> patterns;
};
std::vector<TFilterEntry> ParseFilter(const std::string& filter);

// The patterns of all entries except "*.*".
std::vector<std::string> CheckedPatterns(const std::string& filter);

// Case-insensitive: name part and extension part separately; the text up to
// a pattern's "*" must be equal, a part without "*" equal as a whole.
bool MatchesPattern(const std::string& fileName, const std::string& pattern);
bool MatchesAnyPattern(const std::string& fileName, const std::vector<std::string>& patterns);

// The proposed name's extension, none when it holds "*".
std::string DefaultExtension(const std::string& proposedName);

// What a file dialog does with the name the user chose.
enum class TFileChoiceStep {
    Accept,
    Refuse, // the message was shown, the dialog stays open
    AskCreate, // open dialog, mode "A": AskCreate, Yes creates the file
    AskOverwrite, // save dialog, mode "A"
    Create, // save dialog without "A" and "X": the new file is created at once
};

struct TFileChoiceResult {
    TFileChoiceStep step = TFileChoiceStep::Accept;
    std::string name; // the name as it will be returned
};

// The checks of the mode letters; messages go through the dialog seam.
// Runs AskCreate/AskOverwrite/creation itself, so the result is Accept or Refuse.
TFileChoiceResult CheckChosenFile(std::string chosen, const std::string& modes, const std::string& filter,
    const std::string& proposedName);

// The top left corner of a dialog for a position code (0..4).
TPoint2 DialogPlacement(int code, int screenW, int screenH, int dlgW, int dlgH);

}
