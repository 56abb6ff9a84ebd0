#pragma once

#include <string>
#include <string_view>

namespace zam {

// Markup characters of table texts (Windows-1252 codes). They carry the layout
// of result lines, list lines and printed pages inside the text itself.
namespace markup {
    inline constexpr char kFieldWidth = '\xBC'; // 188 + width digit
    inline constexpr char kLeftTab = '\xBB'; // 187 + digit: decimal tab, left
    inline constexpr char kRightTab = '\xAB'; // 171 + digit: decimal tab, right
    inline constexpr char kRight = '\xBF'; // 191
    inline constexpr char kCentre = '\xC7'; // 199
    inline constexpr char kSpread = '\x83'; // 131
    inline constexpr char kSolidLine = '|'; // 124
    inline constexpr char kDashedLine = '\xB3'; // 179
    inline constexpr char kUnderline = '\xBD'; // 189
    inline constexpr char kSkipNext = '\xAC'; // 172: dropped with the next character on export
    inline constexpr char kFieldBreak = '\xF7'; // 247: field boundary on CSV export
}

// The width digit d is the character 48 + d, so widths above 9 continue after '9'.
char WidthDigit(int d);
int DigitWidth(char c);

std::string FieldWidth(int d);
std::string RightText(std::string_view text);
std::string CentreText(std::string_view text);

// One field: width marker (width > 0), then the alignment of the text.
// alignment > 0 right (decimal tab with digits > 0), 0 centred, -1 left (decimal
// tab with digits > 0), below -1 spread.
std::string Cell(std::string_view text, int width, int alignment, int digits);

std::string StripMarkup(std::string_view text);
std::string ControlToBlank(std::string_view text);

// What a section file stores of a line: markup removed, control characters blank.
std::string CleanLine(std::string_view text);

}
