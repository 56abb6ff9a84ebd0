#include "app/file_choice.h"

#include "app/user_dialogs.h"
#include "base/file_names.h"
#include "base/text_utils.h"

#include <algorithm>

namespace zam {

std::vector<TFilterEntry> ParseFilter(const std::string& filter)
{
    std::vector<TFilterEntry> entries;
    std::vector<std::string> parts = SplitFields(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        TFilterEntry e;
        e.caption = parts[i];
        for (const auto& p : SplitFields(parts[i + 1], ';')) {
            std::string t = Trim(p);
            if (!t.empty())
                e.patterns.push_back(t);
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::vector<std::string> CheckedPatterns(const std::string& filter)
{
    std::vector<std::string> out;
    for (const auto& e : ParseFilter(filter))
        for (const auto& p : e.patterns)
            if (p != "*.*")
                out.push_back(p);
    return out;
}

namespace {
    bool PartMatches(const std::string& part, const std::string& pattern)
    {
        std::size_t star = pattern.find('*');
        if (star == std::string::npos)
            return EqualsNoCase(part, pattern);
        return part.size() >= star && EqualsNoCase(part.substr(0, star), pattern.substr(0, star));
    }

    void Split(const std::string& name, std::string& base, std::string& ext)
    {
        std::size_t dot = name.rfind('.');
        base = dot == std::string::npos ? name : name.substr(0, dot);
        ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    }
}

bool MatchesPattern(const std::string& fileName, const std::string& pattern)
{
    std::string nb, ne, pb, pe;
    Split(FileNamePart(fileName), nb, ne);
    Split(pattern, pb, pe);
    return PartMatches(nb, pb) && PartMatches(ne, pe);
}

bool MatchesAnyPattern(const std::string& fileName, const std::vector<std::string>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& p) { return MatchesPattern(fileName, p); });
}

std::string DefaultExtension(const std::string& proposedName)
{
    std::string name = FileNamePart(proposedName);
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find('*') != std::string::npos)
        return {};
    return name.substr(dot + 1);
}

TFileChoiceResult CheckChosenFile(std::string chosen, const std::string& modes, const std::string& filter,
    const std::string& proposedName)
{
    auto has = [&](char c) { return modes.find(c) != std::string::npos; };
    bool open = has('R');
    std::string ext = DefaultExtension(proposedName);
    // with a pattern as proposal ("*.klb") a name typed without extension
    // still gets the one extension the filter allows
    std::vector<std::string> patterns = CheckedPatterns(filter);
    if (ext.empty() && patterns.size() == 1 && patterns[0].rfind("*.", 0) == 0
        && patterns[0].find_first_of("*?", 2) == std::string::npos)
        ext = patterns[0].substr(2);
    if (!ext.empty() && FileNamePart(chosen).find('.') == std::string::npos)
        chosen += "." + ext;
    if (!has('U'))
        chosen = JoinPath(DirectoryPart(chosen), LowerCase(FileNamePart(chosen)));
    TFileChoiceResult r { TFileChoiceStep::Accept, chosen };
    auto refuse = [&] {
        r.step = TFileChoiceStep::Refuse;
        return r;
    };
    if (has('C') && !MatchesAnyPattern(chosen, CheckedPatterns(filter))) {
        InvalidName(chosen);
        return refuse();
    }
    bool exists = FileExists(chosen);
    if (open) {
        if (has('A') && !exists) {
            if (AskCreate(chosen) != kResYes)
                return refuse();
            if (!CreateEmptyFile(chosen)) {
                CannotCreate(chosen);
                return refuse();
            }
        } else if (has('E') && !exists) {
            return refuse();
        }
        return r;
    }
    if (exists) {
        if (has('X')) {
            ExistsNoOverwrite(chosen);
            return refuse();
        }
        if (has('A') && AskOverwrite(chosen) != kResYes)
            return refuse();
        return r;
    }
    if (!has('A') && !has('X') && !CreateEmptyFile(chosen)) {
        CannotCreate(chosen);
        return refuse();
    }
    return r;
}

TPoint2 DialogPlacement(int code, int screenW, int screenH, int dlgW, int dlgH)
{
    int t = screenH / 25;
    if (screenH - 8 < dlgH + screenH / 25)
        t = 6;
    int right = std::max(4, screenW * 19 / 20 - dlgW);
    int bottom = std::max(4, screenH * 19 / 20 - dlgH);
    switch (code) {
    case 1:
        return { right, t };
    case 2:
        return { screenW / 20, t };
    case 3:
        return { screenW / 20, bottom };
    case 4:
        return { right, bottom };
    default:
        return { (screenW - dlgW) / 2, (screenH - dlgH) / 2 };
    }
}

}
