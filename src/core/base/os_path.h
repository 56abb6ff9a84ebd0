#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zam {

// The one crossing of file names between the program (Windows-1252) and the
// operating system (UTF-8 on Linux). Every file operation goes through these.
std::filesystem::path ToOsPath(std::string_view name);
std::string FromOsPath(const std::filesystem::path& path);

}
