#include "output/table_text_draw.h"

#include "base/table_text.h"
#include "base/table_text_fields.h"
#include "output/table_page.h"

#include <algorithm>

namespace zam {

void DrawTableText(TCanvas& canvas, const TRect& rectIn, int refWidth, std::string_view text, int lineHeight,
    TColour fontColour)
{
    std::vector<TTextField> fields = SplitTableText(text);
    if (fields.empty())
        return;
    TRect rect = rectIn;
    std::string plain;
    for (char c : text)
        if (c != markup::kFieldBreak && c != markup::kSkipNext)
            plain += c;
    if (plain.empty())
        return;
    if (HasTextMargin(plain)) {
        rect.left += refWidth / 20;
        rect.right -= refWidth / 20;
    }
    int baseTop = rect.top + (rect.Height() - lineHeight) / 2;
    int midY = rect.top + rect.Height() / 2;
    int charWidth = std::max(refWidth / 8, 1);
    int left = rect.left;
    for (const TTextField& f : fields) {
        if (left >= rect.right)
            break;
        int right = f.width > 0 ? left + (refWidth * f.width + 8) / 8 : rect.right;
        int clipRight = std::min(right, rect.right);
        if (f.kind != TFieldKind::Text) {
            TPenStyle style = f.kind == TFieldKind::DashedLine ? TPenStyle::Dash : TPenStyle::Solid;
            canvas.SetPen(fontColour, 1, style);
            int y = f.kind == TFieldKind::Underline ? rect.bottom - 1 : midY;
            canvas.Line({ left, y }, { clipRight, y });
            canvas.SetPen(fontColour, 1, TPenStyle::Solid);
        } else if (!f.text.empty()) {
            canvas.SetClip({ left, rect.top, rect.right, rect.bottom });
            std::string t = f.text;
            int w = canvas.TextWidth(t);
            int x = left;
            switch (f.align) {
            case TFieldAlign::Right:
                x = right - w;
                break;
            case TFieldAlign::Centre:
                x = left + (right - left - w) / 2;
                break;
            case TFieldAlign::RightTab: {
                std::string padded = t.size() < static_cast<std::size_t>(f.tabDigits)
                    ? std::string(static_cast<std::size_t>(f.tabDigits) - t.size(), ' ') + t
                    : t;
                std::string tail = padded.substr(padded.size() - static_cast<std::size_t>(std::max(f.tabDigits, 0)));
                t = padded;
                x = right - f.tabDigits * charWidth - (canvas.TextWidth(padded) - canvas.TextWidth(tail));
                break;
            }
            case TFieldAlign::LeftTab: {
                std::string padded = t;
                if (padded.size() < static_cast<std::size_t>(f.tabDigits))
                    padded.resize(static_cast<std::size_t>(f.tabDigits), ' ');
                std::string head = padded.substr(0, static_cast<std::size_t>(std::max(f.tabDigits, 0)));
                x = left + f.tabDigits * charWidth - canvas.TextWidth(head);
                t = padded;
                break;
            }
            case TFieldAlign::Spread: {
                int cell = charWidth + 1;
                for (std::size_t i = 0; i < t.size(); ++i) {
                    std::string ch(1, t[i]);
                    canvas.Text(left + static_cast<int>(i) * cell + (cell - canvas.TextWidth(ch)) / 2, baseTop, ch);
                }
                canvas.ClearClip();
                left = right + 1;
                continue;
            }
            default:
                break;
            }
            canvas.Text(x, baseTop, t);
            canvas.ClearClip();
        }
        left = right + 1;
    }
}

void DrawTableCell(TCanvas& canvas, const TRect& rect, const std::string& cellText, bool heading, int mode,
    int referenceWidth, int lineHeight, TColour headingColour, TColour bodyColour, TColour fontColour)
{
    TCellFlags flags = CellFlags(cellText);
    std::string text = CellTextWithoutFlags(cellText);
    if (mode == 2 || mode == 3)
        text = markup::kRight + text;
    TRect fill = rect;
    if (!flags.left)
        --fill.left;
    if (!flags.right)
        ++fill.right;
    if (!flags.top)
        --fill.top;
    if (!flags.bottom)
        ++fill.bottom;
    canvas.SetBrush(heading ? headingColour : bodyColour, TBrushStyle::Solid);
    canvas.FillRect(fill);
    DrawTableText(canvas, rect, referenceWidth, text, lineHeight, fontColour);
}

void DrawListLine(TCanvas& canvas, const TRect& rect, const std::string& text, int mode, int referenceWidth,
    int lineHeight, TColour background, TColour fontColour)
{
    canvas.SetBrush(background, TBrushStyle::Solid);
    canvas.FillRect(rect);
    std::string t = mode == 2 || mode == 3 ? markup::kRight + text : text;
    DrawTableText(canvas, rect, referenceWidth, t, lineHeight, fontColour);
}

}
