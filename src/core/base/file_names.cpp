#include "base/file_names.h"

#include "app/user_dialogs.h"
#include "base/os_path.h"
#include "base/text_file.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace zam {

namespace fs = std::filesystem;

bool FileExists(const std::string& name)
{
    std::error_code ec;
    return !name.empty() && fs::exists(ToOsPath(name), ec);
}

namespace {
    int g_retryMs = 1000;
}

void SetMissingFileRetry(int milliseconds) { g_retryMs = milliseconds; }

bool FileAppears(const std::string& name)
{
    if (name.empty())
        return false;
    if (FileExists(name))
        return true;
    if (g_retryMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(g_retryMs));
    return FileExists(name);
}

bool IsDirectory(const std::string& name)
{
    std::error_code ec;
    return !name.empty() && fs::is_directory(ToOsPath(name), ec);
}

bool DeleteFile(const std::string& name)
{
    std::error_code ec;
    return fs::remove(ToOsPath(name), ec);
}

bool RenameFile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::rename(ToOsPath(from), ToOsPath(to), ec);
    return !ec;
}

std::string FileNamePart(std::string_view name)
{
    std::size_t p = name.rfind(kPathSep);
    return std::string(p == std::string_view::npos ? name : name.substr(p + 1));
}

std::string DirectoryPart(std::string_view name)
{
    std::size_t p = name.rfind(kPathSep);
    if (p == std::string_view::npos)
        return {};
    if (p == 0)
        return "/";
    return std::string(name.substr(0, p));
}

namespace {
    // Position of the first "." in the file-name part, or npos.
    std::size_t FirstDotOfFileName(std::string_view name)
    {
        std::size_t sep = name.rfind(kPathSep);
        std::size_t start = sep == std::string_view::npos ? 0 : sep + 1;
        return name.find('.', start);
    }

    // name up to and including its first ".", the marker, two extension characters.
    std::string DerivedName(std::string_view name, char marker)
    {
        std::size_t dot = FirstDotOfFileName(name);
        if (dot == std::string_view::npos)
            return std::string(name) + "." + marker;
        return std::string(name.substr(0, dot + 1)) + marker + std::string(name.substr(dot + 1, 2));
    }
}

std::string ReplaceExt(std::string_view name, std::optional<std::string_view> extension)
{
    std::size_t sep = name.rfind(kPathSep);
    std::size_t start = sep == std::string_view::npos ? 0 : sep + 1;
    std::size_t dot = name.rfind('.');
    std::string out(dot != std::string_view::npos && dot >= start ? name.substr(0, dot) : name);
    if (extension)
        out += "." + std::string(*extension);
    return out;
}

std::string ExtensionOf(std::string_view name)
{
    std::size_t dot = FirstDotOfFileName(name);
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string JoinPath(std::string_view directory, std::string_view name)
{
    if (directory.empty() || (!name.empty() && name[0] == kPathSep))
        return std::string(name);
    std::string out(directory);
    if (out.back() != kPathSep)
        out += kPathSep;
    return out + std::string(name);
}

bool DirectoryUsable(const std::string& directory)
{
    return directory.empty() || IsDirectory(directory);
}

std::string NormalizeDirectory(std::string_view text)
{
    std::string d(text);
    while (d.size() > 1 && d.back() == kPathSep)
        d.pop_back();
    if (d.empty() || !IsDirectory(d))
        return {};
    return d;
}

bool CreateEmptyFile(const std::string& name)
{
    if (name.empty())
        return false;
    std::string os = ToOsPath(name).string();
    if (FileExists(name))
        ::unlink(os.c_str());
    int fd = ::open(os.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool CanCreateFile(const std::string& name)
{
    if (FileExists(name))
        return true;
    if (!CreateEmptyFile(name))
        return false;
    DeleteFile(name);
    return true;
}

std::string ShortenPath(std::string_view name, int width)
{
    std::string tail = "/" + FileNamePart(name);
    std::size_t sep = name.rfind(kPathSep);
    std::string dir(sep == std::string_view::npos ? std::string_view() : name.substr(0, sep));
    if (width < static_cast<int>(tail.size()) + 2)
        width = static_cast<int>(tail.size()) + 2;
    if (width < 28)
        width = 28;
    if (static_cast<int>(name.size()) <= width || dir.find(kPathSep) == std::string::npos)
        return std::string(name);
    std::size_t first = dir.find(kPathSep);
    std::string head = dir.substr(0, first + 1);
    std::string middle = dir.substr(first + 1);
    bool front = true;
    while (true) {
        std::string piece;
        if (front) {
            std::size_t p = middle.find(kPathSep);
            piece = p == std::string::npos ? middle : middle.substr(0, p + 1);
            middle.erase(0, piece.size());
        } else {
            std::size_t p = middle.rfind(kPathSep);
            piece = p == std::string::npos ? middle : middle.substr(p);
            middle.erase(middle.size() - piece.size());
        }
        if (static_cast<int>(head.size() + tail.size() + piece.size()) + 3 >= width)
            return head + "..." + tail;
        if (front)
            head += piece;
        else
            tail = piece + tail;
        if (middle.empty())
            return head + tail;
        front = !front;
    }
}

std::string LockFileName(std::string_view name) { return DerivedName(name, '\xA7'); }

std::string BackupFileName(std::string_view name) { return DerivedName(name, '_'); }

bool CopyFile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::copy_file(ToOsPath(from), ToOsPath(to), fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool MakeBackupCopy(const std::string& name)
{
    if (!FileExists(name) || IsDirectory(name))
        return false;
    std::string backup = BackupFileName(name);
    DeleteFile(backup);
    return CopyFile(name, backup);
}

std::string ReadFirstLine(const std::string& name)
{
    if (!FileExists(name) || IsDirectory(name))
        return {};
    std::ifstream in(ToOsPath(name), std::ios::binary);
    std::string line;
    char c;
    while (in.get(c) && c != '\r' && c != '\n')
        line += c;
    return line;
}

std::string TempFileFor(std::string_view target)
{
    static std::atomic<int> counter { 0 };
    std::string dir = DirectoryPart(target);
    std::string tmp = "." + FileNamePart(target) + ".tmp" + std::to_string(::getpid()) + "_"
        + std::to_string(counter.fetch_add(1));
    return dir.empty() ? tmp : JoinPath(dir, tmp);
}

bool CommitTempFile(const std::string& temp, const std::string& target)
{
    if (IsDirectory(target) || !RenameFile(temp, target)) {
        DeleteFile(temp);
        SetDialogPosition(4);
        ShowError(target + ": Schreibfehler!");
        return false;
    }
    return true;
}

bool WriteTextLines(const std::string& name, const std::vector<std::string>& lines)
{
    std::string temp = TempFileFor(name);
    {
        TTxtWFile f(temp);
        f.SetDisplayName(name);
        if (!f.Open(kShareAll)) {
            DeleteFile(temp);
            return false;
        }
        for (const auto& line : lines)
            f.WriteLine(line);
        f.Finish();
        if (f.ErrorFlag()) {
            DeleteFile(temp);
            return false;
        }
    }
    return CommitTempFile(temp, name);
}

bool WriteSingleLine(const std::string& name, const std::string& text) { return WriteTextLines(name, { text }); }

}
