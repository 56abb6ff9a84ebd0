#include "base/os_path.h"

#include "base/cp1252.h"

namespace zam {

std::filesystem::path ToOsPath(std::string_view name)
{
    return std::filesystem::path(Cp1252ToUtf8(name));
}

std::string FromOsPath(const std::filesystem::path& path)
{
    return Utf8ToCp1252(path.string());
}

}
