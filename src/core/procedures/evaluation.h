#pragma once

#include <memory>
#include <string>

namespace zam {

class TSList;
class TTMng;
class TXTab;

// The four operations every evaluation object offers the dispatcher.
class TEvaluation {
public:
    virtual ~TEvaluation() = default;
    // Stores the references and reads what the output needs from [HEAD].
    virtual void Bind(TSList& list, const std::string& fileName) = 0;
    // Evaluates the bound data, writes the result sections and saves the file.
    virtual bool Compute() = 0;
    // Builds the result pages from the stored results.
    virtual void Output(TTMng& pages) = 0;
    // All result pages into an export table.
    virtual void Export(TXTab& table) = 0;
};

// The evaluation object of a file kind; nullptr for kinds not evaluated here.
std::unique_ptr<TEvaluation> CreateEvaluation(int kind);

// A value text of [RESULTS] split into number and unit ("[ ]" without one).
struct TValueParts {
    std::string number;
    std::string unit;
};
TValueParts SplitValueText(const std::string& text);

// Name and unit of a [HEAD] name line ("Blei [µg/l]" -> "Blei", "[µg/l]").
TValueParts SplitNameUnit(const std::string& text);

}
