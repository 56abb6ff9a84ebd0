#pragma once

#include <string>
#include <vector>

namespace zam {

class TSList;

// What the calibration pages and the export read from a calibration file:
// only stored sections, nothing recomputed.
struct TCalibrationReport {
    std::string title, method, xLine, yLine;
    std::string xName, xUnit, yName, yUnit;
    std::string PText, KText, P2Text, MText, P3;
    double L = 25;
    bool showSecondDegree = true;
    int digit = 0;
    std::string linMarks, quadMarks;
    int dy = 0;
    double xMin = 0, linXp = 0, quadXp = 0;
    std::vector<std::string> results; // 31 lines, possibly empty
    std::string fileName, shortName;

    struct TPoint {
        std::string xText, yText;
        double y = 0, linRes = 0, quadRes = 0;
        bool linOutlier = false, quadOutlier = false;
    };
    std::vector<TPoint> points;

    // [RESULTS] line i, empty when missing.
    const std::string& R(int i) const;
    // The value text with the markers that split number and unit.
    std::string V(int i) const;
};

TCalibrationReport ReadCalibrationReport(const TSList& list, const std::string& fileName);

// The caption of page 1.
std::string CalibrationPageTitle(bool showSecondDegree);

}
