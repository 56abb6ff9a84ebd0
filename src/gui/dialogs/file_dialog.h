#pragma once

#include <optional>
#include <string>

class QWidget;

namespace zam {

// Translates "Caption (*.klb)|*.klb|..." into Qt's "Caption (*.klb);;...".
std::string QtFilterOf(const std::string& filter);

// The file open/save dialog with the mode letters; read-only files are not
// listed. Refused names keep the dialog open.
class TDlgFFrame {
public:
    static std::optional<std::string> Choose(const std::string& title, const std::string& startDir,
        const std::string& proposedName, const std::string& modes, const std::string& filter, int position,
        QWidget* parent = nullptr);
};

}
