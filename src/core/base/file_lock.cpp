#include "base/file_lock.h"

#include "base/dates.h"
#include "base/file_names.h"
#include "base/os_path.h"
#include "base/text_utils.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zam {

namespace {
    std::string g_user;

    std::string UserName()
    {
        if (!g_user.empty())
            return g_user;
        const char* u = std::getenv("USER");
        return u != nullptr ? std::string(u) : std::string("?");
    }

    std::string HostName()
    {
        char buf[256] = {};
        if (::gethostname(buf, sizeof buf - 1) != 0)
            return "localhost";
        return buf;
    }

    bool ProcessAlive(long pid)
    {
        if (pid <= 0)
            return false;
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    }

    enum class TLockState { Free, Ours, Other, Stale };

    // A lock file that cannot be read as ours or another's is stale once it is
    // older than a few seconds (a holder may be writing it just now).
    bool OldEnough(const std::string& lock)
    {
        struct stat st { };
        std::string os = ToOsPath(lock).string();
        if (::stat(os.c_str(), &st) != 0)
            return true;
        return ::time(nullptr) - st.st_mtime > 10;
    }

    TLockState LockState(const std::string& lock, TLockHolder* holder)
    {
        if (!FileExists(lock))
            return TLockState::Free;
        std::ifstream in(ToOsPath(lock), std::ios::binary);
        std::string line;
        std::getline(in, line);
        auto fields = SplitFields(line, '|', 4);
        TLockHolder h { fields[0], fields[1], std::atol(fields[2].c_str()), fields[3] };
        if (holder != nullptr)
            *holder = h;
        if (h.pid <= 0 || h.host.empty())
            return OldEnough(lock) ? TLockState::Stale : TLockState::Other;
        if (h.host == HostName()) {
            if (h.pid == static_cast<long>(::getpid()))
                return TLockState::Ours;
            if (!ProcessAlive(h.pid))
                return TLockState::Stale;
        }
        return TLockState::Other;
    }
}

void SetLockUserName(const std::string& name) { g_user = name; }

bool IsLockedByOther(const std::string& dataFile, TLockHolder* holder)
{
    return LockState(LockFileName(dataFile), holder) == TLockState::Other;
}

bool TakeLock(const std::string& dataFile)
{
    std::string lock = LockFileName(dataFile);
    std::string os = ToOsPath(lock).string();
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(os.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            std::string line = UserName() + "|" + HostName() + "|" + std::to_string(::getpid()) + "|" + NowText()
                + "\n";
            bool ok = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
            ::close(fd);
            if (!ok)
                ::unlink(os.c_str());
            return true;
        }
        if (errno != EEXIST)
            return true;
        switch (LockState(lock, nullptr)) {
        case TLockState::Ours:
            return true;
        case TLockState::Other:
            return false;
        case TLockState::Stale:
        case TLockState::Free:
            ::unlink(os.c_str());
            break;
        }
    }
    return false;
}

void ReleaseLock(const std::string& dataFile)
{
    std::string lock = LockFileName(dataFile);
    TLockState state = LockState(lock, nullptr);
    if (state == TLockState::Ours || state == TLockState::Stale)
        DeleteFile(lock);
}

}
