#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zam {

// A table text split into its fields, as the drawing routine walks it.
enum class TFieldAlign { Left, LeftTab, Right, RightTab, Centre, Spread };
enum class TFieldKind { Text, SolidLine, DashedLine, Underline };

struct TTextField {
    int width = 0; // in character widths; 0 = to the right edge
    TFieldAlign align = TFieldAlign::Left;
    int tabDigits = 0; // for the decimal tabs
    TFieldKind kind = TFieldKind::Text;
    std::string text;
};

// 247 and 172 are dropped first (they matter only for the CSV export).
std::vector<TTextField> SplitTableText(std::string_view text);

// Whether the text is drawn with the small margin on both sides (not for
// texts that start with a rule).
bool HasTextMargin(std::string_view text);

}
