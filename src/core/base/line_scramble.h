#pragma once

#include <string>

namespace zam {

// The line scrambling of section files. Every character is transformed with
// the key (line number + 1-based column); the transformation is its own
// inverse for characters 32..255, so one routine scrambles and unscrambles.
// Characters below 32 are taken as "." first.
void ScrambleLine(std::string& line, int lineNumber);
char ScrambleChar(unsigned char c, long long key);

}
