#include "base/table_text.h"

#include "base/text_utils.h"

namespace zam {

char WidthDigit(int d) { return static_cast<char>(48 + d); }
int DigitWidth(char c) { return static_cast<unsigned char>(c) - 48; }

std::string FieldWidth(int d) { return std::string(1, markup::kFieldWidth) + WidthDigit(d); }

std::string RightText(std::string_view text) { return markup::kRight + TrimLeft(text); }

std::string CentreText(std::string_view text) { return markup::kCentre + Trim(text); }

std::string Cell(std::string_view text, int width, int alignment, int digits)
{
    std::string out;
    if (width > 0)
        out = FieldWidth(width);
    if (text == "|" || text == std::string_view(&markup::kDashedLine, 1))
        return out + std::string(text);
    if (alignment > 0) {
        if (digits > 0)
            out += std::string(1, markup::kRightTab) + WidthDigit(digits);
        else
            out += markup::kRight;
        return out + TrimLeft(text);
    }
    if (alignment == 0)
        return out + markup::kCentre + Trim(text);
    if (alignment < -1)
        return out + markup::kSpread + TrimRight(text);
    if (digits > 0)
        out += std::string(1, markup::kLeftTab) + WidthDigit(digits);
    else if (width <= 0)
        out += FieldWidth(0);
    return out + TrimRight(text);
}

std::string StripMarkup(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '%' && text[1] == '%')
        text.remove_prefix(text.size() >= 6 ? 6 : text.size());
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case markup::kSolidLine:
        case markup::kSpread:
        case markup::kDashedLine:
        case markup::kUnderline:
        case markup::kRight:
        case markup::kCentre:
            break;
        case markup::kRightTab:
        case markup::kSkipNext:
        case markup::kLeftTab:
        case markup::kFieldWidth:
            ++i;
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

std::string ControlToBlank(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    }
    return out;
}

std::string CleanLine(std::string_view text) { return ControlToBlank(StripMarkup(text)); }

}
