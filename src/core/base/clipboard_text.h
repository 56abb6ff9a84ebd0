#pragma once

#include <string>
#include <vector>

namespace zam {

// The clipboard text up to its first CR, TAB or LF; empty without text.
std::string ClipboardFirstCell();

// Cells of a spreadsheet selection on the clipboard in reading order (rows at
// CR, cells at TAB, quoted cells unquoted); false without text.
bool ClipboardTable(std::vector<std::string>& cells);

// The clipboard text split into rows at CR, each without a leading LF; the
// last piece (after the last CR) is marked. Text without any CR, as Linux
// programs copy it, has its rows ended by LF outside quotes instead.
struct TClipboardPiece {
    std::string text;
    bool remainder = false;
};
std::vector<TClipboardPiece> ClipboardRows(std::string text);

// A spreadsheet cell that was quoted because it held line breaks.
std::string UnquoteCell(const std::string& cell);

}
