#pragma once

#include <string>
#include <string_view>

namespace zam {

// A font as the settings describe it; the GUI turns it into a real font.
struct TFontDesc {
    std::string name = "Arial";
    int pitch = 1; // 0 default, 1 variable, 2 fixed
    int size = 9; // points
    int style = 0; // 1 bold, 2 italic, 4 underline, 8 strike-out
};

// Measuring text in a font, part of the canvas seam. The GUI installs the
// real one; without it a fixed-pitch approximation serves (console, tests).
class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    virtual int TextWidth(const TFontDesc& font, std::string_view text) const = 0;
    virtual int TextHeight(const TFontDesc& font, std::string_view text) const = 0;
};

class TFixedPitchMeasure : public TTextMeasure {
public:
    int TextWidth(const TFontDesc& font, std::string_view text) const override;
    int TextHeight(const TFontDesc& font, std::string_view text) const override;
};

void SetTextMeasure(const TTextMeasure* measure);
const TTextMeasure& TextMeasure();

// The measures of table texts: the width of "WMAE KII" (eight characters) and
// the height of "Ep".
struct TTextMetrics {
    int referenceWidth = 0;
    int lineHeight = 0;
    int wideCharWidth = 0; // width of "WWWWWWWW" / 8
};
TTextMetrics MeasureFont(const TFontDesc& font);

}
