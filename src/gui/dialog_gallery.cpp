#include "gui/dialog_gallery.h"

#include "app/base_data.h"
#include "app/help_topics.h"
#include "gui/procedures/calibration_dialog.h"
#include "app/user_dialogs.h"
#include "gui/dialogs/login_dialog.h"

namespace zam {

const char* DialogSampleNames() { return "message question file datafile save option list action text presets calibration login about help"; }

bool ShowDialogSample(const std::string& name)
{
    if (name == "message") {
        ShowError("Datei /daten/probe.klb ist keine ZAM-Datei!");
    } else if (name == "question") {
        AskOverwrite("/daten/Kalibrierung Blei.klb");
    } else if (name == "file") {
        ChooseFile("Kalibrierdaten auswählen", ".", "", "RCE", "Kalibrierung (*.klb)|*.klb");
    } else if (name == "datafile") {
        ChooseDataFile("Kalibrierdaten auswählen", ".", "*.klb", "Kalibrierung (*.klb)|*.klb", 700);
    } else if (name == "save") {
        ChooseFile("Export-Datei(*.csv oder *.dif) auswählen", ".", "", "AC", "csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif");
    } else if (name == "option") {
        ChooseOption("Gesamt-Ergebnisexport", "Ziel für Export auswählen",
            std::string_view("nach Zwischenablage^in csv-/dif-Datei"), 700, 0);
    } else if (name == "list") {
        ChooseFromList("Einheit ergänzen/ändern", "Neue Einheit auswählen:", { "g/kg", "mg/kg", "mg/l", "µg/l", "ng/l" },
            0, 2, true);
    } else if (name == "action") {
        ChooseAction("Startverzeichnisse auswählen", "Startverzeichnis für",
            { "Auswahl von Dateien", "Datenimport", "Ergebnisexport", "Festplattenkopien (Tabellen, Graphiken)" }, 30500,
            0);
    } else if (name == "text") {
        std::string text = "Blei";
        EditText("Parameter", "Neuer Name des Parameters:", "Name :", 0, 40, text);
    } else if (name == "presets") {
        auto presets = BaseData().Presets;
        EditPresets(presets, "010203040506070891", "Parametereinstellungen editieren");
    } else if (name == "calibration") {
        std::string file;
        RunCalibrationEntry(file);
    } else if (name == "login") {
        Login();
    } else if (name == "about") {
        ShowAbout();
    } else if (name == "help") {
        ShowHelp(2110);
    } else {
        return false;
    }
    return true;
}

}
