#include "support/calibration_fixture.h"

#include "base/number_text.h"
#include "base/section_file.h"
#include "procedures/calibration_calc.h"

namespace zam::test {

void WriteCalibration(const std::string& file, const TCalibrationData& d)
{
    TSList s;
    s.SetTitle(d.title);
    int head = s.AddSection("[HEAD]").index;
    for (const auto& l : { std::string("03"), d.title, d.method, d.xName, d.yName })
        s.AddLine(head, l);
    for (const auto& p : d.params)
        s.AddLine(head, p);
    int data = s.AddSection("[DATA]").index;
    for (std::size_t i = 0; i < std::max(d.x.size(), d.y.size()); ++i) {
        if (i < d.x.size() && !d.x[i].empty())
            s.AddCell(data, static_cast<int>(i) + 1, d.x[i], 1);
        if (i < d.y.size() && !d.y[i].empty())
            s.AddCell(data, static_cast<int>(i) + 1, d.y[i], 2);
    }
    s.AddLine(s.AddSection("[PROTOCOL]").index, "11.12.2026 09:30 : Erika Muster");
    s.SaveFile(file, kOpenShared);
}

TCalibrationData LeadCalibration()
{
    TCalibrationData d;
    d.x = { "0.5", "1", "2", "3", "4", "5", "6", "7", "8", "10" };
    d.y = { "0.062", "0.119", "0.247", "0.358", "0.482", "0.597", "0.716", "0.828", "0.957", "1.185" };
    return d;
}

std::vector<std::string> Numbers(const std::vector<double>& values, int decimals)
{
    std::vector<std::string> out;
    for (double v : values)
        out.push_back(FormatFixed(decimals, v));
    return out;
}

bool WriteComputedCalibration(const std::string& file, const TCalibrationData& data)
{
    WriteCalibration(file, data);
    TSList list;
    if (!list.LoadFile(file, kOpenExclusive))
        return false;
    TKalCalc calc;
    calc.Bind(list, file);
    return calc.Compute();
}

}
