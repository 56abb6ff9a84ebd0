#include "cli/plain_section_text.h"

#include "base/cp1252.h"
#include "base/section_file.h"

#include <istream>
#include <ostream>

namespace zam {

void WritePlainSections(const TSList& list, std::ostream& out)
{
    out << Cp1252ToUtf8(list.Title()) << '\n';
    for (int i = 1; i <= list.SectionCount(); ++i) {
        out << Cp1252ToUtf8(list.SectionName(i)) << '\n';
        for (const std::string& line : list.Lines(i))
            out << Cp1252ToUtf8(line) << '\n';
    }
}

void ReadPlainSections(std::istream& in, TSList& list)
{
    list.Clear();
    std::string raw;
    bool first = true;
    int current = 0;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        std::string line = Utf8ToCp1252(raw);
        if (first) {
            list.SetTitle(line);
            first = false;
        } else if (IsSectionHeader(line)) {
            current = list.AppendSection(line);
        } else if (current != 0) {
            list.AddLine(current, line);
        } else {
            list.SetTitle(line);
        }
    }
}

}
