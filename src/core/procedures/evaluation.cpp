#include "procedures/evaluation.h"

#include "base/text_utils.h"
#include "procedures/calibration_calc.h"
#include "procedures/procedure_kind.h"

namespace zam {

std::unique_ptr<TEvaluation> CreateEvaluation(int kind)
{
    if (kind == kKindCalibration)
        return std::make_unique<TKalCalc>();
    return nullptr;
}

namespace {
    std::size_t UnitStart(const std::string& text)
    {
        std::size_t p = text.find('[');
        if (p == std::string::npos)
            p = text.find(" %");
        return p;
    }

    std::string CleanUnit(std::string unit)
    {
        unit = Trim(unit);
        if (unit.empty() || unit == "[]")
            return "[ ]";
        return unit;
    }
}

TValueParts SplitValueText(const std::string& text)
{
    std::size_t p = UnitStart(text);
    if (p == std::string::npos)
        return { Trim(text), "[ ]" };
    return { Trim(text.substr(0, p)), CleanUnit(text.substr(p)) };
}

TValueParts SplitNameUnit(const std::string& text) { return SplitValueText(text); }

}
