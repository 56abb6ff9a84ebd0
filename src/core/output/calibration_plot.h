#pragma once

#include "output/picture.h"

#include <string>
#include <utility>
#include <vector>

namespace zam {

// The views of the calibration plot offered for a plot variant (the
// decision digit, negative for a falling calibration): 1-based view numbers
// of the view list with their names.
std::vector<std::pair<int, std::string>> CalibrationViews(int variant, bool linearOnly);

// Fills the picture with a view from the stored results of a calibration
// file; false (nothing drawn) with fewer than two points.
bool FillCalibrationPlot(int view, const std::string& fileName, TPic& pic, int samples = 100);

}
