#include "app/text_measure.h"

#include <algorithm>

namespace zam {

namespace {
    const TTextMeasure* g_measure = nullptr;

    // A point is 96 / 72 pixels; an average character about 0.6 of the size.
    int CharWidth(const TFontDesc& f) { return std::max(1, (f.size * 96 * 6 + 360) / (72 * 10)); }
}

int TFixedPitchMeasure::TextWidth(const TFontDesc& font, std::string_view text) const
{
    return static_cast<int>(text.size()) * CharWidth(font);
}

int TFixedPitchMeasure::TextHeight(const TFontDesc& font, std::string_view) const
{
    return std::max(1, (font.size * 96 * 12 + 360) / (72 * 10));
}

void SetTextMeasure(const TTextMeasure* measure) { g_measure = measure; }

const TTextMeasure& TextMeasure()
{
    static const TFixedPitchMeasure fixed;
    return g_measure != nullptr ? *g_measure : fixed;
}

TTextMetrics MeasureFont(const TFontDesc& font)
{
    const TTextMeasure& m = TextMeasure();
    return { m.TextWidth(font, "WMAE KII"), m.TextHeight(font, "Ep"), m.TextWidth(font, "WWWWWWWW") / 8 };
}

}
