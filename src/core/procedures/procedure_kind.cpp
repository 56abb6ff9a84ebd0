#include "procedures/procedure_kind.h"

#include "app/user_dialogs.h"
#include "base/file_names.h"
#include "base/section_file.h"

#include <array>

namespace zam {

namespace {
    constexpr std::string_view kExtensions = ".klb;.vho;.wff;.blw;.sad;.pak;.mwk;.wdk;.bwk;.spk;.swk;.mun;.glw;.tab;.dat;";

    constexpr std::array<const char*, 16> kNames = {
        "",
        "Kalibrierung",
        "Var.-Homogenität",
        "Wiederfindungsfkt.",
        "Blindwert-Meth.",
        "Standardadd.",
        "Probenauswertung",
        "Mittelw.-Karte",
        "Wiederfindungs-Karte",
        "Blindwert-Karte",
        "Spannweiten-Karte",
        "Erweiterte Spannw.-Karte",
        "Messunsicherheit",
        "Gleichwertigkeit",
        "Tabelle",
        "ZAM-Basisdaten",
    };

    // The first occurrence must start an entry of the list, as a position test
    // in the list would find it.
    int LookUp(std::string_view ext)
    {
        if (ext.size() < 2 || ext.find(';') != std::string_view::npos)
            return 0;
        std::size_t p = kExtensions.find(ext);
        if (p == std::string_view::npos || p % 5 != 0)
            return 0;
        return static_cast<int>(p / 5) + 1;
    }
}

int ProcedureKind(std::string_view extension)
{
    int kind = LookUp(extension);
    if (kind == 0 && extension.size() >= 4)
        kind = LookUp("." + std::string(extension.substr(2, 2)));
    return kind;
}

int ProcedureKindOfFile(std::string_view fileName) { return ProcedureKind(ExtensionOf(fileName)); }

std::string KindName(int kind)
{
    if (kind < 1 || kind > 15)
        return {};
    return kNames[static_cast<std::size_t>(kind)];
}

std::string KindExtension(int kind)
{
    if (kind < 1 || kind > 15)
        return {};
    return std::string(kExtensions.substr(static_cast<std::size_t>(kind - 1) * 5, 4));
}

bool IsZamDataFile(const TSList& list, const std::string& fileName)
{
    if (list.SectionCount() > 1)
        return true;
    ShowError("Datei " + fileName + " ist keine ZAM-Datei!");
    return false;
}

}
