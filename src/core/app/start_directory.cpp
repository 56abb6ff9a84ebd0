#include "app/start_directory.h"

#include "app/settings.h"
#include "base/file_names.h"
#include "base/os_path.h"
#include "base/text_utils.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace zam {

namespace {
    bool Writable(const std::string& dir)
    {
        return IsDirectory(dir) && ::access(ToOsPath(dir).c_str(), W_OK) == 0;
    }

    std::string EnsureDirectory(const std::string& dir)
    {
        std::error_code ec;
        std::filesystem::create_directories(ToOsPath(dir), ec);
        return IsDirectory(dir) ? NormalizeDirectory(dir) : std::string();
    }

    std::string Env(const char* name)
    {
        const char* v = std::getenv(name);
        return v != nullptr ? FromOsPath(v) : std::string();
    }

    std::string ExistingOr(const std::string& dir, const std::string& fallback)
    {
        return !dir.empty() && IsDirectory(dir) ? dir : fallback;
    }
}

std::string ResolveStartDirectory(const std::string& homeOption, const std::string& programDirectory)
{
    if (!homeOption.empty())
        return EnsureDirectory(homeOption);
    std::string env = Env("ZAM_HOME");
    if (!env.empty())
        return EnsureDirectory(env);
    if (!programDirectory.empty() && Writable(programDirectory))
        return NormalizeDirectory(programDirectory);
    std::string xdg = Env("XDG_DATA_HOME");
    if (xdg.empty()) {
        std::string home = Env("HOME");
        if (home.empty())
            return {};
        xdg = JoinPath(home, ".local/share");
    }
    return EnsureDirectory(JoinPath(xdg, "zam"));
}

std::string TStartX::WorkFileName(const std::string& extension) const
{
    return JoinPath(startDir, baseName + "." + extension);
}

void TStartX::StartWork(const std::string& startDirectory, const std::string& name)
{
    startDir = NormalizeDirectory(startDirectory);
    if (startDir.empty())
        startDir = startDirectory;
    if (!Trim(name).empty())
        baseName = Trim(name);
    baseTitle = UpperCase(baseName);
    helpFile = JoinPath(startDir, baseName + ".chm");
    settingsFile = JoinPath(startDir, baseName + ".sys");

    auto read = [&](const char* ext) { return Trim(ReadFirstLine(WorkFileName(ext))); };
    std::string pth = read("pth");
    dataDir = ExistingOr(pth.empty() ? JoinPath(startDir, "data") : NormalizeDirectory(pth), startDir);
    std::string cpy = read("cpy");
    copyDir = ExistingOr(cpy.empty() ? JoinPath(startDir, "copy") : NormalizeDirectory(cpy), startDir);
    importDir = read("imp");
    if (importDir.empty())
        importDir = dataDir;
    exportDir = read("exp");
    if (exportDir.empty())
        exportDir = dataDir;
    baseDataChoice = read("fil");
    if (!baseDataChoice.empty() && !FileExists(baseDataChoice))
        baseDataChoice.clear();
    copyFileBase = JoinPath(copyDir, baseName + "copy");

    Settings().LoadSettings(settingsFile);
    Settings().CopyColours();
}

bool TStartX::WriteWorkFile(const std::string& extension, const std::string& value)
{
    return WriteSingleLine(WorkFileName(extension), value);
}

TStartX& StartX()
{
    static TStartX start;
    return start;
}

}
