#include "app/help_topics.h"

#include "app/user_dialogs.h"
#include "base/file_names.h"

namespace zam {

namespace {
    THelpViewer* g_viewer = nullptr;
    std::string g_folder;
}

const std::vector<std::pair<int, const char*>>& HelpTopics()
{
    static const std::vector<std::pair<int, const char*>> topics = { { 1, "boptx" }, { 2, "bopgrf" }, { 3, "bcoldlg" },
        { 4, "allgdc" }, { 5, "allgbed" }, { 10, "bedgbas" }, { 21, "bedgspz1" }, { 22, "bedgspz2" },
        { 23, "bedgspz3" }, { 25, "bedgspz5" }, { 26, "bedgspz6" }, { 100000, "allgtabgrf" },
        { 200000, "baw_grfallg" }, { 700, "filesel" }, { 110, "kalibin" }, { 1100, "kalibtab" }, { 1110, "kalibtab" },
        { 2100, "kalibtab" }, { 2110, "kalibtab" }, { 120, "vhoin" }, { 1200, "vhotab" }, { 1210, "vhotab" },
        { 2200, "vhotab" }, { 2210, "vhotab" }, { 130, "wffin" }, { 131, "wffinsfile" }, { 1300, "wfftab" },
        { 1310, "wfftab" }, { 2300, "wfftab" }, { 2310, "wfftab" }, { 140, "blwin" }, { 141, "blwinsfile" },
        { 1400, "blwtab" }, { 1410, "blwtab" }, { 2400, "blwtab" }, { 2410, "blwtab" }, { 310, "staddin" },
        { 3100, "staddtab" }, { 3110, "staddtab" }, { 4100, "staddtab" }, { 4110, "staddtab" }, { 320, "analysin" },
        { 321, "aninsfile" }, { 3200, "analystab" }, { 3210, "analystab" }, { 4200, "analystab" },
        { 4210, "analystab" }, { 350, "meuin" }, { 356, "meuklb" }, { 355, "meumwk" }, { 3500, "meutab" },
        { 3510, "meutab" }, { 4500, "meutab" }, { 4510, "meutab" }, { 364, "glwinprbv" }, { 365, "glwinstrv0" },
        { 366, "glwinstrv1" }, { 362, "glwseldlg" }, { 363, "glwselmeth" }, { 360, "glwvart" }, { 3600, "glwergtab" },
        { 3610, "glwergtab" }, { 4600, "glwergtab" }, { 4610, "glwergtab" }, { 16100, "manlimdlg" },
        { 16110, "manlimpar" }, { 16200, "makechdlg" }, { 16400, "chinplfd" }, { 16300, "chinpvp" },
        { 16500, "chlimdlg" }, { 16600, "chstadlg" }, { 16700, "chstares" }, { 1760, "startchrpt" },
        { 17600, "chartrpt" }, { 17100, "charttab" }, { 17101, "charttabs" }, { 17200, "charttab" },
        { 17201, "charttabs" }, { 17300, "charttab" }, { 17301, "charttabs" }, { 17400, "charttab" },
        { 17401, "charttabs" }, { 17500, "charttab" }, { 17501, "charttabs" }, { 17700, "chartchgp" },
        { 17900, "dlgselper" }, { 30000, "stammdat" }, { 30100, "signverw" }, { 30200, "stdverw" },
        { 30300, "persed" }, { 30400, "allgpar" }, { 30410, "allgparb" }, { 30500, "selpathes" },
        { 30501, "seldpath" }, { 30502, "selipath" }, { 30503, "selxpath" }, { 30504, "selcpath" },
        { 30600, "selbpath" }, { 32100, "imxkalib" }, { 32200, "imxvho" }, { 32300, "imxwff" }, { 32400, "imxblw" },
        { 32500, "imxstadd" }, { 32600, "imxanalys" }, { 32700, "imxmeu" }, { 32800, "imxglw" },
        { 32900, "imxchart" } };
    return topics;
}

std::string HelpTopicFor(int context)
{
    for (const auto& [number, name] : HelpTopics()) {
        if (number == context)
            return name;
    }
    return {};
}

void SetHelpViewer(THelpViewer* viewer) { g_viewer = viewer; }

void SetHelpFolder(const std::string& folder) { g_folder = folder; }

std::string HelpFolder()
{
    if (!g_folder.empty())
        return g_folder;
#ifdef ZAM_HELP_DIR
    return ZAM_HELP_DIR;
#else
    return {};
#endif
}

namespace {
    void HelpError(const std::string& text, int askingPosition)
    {
        // away from the dialog that asked: bottom right when it was centred
        SetDialogPosition(askingPosition == 0 ? 4 : 0);
        ShowError(text);
    }
}

void ShowHelp(int context, int askingPosition)
{
    std::string folder = HelpFolder();
    if (folder.empty() || !FileExists(JoinPath(folder, "html/index.htm"))) {
        HelpError("Hilfe-Datei nicht vorhanden!", askingPosition);
        return;
    }
    if (context <= 0) {
        if (g_viewer != nullptr)
            g_viewer->ShowContents(folder);
        return;
    }
    std::string topic = HelpTopicFor(context);
    if (topic.empty()) {
        HelpError("Kein aktueller Hilfetext vorhanden!", askingPosition);
        return;
    }
    if (g_viewer != nullptr)
        g_viewer->ShowPage(JoinPath(folder, "html/" + topic + ".htm"));
}

void ShowHelpIndex()
{
    std::string folder = HelpFolder();
    if (folder.empty() || !FileExists(JoinPath(folder, "html/index.htm"))) {
        HelpError("Hilfe-Datei nicht vorhanden!", 0);
        return;
    }
    if (g_viewer != nullptr)
        g_viewer->ShowIndex(folder);
}

void CloseHelp()
{
    if (g_viewer != nullptr)
        g_viewer->CloseAll();
}

}
