#include "app/login.h"

#include "app/base_data.h"
#include "app/user_dialogs.h"

namespace zam {

TLoginModel::TLoginModel()
{
    for (const auto& line : BaseData().Persons())
        names_.push_back(line.size() > 11 ? line.substr(11, 40) : std::string());
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
