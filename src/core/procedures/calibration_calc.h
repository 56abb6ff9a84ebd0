#pragma once

#include "procedures/evaluation.h"
#include "stats/regression.h"

#include <array>
#include <string>
#include <vector>

namespace zam {

inline constexpr int kMaxCalibrationRows = 60;
inline constexpr int kCalibrationResultLines = 31;
inline constexpr int kCalibrationResnumLines = 42;

// The values derived from one calibration function.
struct TCalibrationLimits {
    double t1 = 0, t2 = 0, S = 0;
    double yp = 0, xp = 0; // lower limit of the working range
    double yk = 0, xNG = 0, xEG = 0; // critical value, detection and decision limits
    double xBG = -1; // quantification limit, -1 when not found
    double tq = 0;
};

// The evaluation parameters of [HEAD] lines 5..9, clamped, and what follows.
struct TCalibrationParams {
    double p = 0, k = 0, m = 1, p2 = 0, p3 = 0;
    double alpha = 0, L = 0, alpha2 = 0, alpha3 = 0;
};

// The calibration evaluation of a ".klb" file: both fits with outlier
// search, working range, limits and the Mandel test.
class TKalCalc : public TEvaluation {
public:
    void Bind(TSList& list, const std::string& fileName) override;
    bool Compute() override;
    void Output(TTMng& pages) override;
    void Export(TXTab& table) override;

    // What Compute found (public for the tests and the benchmark).
    TCalibrationParams params;
    int n = 0, dx = 0, dy = 0;
    std::vector<double> x, y;
    TFitResult<LinearFit> linearFit;
    TFitResult<QuadraticFit> quadraticFit;
    TCalibrationLimits linLimits, quadLimits;
    bool SecondDegreeUnusable = false;
    double PW = 0, P = 0, Fcrit = 0;
    std::string decision;
    std::array<std::string, kCalibrationResultLines> results;

    // The texts of the report built from the bound file.
    const std::string& XName() const { return xName_; }
    const std::string& XUnit() const { return xUnit_; }
    const std::string& YName() const { return yName_; }
    const std::string& YUnit() const { return yUnit_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& ShortName() const { return shortName_; }
    TSList* List() const { return list_; }

private:
    void ReadParameters();
    void ReadData();
    void DeriveLinear();
    void DeriveQuadratic();
    void Decide();
    void BuildResults();
    void WriteSections();

    TSList* list_ = nullptr;
    std::string fileName_;
    std::string shortName_;
    std::string xName_, xUnit_, yName_, yUnit_;
};

}
