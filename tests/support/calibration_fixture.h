#pragma once

#include <string>
#include <vector>

namespace zam::test {

// A calibration file as the entry dialog writes it.
struct TCalibrationData {
    std::vector<std::string> x;
    std::vector<std::string> y;
    std::vector<std::string> params { "95", "3", "1", "95", "99" };
    std::string xName = "Blei [µg/l]";
    std::string yName = "Intensität [cps]";
    std::string title = "Kalibrierung Blei";
    std::string method = "DIN EN ISO 17294-2";
};

void WriteCalibration(const std::string& file, const TCalibrationData& data);
// Writes the file and computes it as the evaluation does; false when it could
// not be read or computed.
bool WriteComputedCalibration(const std::string& file, const TCalibrationData& data);

// Lead in water, ICP-MS: ten standards, linear.
TCalibrationData LeadCalibration();

std::vector<std::string> Numbers(const std::vector<double>& values, int decimals);

}
