#include "app/login.h"

#include "app/base_data.h"
#include "app/user_dialogs.h"

#include <algorithm>

namespace zam {

TLoginModel::TLoginModel()
{
    // the caret that stands for a blank in stored names is not shown
    for (const auto& line : BaseData().Persons()) {
        std::string name = line.size() > 11 ? line.substr(11, 40) : std::string();
        std::replace(name.begin(), name.end(), '^', ' ');
        names_.push_back(name);
    }
}

TLoginModel::TResult TLoginModel::Submit(int personIndex, const std::string& password)
{
    if (personIndex < 0 || personIndex >= static_cast<int>(names_.size()))
        return TResult::Cancelled;
    if (BaseData().CheckLogin(personIndex, password))
        return TResult::Accepted;
    Beep();
    SetDialogPosition(4);
    ShowInfo("Ungültiges Passwort!");
    ++rejections_;
    return rejections_ >= kMaxRejections ? TResult::Cancelled : TResult::Retry;
}

}
