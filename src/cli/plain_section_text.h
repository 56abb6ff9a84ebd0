#pragma once

#include <iosfwd>
#include <string>

namespace zam {

class TSList;

// The plain text form of a section file that zam-cli dump writes and pack
// reads: first line the title line, then every section header followed by
// its lines; UTF-8.
void WritePlainSections(const TSList& list, std::ostream& out);
void ReadPlainSections(std::istream& in, TSList& list);

}
