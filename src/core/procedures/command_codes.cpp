#include "procedures/command_codes.h"

#include <array>

namespace zam {

int CommandGroup(int code) { return code / 100; }
int CommandProcedure(int code) { return code / 10 % 10; }
bool IsCorrectionCode(int code) { return code % 10 == 1; }
int CorrectionCode(int displayedCode) { return displayedCode / 10 * 10 + 1; }

namespace {
    using W = TWorkflow;
    constexpr std::array<TProcedureCommand, 33> kCommands = { {
        { 110, "&Kalibrierfunktionen", W::Entry, "TKalCalc", "", "", "calibration" },
        { 111, "&Kalibrierfunktionen", W::Entry, "TKalCalc", "", "", "calibration" },
        { 211, "&Kalibrierfunktionen", W::Entry, "TKalCalc", "", "", "calibration" },
        { 210, "&Kalibrierfunktionen", W::Select, "TKalCalc", "*.klb", "Kalibrierdaten auswählen", "" },
        { 120, "&Varianzenhomogenität", W::Entry, "TVHoCalc", "", "", "variance_homogeneity" },
        { 121, "&Varianzenhomogenität", W::Entry, "TVHoCalc", "", "", "variance_homogeneity" },
        { 221, "&Varianzenhomogenität", W::Entry, "TVHoCalc", "", "", "variance_homogeneity" },
        { 220, "&Varianzenhomogenität", W::Select, "TVHoCalc", "*.vho", "Varianzen-Vergleich", "" },
        { 130, "&Wiederfindungsfunktion", W::Entry, "TWfFCalc", "", "", "recovery_function" },
        { 131, "&Wiederfindungsfunktion", W::Entry, "TWfFCalc", "", "", "recovery_function" },
        { 231, "&Wiederfindungsfunktion", W::Entry, "TWfFCalc", "", "", "recovery_function" },
        { 230, "&Wiederfindungsfunktion", W::Select, "TWfFCalc", "*.wff", "Wiederfingungsfunktion wählen", "" },
        { 140, "&Blindwertmethode", W::Entry, "TBlWCalc", "", "", "blank_value" },
        { 141, "&Blindwertmethode", W::Entry, "TBlWCalc", "", "", "blank_value" },
        { 241, "&Blindwertmethode", W::Entry, "TBlWCalc", "", "", "blank_value" },
        { 240, "&Blindwertmethode", W::Select, "TBlWCalc", "*.blw", "Blindwert-Datei wählen", "" },
        { 310, "&Standardaddition", W::Entry, "TSAdCalc", "", "", "standard_addition" },
        { 311, "&Standardaddition", W::Entry, "TSAdCalc", "", "", "standard_addition" },
        { 411, "&Standardaddition", W::Entry, "TSAdCalc", "", "", "standard_addition" },
        { 410, "&Standardaddition", W::Select, "TSAdCalc", "*.sad", "Datei Standardaddition wählen", "" },
        { 320, "&Analyse nach Kalibrierfunktion", W::Entry, "TPaKCalc", "", "", "sample_analysis" },
        { 321, "&Analyse nach Kalibrierfunktion", W::Entry, "TPaKCalc", "", "", "sample_analysis" },
        { 421, "&Analyse nach Kalibrierfunktion", W::Entry, "TPaKCalc", "", "", "sample_analysis" },
        { 420, "&Probenanalyse nach vorh. Kalibrierfunktion", W::Select, "TPaKCalc", "*.pak",
            "Auswertungsdatei auswählen", "" },
        { 350, "Mess&unsicherheit", W::Entry, "TMeUCalc", "", "", "uncertainty" },
        { 351, "Mess&unsicherheit", W::Entry, "TMeUCalc", "", "", "uncertainty" },
        { 451, "Mess&unsicherheit", W::Entry, "TMeUCalc", "", "", "uncertainty" },
        { 450, "&Messunsicherheit", W::Select, "TMeUCalc", "*.mun", "Messunsicherheitsdaten auswählen", "" },
        { 360, "&Gleichwertigkeit", W::Entry, "TGlwCalc", "", "", "equivalence" },
        { 361, "&Gleichwertigkeit", W::Entry, "TGlwCalc", "", "", "equivalence" },
        { 461, "&Gleichwertigkeit", W::Entry, "TGlwCalc", "", "", "equivalence" },
        { 365, "Eingabe &Gleichwertigkeit", W::SelectThenEntry, "TGlwCalc", "*.glw",
            "Datei Gleichwertigkeit auswählen", "equivalence" },
        { 460, "&Gleichwertigkeit", W::Select, "TGlwCalc", "*.glw", "Datei Gleichwertigkeit auswählen", "" },
    } };
}

std::span<const TProcedureCommand> ProcedureCommands()
{
    return kCommands;
}

const TProcedureCommand* FindProcedureCommand(int code)
{
    for (const auto& c : ProcedureCommands()) {
        if (c.code == code)
            return &c;
    }
    return nullptr;
}

}
