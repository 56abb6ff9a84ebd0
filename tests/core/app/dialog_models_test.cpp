#include "app/base_data.h"
#include "app/file_choice.h"
#include "app/help_topics.h"
#include "app/login.h"
#include "app/scripted_dialogs.h"
#include "base/file_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zam {

using test::TTempDir;

TEST(FileChoice, PatternsOfTheFilterAreCheckedCaseInsensitively)
{
    const std::string csvDif = "csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif";
    EXPECT_EQ(CheckedPatterns(csvDif), (std::vector<std::string> { "*.csv", "*.dif" }));
    EXPECT_EQ(CheckedPatterns("Kalibrierung (*.klb)|*.klb|Alle|*.*"), (std::vector<std::string> { "*.klb" }));
    EXPECT_TRUE(MatchesPattern("/d/Probe.KLB", "*.klb"));
    EXPECT_FALSE(MatchesPattern("/d/probe.klbx", "*.klb"));
    EXPECT_TRUE(MatchesPattern("zamcopy3.txt", "zamcopy*.txt"));
    EXPECT_FALSE(MatchesPattern("copy3.txt", "zamcopy*.txt"));
    EXPECT_FALSE(MatchesPattern("data.txt", "*.csv"));
    EXPECT_EQ(DefaultExtension("probe.klb"), "klb");
    EXPECT_EQ(DefaultExtension("*.klb"), "");
}

TEST(FileChoice, ModeLettersDecide)
{
    TTempDir dir;
    TScriptedDialogs dlg;
    const std::string csvDif = "csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif";
    auto r = CheckChosenFile(dir.File("data.txt"), "RCE", csvDif, "");
    EXPECT_EQ(r.step, TFileChoiceStep::Refuse);
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, dir.File("data.txt") + " :\r\n\r\nUnzulässiger Dateiname!");

    std::string existing = dir.File("alt.klb");
    CreateEmptyFile(existing);
    EXPECT_EQ(CheckChosenFile(existing, "CX", "K (*.klb)|*.klb", "neu.klb").step, TFileChoiceStep::Refuse);
    EXPECT_EQ(dlg.messages.back().text, existing + " :\r\n\r\nDatei existiert schon!\rÜberschreiben nicht zulässig!");
    dlg.answers = { kResNo, kResYes };
    EXPECT_EQ(CheckChosenFile(existing, "AC", "K (*.klb)|*.klb", "").step, TFileChoiceStep::Refuse);
    EXPECT_EQ(CheckChosenFile(existing, "AC", "K (*.klb)|*.klb", "").step, TFileChoiceStep::Accept);

    // the proposed extension is added, the name lowercased unless "U"
    auto n = CheckChosenFile(dir.File("Neu"), "CX", "K (*.klb)|*.klb", "x.klb");
    EXPECT_EQ(n.step, TFileChoiceStep::Accept);
    EXPECT_EQ(n.name, dir.File("neu.klb"));
    EXPECT_EQ(CheckChosenFile(dir.File("Neu"), "CXU", "K (*.klb)|*.klb", "x.klb").name, dir.File("Neu.klb"));
    // a pattern as proposal: the filter's one extension is added
    EXPECT_EQ(CheckChosenFile(dir.File("zink"), "CX", "Kalibrierung (*.klb)|*.klb", "*.klb").name, dir.File("zink.klb"));

    // save without "A" and "X": a new file is created at once
    auto created = CheckChosenFile(dir.File("kopie.txt"), "", "", "");
    EXPECT_EQ(created.step, TFileChoiceStep::Accept);
    EXPECT_TRUE(FileExists(dir.File("kopie.txt")));
    // open with "A": a missing file is created after asking
    dlg.answers = { kResYes };
    EXPECT_EQ(CheckChosenFile(dir.File("leer.klb"), "RA", "", "").step, TFileChoiceStep::Accept);
    EXPECT_TRUE(FileExists(dir.File("leer.klb")));
    EXPECT_EQ(dlg.messages.back().text, dir.File("leer.klb") + " : \rDatei existiert nicht!\r\n\r\nNeu anlegen?");
}

TEST(FileChoice, DialogPlacementByPositionCode)
{
    EXPECT_EQ(DialogPlacement(0, 1000, 800, 200, 100).x, 400);
    EXPECT_EQ(DialogPlacement(0, 1000, 800, 200, 100).y, 350);
    EXPECT_EQ(DialogPlacement(1, 1000, 800, 200, 100).x, 750);
    EXPECT_EQ(DialogPlacement(1, 1000, 800, 200, 100).y, 32);
    EXPECT_EQ(DialogPlacement(2, 1000, 800, 200, 100).x, 50);
    EXPECT_EQ(DialogPlacement(3, 1000, 800, 200, 100).y, 660);
    EXPECT_EQ(DialogPlacement(4, 1000, 800, 200, 100).x, 750);
    EXPECT_EQ(DialogPlacement(2, 1000, 800, 200, 780).y, 6); // too high for the top margin
    EXPECT_EQ(DialogPlacement(4, 1000, 800, 990, 790).x, 4);
}

namespace {
    struct TRecordingViewer : THelpViewer {
        std::vector<std::string> shown;
        void ShowPage(const std::string& file) override { shown.push_back(file); }
        void ShowContents(const std::string& folder) override { shown.push_back("contents " + folder); }
        void ShowIndex(const std::string& folder) override { shown.push_back("index " + folder); }
        void CloseAll() override { shown.push_back("close"); }
    };
}

TEST(Help, TopicsByContextAndTheMessages)
{
    EXPECT_EQ(HelpTopics().size(), 107U);
    EXPECT_EQ(HelpTopicFor(2110), "kalibtab");
    EXPECT_EQ(HelpTopicFor(700), "filesel");
    EXPECT_EQ(HelpTopicFor(51), "");
    TRecordingViewer viewer;
    SetHelpViewer(&viewer);
    TScriptedDialogs dlg;
    std::string folder = HelpFolder();
    ShowHelp(2110);
    ASSERT_EQ(viewer.shown.size(), 1U);
    EXPECT_EQ(viewer.shown[0], folder + "/html/kalibtab.htm");
    EXPECT_TRUE(FileExists(viewer.shown[0])); // every topic has its page
    for (const auto& [context, name] : HelpTopics())
        EXPECT_TRUE(FileExists(folder + "/html/" + name + ".htm")) << name;
    ShowHelp(51);
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, "Kein aktueller Hilfetext vorhanden!");
    EXPECT_EQ(dlg.messages[0].position, 4); // away from a centred dialog
    ShowHelp(51, 4);
    EXPECT_EQ(dlg.messages[1].position, 0);
    ShowHelp(0);
    EXPECT_EQ(viewer.shown.back(), "contents " + folder);
    TTempDir dir;
    SetHelpFolder(dir.Path());
    ShowHelp(2110);
    EXPECT_EQ(dlg.messages.back().text, "Hilfe-Datei nicht vorhanden!");
    EXPECT_EQ(dlg.beeps, 3);
    SetHelpFolder("");
    SetHelpViewer(nullptr);
}

TEST(Login, EightTriesAtMost)
{
    TTempDir dir;
    TBaseData saved = BaseData();
    BaseData().BaseDataStart(dir.Path()); // fresh: only the built-in administrator
    TScriptedDialogs dlg;
    {
        TLoginModel login;
        EXPECT_EQ(login.Names(), (std::vector<std::string> { "Qualitätssicherungs-Beauftragter" }));
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(login.Submit(0, "falsch"), TLoginModel::TResult::Retry);
        EXPECT_EQ(login.Submit(0, "mvtr"), TLoginModel::TResult::Accepted);
        EXPECT_EQ(CurrentUser().name, " Qualitätssicherungs-B.");
        EXPECT_EQ(CurrentUser().rights, 0);
        EXPECT_EQ(dlg.messages.size(), 7U);
        EXPECT_EQ(dlg.messages[0].text, "Ungültiges Passwort!");
        EXPECT_EQ(dlg.messages[0].kind, kMsgInfo);
        EXPECT_EQ(dlg.messages[0].position, 4);
    }
    {
        TLoginModel login;
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(login.Submit(0, "x"), TLoginModel::TResult::Retry);
        EXPECT_EQ(login.Submit(0, "x"), TLoginModel::TResult::Cancelled);
        EXPECT_EQ(login.Submit(-1, "mvtr"), TLoginModel::TResult::Cancelled);
    }
    BaseData() = saved;
    CurrentUser() = TUser();
}

}
