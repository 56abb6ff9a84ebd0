#pragma once

#include "app/canvas.h"
#include "app/settings.h"

#include <array>
#include <string>
#include <vector>

namespace zam {

inline constexpr double kGap = -1e19; // a y value that interrupts a line

struct TAxisDesc {
    int labelOffset = 0; // above 98 suppresses the axis
    int intervals = 10;
    int autoLabel = 1; // labels at every m-th tick
    int decimals = 0;
    bool grid = true;
    std::string caption;
};

struct TSeriesDesc {
    int style = 1; // 0 markers, 1 polyline (series mode 2)
    int dash = 0; // 0: the series' own dash style
    int colour = 0; // 0: the series' own colour
    std::vector<double> x, y;
};

// A group of points with error bars (diagram type 5): x, centre, lower and
// upper end; a centre at or below -1e20 is not drawn.
struct TBarGroup {
    std::vector<double> x, centre, lower, upper;
    bool joined = false; // consecutive centres joined with the group's dash style
};

// The one picture description of the graphic on display.
struct TPic {
    int diagramType = 1;
    int seriesMode = 1; // 1: first series markers, others lines
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    TAxisDesc xAxis, yAxis;
    std::string title1, title2;
    int legend = 0; // 0 none, 1 below
    std::vector<std::string> legendEntries;
    std::array<std::pair<std::string, std::string>, 6> footers;
    std::vector<TSeriesDesc> series; // at most 6
    std::vector<TBarGroup> groups; // diagram type 5, at most 6
    TGraphicsBlock style = DefaultGraphicsBlock();
    void Clear() { *this = TPic(); }
};

TPic& Picture();

// Draws the picture into width x height pixels of the canvas.
void RenderPicture(const TPic& pic, TCanvas& canvas, int width, int height, bool monochrome, int lineUnit = 1);

}
