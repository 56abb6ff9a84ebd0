#pragma once

#include <string>
#include <vector>

namespace zam {

// The clipboard text up to its first CR, TAB or LF; empty without text.
std::string ClipboardFirstCell();

// Cells of a spreadsheet selection on the clipboard in reading order (rows at
// CR, cells at TAB, quoted cells unquoted); false without text.
bool ClipboardTable(std::vector<std::string>& cells);

// A spreadsheet cell that was quoted because it held line breaks.
std::string UnquoteCell(const std::string& cell);

}
