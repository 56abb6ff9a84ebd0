#include "support/temp_dir.h"

#include "base/os_path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zam::test {

TTempDir::TTempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "zamtest-XXXXXX").string();
    char* made = ::mkdtemp(tmpl.data());
    path_ = made != nullptr ? std::string(made) : tmpl;
}

TTempDir::~TTempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadBytes(const std::string& name)
{
    std::ifstream in(ToOsPath(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& name, const std::string& bytes)
{
    std::ofstream out(ToOsPath(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

}

#include <sys/wait.h>
#include <unistd.h>

namespace zam::test {

bool RunUnprivileged(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    pid_t pid = ::fork();
    if (pid == 0) {
        bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}
