#include "base/table_text_fields.h"

#include "base/table_text.h"

namespace zam {

namespace {
    bool EndsUnsizedField(char c)
    {
        switch (c) {
        case markup::kLeftTab:
        case markup::kRightTab:
        case markup::kCentre:
        case markup::kRight:
        case markup::kSolidLine:
        case markup::kDashedLine:
        case markup::kSpread:
            return true;
        default:
            return false;
        }
    }
}

bool HasTextMargin(std::string_view text)
{
    return text.empty() || (text[0] != markup::kSolidLine && text[0] != markup::kUnderline);
}

std::vector<TTextField> SplitTableText(std::string_view input)
{
    std::string s;
    s.reserve(input.size());
    for (char c : input) {
        if (c != markup::kFieldBreak && c != markup::kSkipNext)
            s += c;
    }
    std::vector<TTextField> fields;
    std::size_t pos = 0;
    while (pos < s.size()) {
        TTextField f;
        bool sized = false;
        if (s[pos] == markup::kFieldWidth) {
            if (pos + 1 < s.size()) {
                f.width = DigitWidth(s[pos + 1]);
                sized = f.width > 0;
                if (f.width < 0)
                    f.width = 0;
            }
            pos += 2;
        }
        if (pos < s.size()) {
            switch (s[pos]) {
            case markup::kRight:
                f.align = TFieldAlign::Right;
                ++pos;
                break;
            case markup::kCentre:
                f.align = TFieldAlign::Centre;
                ++pos;
                break;
            case markup::kSpread:
                f.align = TFieldAlign::Spread;
                ++pos;
                break;
            case markup::kSolidLine:
                f.kind = TFieldKind::SolidLine;
                ++pos;
                break;
            case markup::kDashedLine:
                f.kind = TFieldKind::DashedLine;
                ++pos;
                break;
            case markup::kUnderline:
                f.kind = TFieldKind::Underline;
                ++pos;
                break;
            case markup::kLeftTab:
            case markup::kRightTab:
                f.align = s[pos] == markup::kLeftTab ? TFieldAlign::LeftTab : TFieldAlign::RightTab;
                f.tabDigits = pos + 1 < s.size() ? DigitWidth(s[pos + 1]) : 0;
                pos += 2;
                break;
            default:
                break;
            }
        }
        if (pos >= s.size()) {
            fields.push_back(std::move(f));
            break;
        }
        std::size_t end = s.find(markup::kFieldWidth, pos);
        if (end == std::string::npos) {
            end = s.size();
            if (sized) {
                for (std::size_t k = pos; k < s.size(); ++k) {
                    if (EndsUnsizedField(s[k])) {
                        end = k;
                        break;
                    }
                }
            }
        }
        f.text = s.substr(pos, end - pos);
        pos = end;
        fields.push_back(std::move(f));
    }
    return fields;
}

}
