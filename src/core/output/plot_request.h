#pragma once

#include <string>

namespace zam {

// What the graphics window is asked to draw: the plot code (first digit the
// plot class, e.g. "1" + decision digit for a calibration) and its data file.
struct TPlotRequest {
    std::string code;
    std::string dataFile;
    void Clear()
    {
        code.clear();
        dataFile.clear();
    }
};

TPlotRequest& PlotRequest();

}
