#include "gui/qt_text.h"

#include "base/cp1252.h"

namespace zam {

QString ToQString(std::string_view text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        out.append(QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(c)))));
    return out;
}

std::string FromQString(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text)
        out += CodePointToCp1252(ch.unicode());
    return out;
}

}
