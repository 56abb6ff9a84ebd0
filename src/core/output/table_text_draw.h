#pragma once

#include "app/canvas.h"

#include <string_view>

namespace zam {

// Draws a table text into the rectangle: fields, alignments, decimal tabs and
// rules as the markup says, clipped to the rectangle.
void DrawTableText(TCanvas& canvas, const TRect& rect, int referenceWidth, std::string_view text, int lineHeight,
    TColour fontColour);

// A grid cell with its block flags ("%%" prefix): the fill is widened over
// the grid lines inside a block, the text drawn into the cell rectangle.
// Modes 2 and 3 right-align the text.
void DrawTableCell(TCanvas& canvas, const TRect& rect, const std::string& cellText, bool heading, int mode,
    int referenceWidth, int lineHeight, TColour headingColour, TColour bodyColour, TColour fontColour);

// A line of an information list or a list page, on the list's background.
void DrawListLine(TCanvas& canvas, const TRect& rect, const std::string& text, int mode, int referenceWidth,
    int lineHeight, TColour background, TColour fontColour);

}
