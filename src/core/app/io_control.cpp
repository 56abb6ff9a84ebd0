#include "app/io_control.h"

#include "base/number_text.h"
#include "base/text_utils.h"

#include <array>

namespace zam {

namespace {
    const std::array<const char*, kIoControlLines> kDefaults = {
        "A1    A2    A4    A5    B4    B5    A6    B6",
        "A1    A7    K7    A22   A25",
        "A1    A2    A4    A5    B4    B5    A7    B7    A9    B9",
        "A1    H7    A7",
        "A1    A2    A4    A5    B4    B5    B7    A7",
        "A1    A7    H7    A20",
        "A1    A2    A4    B4    A5    B5    A7",
        "A1    F7    F11   F17   A7",
        "A1    A2    A4    A5    B4    B5    A6    B6",
        "A1    A7    A20",
        "A1    A2    A4    A5    B4    B5    A6",
        "A1    A8",
        "A1    A2    A4    A5    B4    B5    A8",
        "A1    A8",
        "A4    A4    B4    C4    D4",
        "A1    A9    B     C     D     E     F     G     H     J     R     X",
        "A1    A2    A3    C2    C3    C4    C5    D2    D3    D4    D5    A8    B8    A1    B1    A4    B4    A1    B1    A4",
        "A1    A10   A     A     J           5",
    };

    bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
    bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}

std::string DefaultIoControl(int n) { return n >= 0 && n < kIoControlLines ? kDefaults[static_cast<std::size_t>(n)] : ""; }

std::string IoField(std::string_view line, int k)
{
    if (k < 1)
        return {};
    auto start = static_cast<std::size_t>((k - 1) * kIoFieldWidth);
    if (start >= line.size())
        return {};
    return Trim(line.substr(start, kIoFieldWidth));
}

std::vector<std::string> IoFields(std::string_view line)
{
    std::vector<std::string> fields;
    for (int k = 1; static_cast<std::size_t>((k - 1) * kIoFieldWidth) < line.size(); ++k)
        fields.push_back(IoField(line, k));
    return fields;
}

std::string SetIoField(std::string_view line, int k, std::string_view value)
{
    if (k < 1)
        return TrimRight(line);
    std::string padded = PadRight(value, kIoFieldWidth);
    return TrimRight(OverwriteAt(line, padded, (k - 1) * kIoFieldWidth + 1));
}

bool NormalizeIoEntry(TIoFieldKind kind, std::string_view typed, std::string& stored)
{
    std::string t;
    if (kind == TIoFieldKind::Mark) {
        stored = Trim(typed).substr(0, kIoFieldWidth);
        return true;
    }
    for (char c : typed)
        if (c != ' ')
            t += c;
    t = UpperCase(t);
    switch (kind) {
    case TIoFieldKind::Cell: {
        if (t.empty()) {
            stored.clear();
            return true;
        }
        std::size_t firstDigit = t.find_first_of("0123456789");
        if (firstDigit != 1 && firstDigit != 2)
            return false;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (i < firstDigit ? !IsLetter(t[i]) : !IsDigit(t[i]))
                return false;
        }
        if (t.size() - firstDigit > 6 || ParseInteger(t.substr(firstDigit)) < 1)
            return false;
        stored = t;
        return true;
    }
    case TIoFieldKind::Column:
    case TIoFieldKind::OptionalColumn:
        if (t.empty() && kind == TIoFieldKind::OptionalColumn) {
            stored.clear();
            return true;
        }
        if (t.empty() || t.size() > 2 || !IsLetter(t[0]) || (t.size() == 2 && !IsLetter(t[1])))
            return false;
        stored = t;
        return true;
    case TIoFieldKind::FreeRows: {
        int v = 0;
        if (!ParsePlainInteger(t, v) || v < 1 || v > 50)
            return false;
        stored = t;
        return true;
    }
    default:
        return false;
    }
}

std::string IoEntryError(std::string_view label)
{
    return std::string(label) + "\rUnzulässige Zellen-Nummer, bzw. unzulässiger Eintrag";
}

const std::vector<TIoProcedure>& IoProcedures()
{
    static const std::vector<TIoProcedure> procedures = {
        { "TKalCEDlg", "Steuerinformationen für Gesamt-Import/-Export Kalibrierung", 32100, 0 },
        { "TVHoCEDlg", "Steuerangaben für Gesamt-Import/-Export Varianzenhomogenität", 32200, 2 },
        { "TWfFCEDlg", "Steuerinformationen für Gesamt-Import/-Export Wiederfindungsfunktion", 32300, 4 },
        { "TBlwCEDlg", "Steuerinformationen für Gesamt-Import/-Export Blindwertmethode", 32400, 6 },
        { "TSAdCEDlg", "Steuerinformationen für Gesamt-Import/-Export Standardaddition", 32500, 8 },
        { "TPaKCEDlg", "Steuerinformationen für Gesamt-Import/-Export Probenanalyse", 32600, 10 },
        { "TMUnCEDlg", "Steuerinformationen für Gesamt-Import/-Export Messunsicherheit", 32700, 12 },
        { "TChartCEDlg", "Steuerinformationen für Gesamt-Import/-Export Kontrollkarten", 32900, 14 },
        { "TGlwCEDlg", "Steuerinformationen für Gesamt-Import/-Export Gleichwertigkeitsanalysen", 32800, 16 },
    };
    return procedures;
}

}
