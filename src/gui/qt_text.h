#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zam {

// Every crossing between the program's Windows-1252 text and Qt goes through
// these two.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

}
