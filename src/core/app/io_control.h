#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zam {

// The control lines of the total import and export: fields of six
// characters, field k at characters 6k-5..6k. Two lines a procedure, input
// then output, in [IO-CTRL] of the base data file.

inline constexpr int kIoFieldWidth = 6;
inline constexpr int kIoControlLines = 18;

// The built-in line n (0..17); empty for other n.
std::string DefaultIoControl(int n);

// Field k (from 1) of a line, trimmed.
std::string IoField(std::string_view line, int k);
std::vector<std::string> IoFields(std::string_view line);
// The value padded or cut to six characters at field k; the line is padded
// as needed and its trailing blanks removed.
std::string SetIoField(std::string_view line, int k, std::string_view value);

// Kinds of fields and how a typed entry is checked and stored.
enum class TIoFieldKind {
    Cell, // "A5", "AB12": letters and a row above 0
    Column, // "A", "AB"
    OptionalColumn, // a column or empty
    FreeRows, // 1..50
    Mark, // up to six characters as typed
};

// The stored value of a typed entry, or false when it is refused. An empty
// cell entry is accepted (the information is not given).
bool NormalizeIoEntry(TIoFieldKind kind, std::string_view typed, std::string& stored);

// "Unzulässige Zellen-Nummer, bzw. unzulässiger Eintrag" under the field's label.
std::string IoEntryError(std::string_view label);

// The lines of the procedures in [IO-CTRL].
struct TIoProcedure {
    const char* dialogClass;
    const char* caption;
    int helpContext;
    int inputLine;
};
const std::vector<TIoProcedure>& IoProcedures();

}
