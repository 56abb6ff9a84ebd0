#include "cli/cli.h"

#include "app/console_dialogs.h"
#include "base/cp1252.h"
#include "base/file_names.h"
#include "base/os_path.h"
#include "base/section_file.h"
#include "base/text_utils.h"
#include "cli/plain_section_text.h"
#include "app/base_data.h"
#include "app/start_directory.h"
#include "base/number_text.h"
#include "output/calibration_plot.h"
#include "output/exchange_table.h"
#include "gui/paged_printer.h"
#include "gui/plot_output.h"
#include "output/page_text.h"
#include "output/result_tables.h"
#include "procedures/evaluation.h"
#include "procedures/procedure_dispatch.h"
#include "procedures/procedure_kind.h"

#include <cstdlib>

#include <fstream>
#include <ostream>

namespace zam {

namespace {

    const char* const kUsage = R"(zam-cli - ZAM ohne Fenster

Aufruf: zam-cli [--home VERZEICHNIS] BEFEHL ...

--home gibt das Startverzeichnis an (Basisdaten, Voreinstellungen);
ohne die Angabe gilt $ZAM_HOME.

Befehle:
  dump DATEI          Titelzeile und alle Abschnitte einer Datei als Klartext
  pack KLARTEXT DATEI Klartext (wie von dump) als ZAM-Datei speichern
  kind DATEI          Dateiart (Nummer und Name)
  evaluate DATEI      Datei neu auswerten (Ergebnisse werden gespeichert,
                      vorher Sicherungskopie) und Ergebnisseiten ausgeben
  show DATEI          gespeicherte Ergebnisseiten ausgeben
  export DATEI ZIEL   Gesamt-Export in ZIEL (.csv oder .dif)
  print DATEI ZIEL.pdf [--graphic]
                      Ergebnisseiten (und die Graphik) als PDF, wie gedruckt
  plot DATEI ZIEL [--view N] [--size BxH]
                      Graphik einer Kalibrierung als .png, .svg oder .pdf
                      (Darstellung N, 1 = Kalibriergerade; Größe in Pixeln,
                      1000x700)
  --help              diese Übersicht
  --version           Programmversion

Exit-Codes: 0 erfolgreich, 1 fehlgeschlagen, 2 falscher Aufruf,
3 Datei fehlt oder ist nicht lesbar, 4 keine ZAM-Datei.
)";

    // Installs console dialogs on err for one run and restores what was there.
    class TCliDialogs {
    public:
        explicit TCliDialogs(std::ostream& err)
            : console_(err)
            , previous_(&UserDialogs())
        {
            SetUserDialogs(&console_);
        }
        ~TCliDialogs() { SetUserDialogs(previous_); }
        TCliDialogs(const TCliDialogs&) = delete;
        TCliDialogs& operator=(const TCliDialogs&) = delete;

    private:
        TConsoleDialogs console_;
        TUserDialogs* previous_;
    };

    struct TCliContext {
        std::vector<std::string> args; // after the command word, Windows-1252
        std::string home;
        std::ostream& out;
        std::ostream& err;
    };

    int Usage(std::ostream& err, const std::string& problem)
    {
        err << Cp1252ToUtf8(problem) << "\n\n" << Cp1252ToUtf8(kUsage);
        return kExitUsage;
    }

    // Loads a data file for reading; the exit code says why not.
    int LoadDataFile(const std::string& name, TSList& list, std::ostream& err)
    {
        if (!FileExists(name) || IsDirectory(name)) {
            err << Cp1252ToUtf8("Datei nicht gefunden: " + name) << '\n';
            return kExitFileMissing;
        }
        TSList::SetMissingFileRetry(0);
        if (!list.LoadFile(name, kOpenShared))
            return kExitFileMissing;
        if (!IsZamDataFile(list, name))
            return kExitNotDataFile;
        return kExitOk;
    }

    int Dump(TCliContext& c)
    {
        if (c.args.size() != 1)
            return Usage(c.err, "dump erwartet genau eine Datei.");
        TSList list;
        int rc = LoadDataFile(c.args[0], list, c.err);
        if (rc != kExitOk)
            return rc;
        WritePlainSections(list, c.out);
        return kExitOk;
    }

    int Pack(TCliContext& c)
    {
        if (c.args.size() != 2)
            return Usage(c.err, "pack erwartet eine Klartext-Datei und eine Zieldatei.");
        std::ifstream in(ToOsPath(c.args[0]), std::ios::binary);
        if (!in || IsDirectory(c.args[0])) {
            c.err << Cp1252ToUtf8("Datei nicht gefunden: " + c.args[0]) << '\n';
            return kExitFileMissing;
        }
        TSList list;
        ReadPlainSections(in, list);
        return list.SaveFile(c.args[1], kOpenExclusive) ? kExitOk : kExitFailed;
    }

    // Start directory, settings and base data for the commands that evaluate.
    void StartHome(const std::string& home)
    {
        std::string dir = home;
        if (dir.empty()) {
            const char* env = std::getenv("ZAM_HOME");
            dir = env != nullptr ? Utf8ToCp1252(env) : std::string();
        }
        if (dir.empty() || !IsDirectory(dir)) {
            BaseData() = TBaseData();
            return;
        }
        StartX().StartWork(dir);
        BaseData().BaseDataStart(StartX().startDir, false);
    }

    void PrintPages(std::ostream& out)
    {
        const TTMng& m = TableManager();
        for (int i = 1; i <= m.VisiblePageCount(); ++i) {
            TPlainTextDisplay page;
            if (!m.ShowTable(i, page))
                continue;
            if (i > 1)
                out << '\n';
            out << Cp1252ToUtf8("=== Seite " + std::to_string(i) + ": " + ParsePageEntry(m.PageEntry(i)).caption + " ===")
                << '\n';
            for (const auto& line : page.lines)
                out << Cp1252ToUtf8(line) << '\n';
        }
    }

    int ShowOrEvaluate(TCliContext& c, bool compute)
    {
        if (c.args.size() != 1)
            return Usage(c.err, std::string(compute ? "evaluate" : "show") + " erwartet genau eine Datei.");
        StartHome(c.home);
        const std::string& file = c.args[0];
        TSList list;
        int rc = LoadDataFile(file, list, c.err);
        if (rc != kExitOk)
            return rc;
        auto evaluation = CreateEvaluation(ProcedureKindOfFile(file));
        if (!evaluation) {
            c.err << Cp1252ToUtf8("Auswertung für \"" + KindName(ProcedureKindOfFile(file))
                         + "\" ist in zam-cli noch nicht verfügbar.")
                  << '\n';
            return kExitFailed;
        }
        evaluation->Bind(list, file);
        if (compute) {
            if (!MakeBackupCopy(file) || !evaluation->Compute())
                return kExitFailed;
        }
        evaluation->Output(TableManager());
        PrintPages(c.out);
        return kExitOk;
    }

    int Export(TCliContext& c)
    {
        if (c.args.size() != 2)
            return Usage(c.err, "export erwartet eine Datei und eine Zieldatei (.csv oder .dif).");
        std::string target = LowerCase(FileNamePart(c.args[1]));
        if (!target.ends_with(".csv") && !target.ends_with(".dif"))
            return Usage(c.err, "Die Zieldatei muss auf .csv oder .dif enden.");
        StartHome(c.home);
        if (!FileExists(c.args[0])) {
            c.err << Cp1252ToUtf8("Datei nicht gefunden: " + c.args[0]) << '\n';
            return kExitFileMissing;
        }
        TSList::SetMissingFileRetry(0);
        TXTab table;
        if (!TInProcX::BuildTotalExport(c.args[0], table))
            return kExitNotDataFile;
        return table.SaveFile(c.args[1], BaseData().csvSeparator, true) ? kExitOk : kExitFailed;
    }

    int Plot(TCliContext& c)
    {
        std::vector<std::string> files;
        int view = 1;
        int width = 1000;
        int height = 700;
        for (std::size_t i = 0; i < c.args.size(); ++i) {
            if (c.args[i] == "--view" && i + 1 < c.args.size()) {
                view = ParseInteger(c.args[++i]);
            } else if (c.args[i] == "--size" && i + 1 < c.args.size()) {
                std::string size = c.args[++i];
                std::size_t xPos = size.find('x');
                width = ParseInteger(size.substr(0, xPos));
                height = xPos == std::string::npos ? 0 : ParseInteger(size.substr(xPos + 1));
            } else {
                files.push_back(c.args[i]);
            }
        }
        std::string target = files.size() == 2 ? LowerCase(files[1]) : std::string();
        bool known = target.ends_with(".svg") || target.ends_with(".png") || target.ends_with(".pdf");
        if (files.size() != 2 || !known || width < 100 || height < 100 || width > 10000
            || height > 10000)
            return Usage(c.err, "plot erwartet eine Datei, eine Zieldatei (.png, .svg, .pdf) und gültige Optionen.");
        StartHome(c.home);
        TSList list;
        int rc = LoadDataFile(files[0], list, c.err);
        if (rc != kExitOk)
            return rc;
        if (ProcedureKindOfFile(files[0]) != kKindCalibration) {
            c.err << Cp1252ToUtf8("Graphiken gibt es in zam-cli bisher nur für Kalibrierungen.") << '\n';
            return kExitFailed;
        }
        bool offered = false;
        for (const auto& [number, name] : CalibrationViews(1, BaseData().PresetOption(kPresetLinearOnly)))
            offered = offered || number == view;
        if (!offered)
            return Usage(c.err, "Unbekannte Darstellung: " + std::to_string(view));
        TPic pic;
        if (!FillCalibrationPlot(view, files[0], pic, 100)) {
            c.err << Cp1252ToUtf8("Zu wenige Punkte für eine Graphik.") << '\n';
            return kExitFailed;
        }
        return SavePicture(pic, files[1], width, height, false) ? kExitOk : kExitFailed;
    }

    int Print(TCliContext& c)
    {
        bool graphic = false;
        std::vector<std::string> files;
        for (const auto& a : c.args) {
            if (a == "--graphic")
                graphic = true;
            else
                files.push_back(a);
        }
        if (files.size() != 2 || !LowerCase(files[1]).ends_with(".pdf"))
            return Usage(c.err, "print erwartet eine Datei und eine Zieldatei .pdf.");
        StartHome(c.home);
        TSList list;
        int rc = LoadDataFile(files[0], list, c.err);
        if (rc != kExitOk)
            return rc;
        auto evaluation = CreateEvaluation(ProcedureKindOfFile(files[0]));
        if (!evaluation) {
            c.err << Cp1252ToUtf8("Ausgabe für diese Dateiart ist in zam-cli noch nicht verfügbar.") << '\n';
            return kExitFailed;
        }
        evaluation->Bind(list, files[0]);
        evaluation->Output(TableManager());
        if (graphic && !FillCalibrationPlot(1, files[0], Picture(), 100))
            graphic = false;
        return PrintPagesToPdf(files[1], graphic) ? kExitOk : kExitFailed;
    }

    int Kind(TCliContext& c)
    {
        if (c.args.size() != 1)
            return Usage(c.err, "kind erwartet genau eine Datei.");
        if (!FileExists(c.args[0])) {
            c.err << Cp1252ToUtf8("Datei nicht gefunden: " + c.args[0]) << '\n';
            return kExitFileMissing;
        }
        int kind = ProcedureKindOfFile(c.args[0]);
        if (kind == 0) {
            c.out << "0\n";
            c.err << Cp1252ToUtf8("Unbekannte Dateiart: " + c.args[0]) << '\n';
            return kExitNotDataFile;
        }
        c.out << kind << ' ' << Cp1252ToUtf8(KindName(kind)) << '\n';
        return kExitOk;
    }
}

int RunCli(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err)
{
    TCliDialogs dialogs(err);
    std::vector<std::string> args;
    for (const auto& a : rawArgs)
        args.push_back(Utf8ToCp1252(a));

    std::string home;
    std::size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
        if (args[i] == "--help") {
            out << Cp1252ToUtf8(kUsage);
            return kExitOk;
        }
        if (args[i] == "--version") {
            out << "zam-cli " << ZAM_VERSION << '\n';
            return kExitOk;
        }
        if (args[i] == "--home" && i + 1 < args.size()) {
            home = args[i + 1];
            i += 2;
            continue;
        }
        return Usage(err, "Unbekannte Option: " + args[i]);
    }
    if (i >= args.size())
        return Usage(err, "Kein Befehl angegeben.");
    std::string command = args[i];
    TCliContext c { std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()), home, out, err };
    if (command == "dump")
        return Dump(c);
    if (command == "pack")
        return Pack(c);
    if (command == "kind")
        return Kind(c);
    if (command == "evaluate")
        return ShowOrEvaluate(c, true);
    if (command == "show")
        return ShowOrEvaluate(c, false);
    if (command == "export")
        return Export(c);
    if (command == "plot")
        return Plot(c);
    if (command == "print")
        return Print(c);
    if (command == "help")
        return out << Cp1252ToUtf8(kUsage), kExitOk;
    return Usage(err, "Unbekannter Befehl: " + command);
}

}
