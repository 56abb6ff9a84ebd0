#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zam {

// Colours are 0x00BBGGRR values.
using TColour = std::uint32_t;

// The window colour palettes 1 "Gelb", 2 "Blau" (default), 3 "Rot", 4 "Grün":
// 20 colours each.
inline constexpr int kPaletteCount = 4;
inline constexpr int kWindowColours = 20;
const std::array<TColour, kWindowColours>& WindowPalette(int palette);
std::string PaletteName(int palette);

// The graphic colour table (31 colours) of the graphics schemes 1 "Gelb",
// 2 "Blau", 3 "Rot".
inline constexpr int kGraphicColours = 31;
std::array<TColour, kGraphicColours> GraphicScheme(int scheme);

TColour LightColour(TColour c);
TColour DarkColour(TColour c);

}
