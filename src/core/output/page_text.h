#pragma once

#include "output/table_page.h"

#include <string>
#include <string_view>
#include <vector>

namespace zam {

// Result pages as fixed-width text, for the terminal, page copies and tests.
// Texts stay Windows-1252.

// One table text laid out in `width` characters (trailing blanks removed);
// rules become lines of "-", the underline field a line of "_".
std::string TableTextToPlain(std::string_view text, int width);

inline constexpr int kPlainPageWidth = 96;

// The whole page: titles, notice, information lines, then the body. Grid
// pages are drawn with their columns, heading rules and merged blocks.
std::vector<std::string> RenderPageText(const TTablePage& page, int width = kPlainPageWidth);

class TPlainTextDisplay : public TTableDisplay {
public:
    explicit TPlainTextDisplay(int width = kPlainPageWidth)
        : width_(width)
    {
    }
    void ShowPage(const TTablePage& page) override { lines = RenderPageText(page, width_); }
    std::vector<std::string> lines;

private:
    int width_;
};

}
