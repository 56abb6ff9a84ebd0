#include "app/colour_palettes.h"

#include <algorithm>

namespace zam {

namespace {
    constexpr std::array<std::array<TColour, kWindowColours>, kPaletteCount> kWindow { {
        { 0x79E3EC, 0xE8FFFF, 0xFFFFC0, 0x0000FF, 0x80FFFF, 0xA00000, 0xB0E0FF, 0xFFFFFF, 0x000000, 0x000000,
            0xC8D0D8, 0x000000, 0xCFFFFF, 0xC0FFFF, 0xFF0000, 0, 0, 0, 0xF0CAA6, 0xA00000 },
        { 0xF1CAA6, 0xFFF8F0, 0x800000, 0x40FFFF, 0xD58E66, 0xFFFFFF, 0xC0FFFF, 0xFFFFFA, 0xE30000, 0xCDFFFF,
            0xEDEDED, 0x2020CF, 0xFFFCEE, 0xCEFFFF, 0x0000A0, 0, 0, 0, 0xCDFFFF, 0xA00000 },
        { 0x6698FF, 0xF8F8FF, 0x0000EB, 0xFFFFFF, 0x80C0FF, 0x00004E, 0xC3FFFF, 0xFBFBFF, 0x000060, 0xC3FFFF,
            0xC8D0D8, 0x0000B9, 0xC4EAFF, 0xCDFFFF, 0x000080, 0, 0, 0, 0xC3FFFF, 0x0000B0 },
        { 0x88F095, 0xFFF8F0, 0xFFFFC0, 0x0000FF, 0x218F24, 0xFFFFFF, 0xC0FFFF, 0xFFFFFF, 0x000000, 0xCDFFFF,
            0xEDEDED, 0x2020CF, 0xFFFCEE, 0xCEFFFF, 0x0000A0, 0, 0, 0, 0xCDFFFF, 0xA00000 },
    } };

    // Palette entries 20..24 of the graphics schemes.
    constexpr std::array<std::array<TColour, 5>, 3> kGraphicExtra { {
        { 0x74C9FF, 0xA00000, 0xC0FFFF, 0xFFFFFF, 0x000040 },
        { 0x80FFFF, 0xA00000, 0xFFFFE8, 0xFFFFFF, 0xE30000 },
        { 0x0000C3, 0xFFF0D3, 0xD0E8FF, 0xFFFFFF, 0x000060 },
    } };

    constexpr std::array<TColour, 6> kSeriesColours { 0x0000FF, 0xFF0000, 0xFF40FF, 0x00FF00, 0xFFFF00, 0x286CB0 };

    TColour MapComponents(TColour c, TColour (*f)(TColour))
    {
        return f(c & 0xFF) | (f((c >> 8) & 0xFF) << 8) | (f((c >> 16) & 0xFF) << 16);
    }
}

const std::array<TColour, kWindowColours>& WindowPalette(int palette)
{
    return kWindow[static_cast<std::size_t>(std::clamp(palette, 1, kPaletteCount) - 1)];
}

std::string PaletteName(int palette)
{
    switch (palette) {
    case 1:
        return "Gelb";
    case 2:
        return "Blau";
    case 3:
        return "Rot";
    case 4:
        return "Grün";
    default:
        return {};
    }
}

TColour LightColour(TColour c)
{
    return MapComponents(c, [](TColour v) { return v / 2 + 128; });
}

TColour DarkColour(TColour c)
{
    return MapComponents(c, [](TColour v) { return v / 4; });
}

std::array<TColour, kGraphicColours> GraphicScheme(int scheme)
{
    int s = std::clamp(scheme, 1, 3);
    const auto& window = kWindow[static_cast<std::size_t>(s - 1)];
    const auto& extra = kGraphicExtra[static_cast<std::size_t>(s - 1)];
    auto P = [&](int k) { return k < 20 ? window[static_cast<std::size_t>(k)] : extra[static_cast<std::size_t>(k - 20)]; };
    std::array<TColour, kGraphicColours> t {};
    t[0] = P(22);
    for (std::size_t i = 0; i < kSeriesColours.size(); ++i)
        t[i + 1] = kSeriesColours[i];
    t[7] = 0;
    t[8] = 0;
    t[9] = P(24);
    t[10] = P(24);
    t[11] = P(21);
    t[12] = LightColour(P(21));
    t[13] = P(24);
    t[14] = P(19);
    t[15] = LightColour(P(19));
    t[20] = DarkColour(P(22));
    t[21] = P(23);
    t[23] = P(20);
    t[24] = P(18);
    return t;
}

}
