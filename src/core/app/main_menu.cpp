#include "app/main_menu.h"

#include <algorithm>
#include <functional>

namespace zam {

namespace {
    using H = TMenuHandler;

    TMenuItem Item(const char* name, const char* caption, int tag, const char* hint, H handler)
    {
        return { name, caption, tag, hint, handler, {} };
    }

    TMenuItem Sub(const char* name, const char* caption, const char* hint, std::vector<TMenuItem> items)
    {
        return { name, caption, 0, hint, H::Submenu, std::move(items) };
    }

    std::vector<TMenuItem> BuildMenu()
    {
        return {
            Sub("MFile", "&Datei", "",
                { Sub("MNeu", "&Neu", " Neue Datei anlegen, Dateneingabe",
                      { Item("MIKFkt", "&Kalibrierfunktionen", 110, " Dateneingabe Kalibrierfunktionen", H::Procedure),
                          Item("MIVHom", "&Varianzenhomogenität", 120, " Dateneingabe Varianzenvergleich", H::Procedure),
                          Item("MIWFF", "&Wiederfindungsfunktion", 130, " Dateneingabe Wiederfindungsexperimente", H::Procedure),
                          Item("MIBWM", "&Blindwertmethode", 140, " Erfassungs-/Nachweisgrenze über Leerwerte ermitteln", H::Procedure),
                          Item("MIStdAdd", "&Standardaddition", 310, " Gehalt einer Probe über Verfahren der Standardaddition ermitteln", H::Procedure),
                          Item("MIAusKal", "&Analyse nach Kalibrierfunktion", 320, " Gehalt von Proben auf der Basis vorh. Kalibrierfunktion ermitteln", H::Procedure),
                          Item("MIMeUnsi", "Mess&unsicherheit", 350, "Neuanlage für Berechnung der Messunsicherheit", H::Procedure),
                          Item("MIGlwertg", "&Gleichwertigkeit", 360, "Neuanlage Vergleich zweier Analyseverfahren", H::Procedure),
                          Item("N15", "-", 0, "", H::Submenu),
                          Item("MIMWK", "&Mittelwertkarte", 1910, " Mittelwertkarte anlegen", H::Chart),
                          Item("MIWfK", "Wieder&findungsratenkarte", 1920, " Wiederfindungsraten-Karte anlegen", H::Chart),
                          Item("MIBlwK", "Blin&dwertkarte", 1930, " Blindwertkarte anlegen", H::Chart),
                          Item("MIRngK", "S&pannweitenkarte", 1940, " Spannweitenkarte anlegen", H::Chart),
                          Item("MIRngKX", "&Erweiterte Spannweitenkarte", 1950, " Erweiterte Spannweitenkarte anlegen", H::Chart) }),
                    Sub("MDInp", "Eingabe &Kontrollkarten", " Fortschreibung Kontrollkarten",
                        { Item("MDMWK", "&Mittelwertkarte", 1810, " Mittelwertkarte führen", H::Chart),
                            Item("MDWffK", "&Wiederfindungsraten-Karte", 1820, " Wiederfindungsraten-Karte führen", H::Chart),
                            Item("MdBlwK", "&Blindwertkarte", 1830, " Blindwertkarte führen", H::Chart),
                            Item("MdRngK", "&Spannweitenkarte", 1840, " Spannweitenkarte führen", H::Chart),
                            Item("MdRngKX", "&Erweiterte Spannweitenkarte", 1850, " Erweiterte Spannweitenkarte führen", H::Chart) }),
                    Sub("MDKorrPa", "Korrektur Kontrollkarten&parameter",
                        "Parameter (Periodenlänge, Kartentyp, ..) einer Kontrollkarte nachträglich ändern",
                        { Item("MDKPMWK", "&Mittelwertkarte", 2010, " Mittelwertkarte: Parameter ändern", H::Chart),
                            Item("MDKPWffK", "&Wiederfindungsraten-Karte", 2020, " Wiederfindungsraten-Karte: Parameter ändern", H::Chart),
                            Item("MDKPBlwK", "&Blindwertkarte", 2030, " Blindwertkarte: Parameter ändern", H::Chart),
                            Item("MDKPRngK", "&Spannweitenkarte", 2040, " Spannweitenkarte: Parameter ändern", H::Chart),
                            Item("MDKPRngKX", "&Erweiterte Spannweitenkarte", 2050, "Erweiterte Spannweitenkarte: Parameter ändern", H::Chart) }),
                    Item("MGlwInp", "Eingabe &Gleichwertigkeit", 365, " Daten für weitere Tests einer Gleichwertigkeitsanalyse eingeben", H::Procedure),
                    Item("N7", "-", 0, "", H::Submenu),
                    Item("MMngBasData", "Basisdaten &verwalten", 0, "Basisdaten anlegen, ändern, löschen|", H::BaseData),
                    Item("MPW", "&Benutzer-Wechsel", 0, " Benutzer-Wechsel, neues Passwort eingeben", H::ChangeUser),
                    Item("MExit", "&Ende", 0, " Programm beenden", H::Exit) }),
            Sub("MVEntw", "&Verfahren", "",
                { Item("MKFunkt", "&Kalibrierfunktionen", 210, " Auswertungen Kalibrierfunktionen", H::Procedure),
                    Item("MVarTest", "&Varianzenhomogenität", 220, " Auswertungen Varianzenvergleiche", H::Procedure),
                    Item("MWdfF", "&Wiederfindungsfunktion", 230, " Auswertungen Wiederfindungsfunktionen", H::Procedure),
                    Item("MBWM", "&Blindwertmethode", 240, " Nachweis- und Erfassungs-Grenze über Leerwerte", H::Procedure) }),
            Sub("MPA", "&Analysen", "",
                { Item("MStdAdd", "&Standardaddition", 410, " Ergebnisse nach Verfahren der Standardaddition", H::Procedure),
                    Item("MAusKal", "&Probenanalyse nach vorh. Kalibrierfunktion", 420, " Ergebnisse bei Verwendung einer vorhandenen Kalibrierfunktion", H::Procedure),
                    Item("MMun", "&Messunsicherheit", 450, "Messunsicherheit aus Unsicherheitskomponenten ermitteln", H::Procedure),
                    Item("MGlw", "&Gleichwertigkeit", 460, "Gleichwertigkeit zweier Analyseverfahren untersuchen", H::Procedure) }),
            Sub("MKKarte", "&Kontrollkarten", "",
                { Item("MMWK", "&Mittelwertkarten", 1710, " Mittelwertkarten anzeigen", H::Chart),
                    Item("MWfK", "&Wiederfindungsraten-Karten", 1720, " Wiederfindungsraten-Karten anzeigen", H::Chart),
                    Item("MBlwK", "&Blindwertkarten", 1730, " Blindwertkarten anzeigen", H::Chart),
                    Item("MRngK", "&Spannweitenkarten", 1740, " Spannweitenkarten anzeigen", H::Chart),
                    Item("MRngKX", "&Erweiterte Spannweitenkarten", 1750, " Erweiterte Spannweitenkarten anzeigen", H::Chart),
                    Item("MRkRep", "Übersichts-&Report Kontrollkarten", 1760, "Übersicht über gespeicherte Kontrollkarten ausgeben", H::ChartReport) }),
            Sub("MOut", "A&usgabe", "",
                { Item("MPrint", "&Drucken", 0, " Tabelle oder Graphik drucken", H::Print),
                    Item("MFF", "&Blattvorschub", 0, " Blattvorschub, Ausgabe Druckerpuffer", H::FormFeed),
                    Item("MDC", "&Speichern", 0, " Kopie auf Platte ausgeben", H::SaveCopy),
                    Item("MSortDays", "&Umsortieren: Dateiname <-> Tage seit letzter AKS", 0, "Wechselweise nach Dateiname, bzw. Tage seit letzter AKS sortieren", H::SortDays),
                    Item("MXPGes", "Gesamte&xport nach Zwischenablage oder Datei", 0, "Alle Ausgabeseiten nach Zwischenablage oder Datei exportieren", H::TotalExport),
                    Item("N14", "-", 0, "", H::Submenu),
                    Item("MACorr", "Daten&korrektur / Dateneingabe", 211, " Daten ändern", H::Correction),
                    Item("MAVlE", "&Vorperiode abschließen", 0, " Vorperiode beenden, Grenzen festschreiben", H::ClosePrePeriod),
                    Item("MACHP", "&Neue Periode auswählen", 0, " Anzuzeigende Periode neu festlegen", H::ChoosePeriod),
                    Item("MACHL", "Kontrollgrenzen über&prüfen", 0, " Kontrollgrenzen überprüfen und evtl. neu bestimmen", H::CheckLimits),
                    Item("MCHStat", "Intervallst&atistik", 0, "", H::IntervalStatistics),
                    Item("N16", "-", 0, "", H::Submenu),
                    Item("MGraf", "&Graphik", 0, " Graphik anfordern", H::Graphic),
                    Item("MEdGrf", "&Editieren Graphik", 0, " Graphik bearbeiten", H::EditGraphic) }),
            Sub("MOption", "&Option", "",
                { Item("MTxtOpt", "&Text/Tabellen", 0, " Farben, Schriften, etc. für Textausgaben", H::TextOptions),
                    Item("MGrfOpt", "&Graphik", 0, " Fraben, Schriften, etc. für Graphiken", H::GraphicsOptions),
                    Item("MPrSetUp", "&Druckereinrichtung", 0, " Druckereinstellungen, Druckerauswahl", H::PrinterSetup) }),
            Sub("MFenster", "&Fenster", "",
                { Item("FUnter", "&Untereinander", 0, "", H::TileHorizontal),
                    Item("MFNeben", "&Nebeneinander", 0, "", H::TileVertical),
                    Item("MFCascade", "Ü&berlappend", 0, "", H::Cascade),
                    Item("MMinall", "&Alle als Symbol", 0, "", H::MinimizeAll),
                    Item("MArrange", "&Symbole anordnen", 0, "", H::ArrangeIcons) }),
            Sub("MHlp", "&Hilfe", "",
                { Item("MHInhalt", "&Inhalt/Suchen", 910, "", H::Help), Item("MHInfo", "&Info", 940, "", H::Help) }),
        };
    }

    const TMenuItem* Find(const std::vector<TMenuItem>& items, const std::string& name)
    {
        for (const auto& i : items) {
            if (i.name == name)
                return &i;
            if (const TMenuItem* f = Find(i.items, name))
                return f;
        }
        return nullptr;
    }
}

const std::vector<TMenuItem>& MainMenu()
{
    static const std::vector<TMenuItem> menu = BuildMenu();
    return menu;
}

const TMenuItem* FindMenuItem(const std::string& name) { return Find(MainMenu(), name); }

std::string HintPopup(const std::string& hint)
{
    std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string HintStatus(const std::string& hint)
{
    std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

TExportCaptions ExportCaptions(int target)
{
    TExportCaptions c;
    switch (target) {
    case 1:
        c = { "Alle Ausgabeseiten nach Zwischenablage exportieren|", "Gesamte&xport nach Zwischenablage", "" };
        break;
    case 2:
        c = { "Alle Ausgabeseiten nach Datei exportieren|", "Gesamte&xport nach Datei", "" };
        break;
    default:
        c = { "Alle Ausgabeseiten nach Zwischenablage oder Datei exportieren|",
            "Gesamte&xport nach Zwischenablage oder Datei", "" };
    }
    c.menuHint = c.buttonHint.substr(0, c.buttonHint.size() - 1);
    return c;
}

bool MenuItemAllowed(const std::string& name, int rights)
{
    if (name == "MMngBasData" || name == "MDKorrPa")
        return rights == 0;
    static const char* const belowTwo[] = { "MTxtOpt", "MGrfOpt", "MIMWK", "MIWfK", "MIBlwK", "MIRngK", "MIRngKX", "N15", "N7" };
    for (const char* n : belowTwo)
        if (name == n)
            return rights < 2;
    return true;
}

TToolLayout ShowButtonsLayout(std::string flags, int code, bool tableActive, bool graphicsActive, int buttonWidth)
{
    TToolLayout t;
    if (flags.size() < 3)
        flags.resize(3, '0');
    int count = static_cast<int>(std::count_if(flags.begin(), flags.end(), [](char c) { return c > '0'; }));
    int w = buttonWidth + 4;
    t.panelWidth = w * (count + 4) + 16;
    int x = w * count + 2;
    std::vector<TToolLayout::TButton> right { { "PrBtn", x }, { "FFBtn", x + w }, { "SavBtn", x + 2 * w } };
    if (code == 1760) {
        t.exportShown = false;
        right.push_back({ "SortDaysBtn", x + 3 * w });
        t.menuItems.emplace_back("MSortDays");
    } else {
        right.push_back({ "XPGesBtn", x + 3 * w });
        t.menuItems.emplace_back("MXPGes");
        t.exportEnabled = tableActive;
    }
    if (code < 199 || (code >= 209 && code <= 219) || (code >= 300 && code <= 999)) {
        t.printEnabled = false;
        t.saveEnabled = false;
    }
    if (graphicsActive)
        t.saveEnabled = false;
    static const char* const buttons[] = { "PltBtn", "EdiBtn", "UBtn", "CorrBtn", "ChStatBtn", "VlEBtn", "ChLBtn",
        "ChPBtn", "PerVBtn", "PerZBtn" };
    static const std::vector<std::vector<const char*>> menus = { { "MGraf", "N16" }, { "MEdGrf", "N16" }, {},
        { "MACorr", "N14" }, { "MCHStat", "N14" }, { "MAVlE", "N14" }, { "MACHL", "N14" }, { "MACHP", "N14" }, {}, {} };
    std::vector<int> order { 3, 1, 2 };
    for (int p = 4; p <= static_cast<int>(flags.size()); ++p)
        order.push_back(p);
    std::vector<TToolLayout::TButton> left;
    for (int p : order) {
        if (p > 10 || flags[static_cast<std::size_t>(p - 1)] <= '0')
            continue;
        x -= w;
        left.push_back({ buttons[p - 1], x });
        for (const char* m : menus[static_cast<std::size_t>(p - 1)])
            if (std::find(t.menuItems.begin(), t.menuItems.end(), m) == t.menuItems.end())
                t.menuItems.emplace_back(m);
        if (p == 4)
            t.correctionTag = flags[3] - '0';
    }
    std::sort(left.begin(), left.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    t.buttons = left;
    t.buttons.insert(t.buttons.end(), right.begin(), right.end());
    return t;
}

}
