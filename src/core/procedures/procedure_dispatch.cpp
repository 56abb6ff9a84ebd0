#include "procedures/procedure_dispatch.h"

#include "app/base_data.h"
#include "app/start_directory.h"
#include "app/user_dialogs.h"
#include "base/file_names.h"
#include "base/section_file.h"
#include "output/exchange_table.h"
#include "output/result_tables.h"
#include "procedures/command_codes.h"
#include "procedures/evaluation.h"
#include "procedures/procedure_kind.h"

#include <algorithm>
#include <map>

namespace zam {

void TDispatchState::SetCurrentFile(const std::string& file)
{
    currentFile = file;
    displayName = ShortenPath(file, 50);
}

TDispatchState& DispatchState()
{
    static TDispatchState state;
    return state;
}

namespace {
    std::map<std::string, TEntryFunction>& EntryFunctions()
    {
        static std::map<std::string, TEntryFunction> functions;
        return functions;
    }

    std::unique_ptr<TEvaluation> EvaluationFor(const std::string& fileName)
    {
        int kind = ProcedureKindOfFile(fileName);
        auto evaluation = CreateEvaluation(kind);
        if (!evaluation)
            ShowInfo("Die Auswertung von Dateien der Art \"" + KindName(kind)
                + "\" ist in dieser Version noch nicht verfügbar.");
        return evaluation;
    }
}

void SetEntryFunction(const std::string& entryPart, TEntryFunction function)
{
    EntryFunctions()[entryPart] = std::move(function);
}

bool TInProcX::SelectFile(const std::string& caption, const std::string& pattern, std::string& fileName)
{
    TStartX& start = StartX();
    if (!IsDirectory(start.dataDir))
        start.dataDir = start.startDir;
    std::string kind = KindName(ProcedureKind(pattern.substr(1)));
    std::string filter = kind + " (" + pattern + ")|" + pattern;
    auto chosen = BaseData().PresetOption(kPresetExtendedFileDialog)
        ? ChooseDataFile(caption, start.dataDir, pattern, filter, 700)
        : ChooseFile(caption, start.dataDir, "", "RCE", filter);
    if (!chosen) {
        fileName.clear();
        return false;
    }
    fileName = *chosen;
    start.dataDir = DirectoryPart(fileName);
    return true;
}

bool TInProcX::Run()
{
    TDispatchState& state = DispatchState();
    int code = state.commandCode;
    const TProcedureCommand* command = FindProcedureCommand(code);
    bool ok = false;
    SetDialogPosition(2);
    if (command != nullptr && command->workflow == TWorkflow::Select) {
        std::string file;
        ok = SelectFile(command->selectCaption, command->filter, file) && EvaluateFile(file);
    } else if (command != nullptr && command->workflow == TWorkflow::Entry
        && EntryFunctions().count(command->entryPart) != 0) {
        std::string file = IsCorrectionCode(code) ? state.currentFile : std::string();
        if (EntryFunctions()[command->entryPart](file)) {
            TSList list;
            ok = list.LoadFile(file, kOpenExclusive) && ComputeFile(list, file);
        }
    } else if (command != nullptr) {
        SetDialogPosition(0);
        std::string caption = command->menuCaption;
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        ShowInfo("Die Dateneingabe \"" + caption + "\" ist in dieser Version noch nicht verfügbar.");
    }
    SetDialogPosition(0);
    if (ok)
        TableManager().CommandCode = code;
    return ok;
}

bool TInProcX::EvaluateFile(const std::string& fileName)
{
    TSList list;
    if (!list.LoadFile(fileName, kOpenExclusive) || !IsZamDataFile(list, fileName))
        return false;
    auto evaluation = EvaluationFor(fileName);
    if (!evaluation)
        return false;
    DispatchState().SetCurrentFile(fileName);
    evaluation->Bind(list, fileName);
    evaluation->Output(TableManager());
    return true;
}

bool TInProcX::ComputeFile(TSList& list, const std::string& fileName)
{
    auto evaluation = EvaluationFor(fileName);
    if (!evaluation)
        return false;
    DispatchState().SetCurrentFile(fileName);
    evaluation->Bind(list, fileName);
    if (!evaluation->Compute())
        return false;
    evaluation->Output(TableManager());
    return true;
}

bool TInProcX::BuildTotalExport(const std::string& fileName, TXTab& table)
{
    table.Clear();
    TSList list;
    if (!list.LoadFile(fileName, kOpenExclusive) || list.SectionCount() <= 1) {
        ShowError("Dateifehler! Gesamt-Export nicht möglich!");
        return false;
    }
    int kind = ProcedureKindOfFile(fileName);
    if (kind == kKindTable || kind == kKindBaseData)
        return true;
    auto evaluation = CreateEvaluation(kind);
    if (!evaluation) {
        ShowInfo("Der Gesamt-Export von Dateien der Art \"" + KindName(kind)
            + "\" ist in dieser Version noch nicht verfügbar.");
        return false;
    }
    evaluation->Bind(list, fileName);
    evaluation->Export(table);
    return true;
}

bool TInProcX::TotalExport()
{
    TXTab table;
    if (!BuildTotalExport(DispatchState().currentFile, table))
        return false;
    int target = BaseData().exportTarget;
    if (target == 0) {
        int choice = ChooseOption("Gesamt-Ergebnisexport", "Ziel für Export auswählen",
            std::string_view("nach Zwischenablage^in csv-/dif-Datei"), 0, DispatchState().lastExportChoice);
        if (choice < 0)
            return false;
        DispatchState().lastExportChoice = choice;
        target = choice + 1;
    }
    if (target == 1) {
        table.CopyToClipboard();
        ShowInfo("Alle Ergebnisseiten in Zwischenablage kopiert!");
        return true;
    }
    auto file = ChooseFile("Export-Datei(*.csv oder *.dif) auswählen", StartX().exportDir, "", "AC",
        "csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif");
    if (!file)
        return false;
    StartX().exportDir = DirectoryPart(*file);
    return table.SaveFile(*file, BaseData().csvSeparator, true);
}

}
