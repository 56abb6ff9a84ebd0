#pragma once

#include <string>
#include <vector>

namespace zam {

// The model of the title dialog: the persons of the base data and the
// eight tries.
class TLoginModel {
public:
    TLoginModel();
    // The names shown in the list (characters 12..51 of the person lines).
    const std::vector<std::string>& Names() const { return names_; }

    enum class TResult { Accepted, Retry, Cancelled };
    // OK with the chosen name (-1 none) and the typed password.
    TResult Submit(int personIndex, const std::string& password);
    int Rejections() const { return rejections_; }

    static constexpr int kMaxRejections = 8;

private:
    std::vector<std::string> names_;
    int rejections_ = 0;
};

}
