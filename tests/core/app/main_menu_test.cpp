#include "app/main_menu.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zam {

namespace {
    std::vector<std::string> Names(const TToolLayout& t)
    {
        std::vector<std::string> n;
        for (const auto& b : t.buttons)
            n.push_back(b.name);
        return n;
    }
    bool Shows(const TToolLayout& t, const char* item)
    {
        return std::find(t.menuItems.begin(), t.menuItems.end(), item) != t.menuItems.end();
    }
}

TEST(MainMenu, TreeWithCaptionsTagsAndHints)
{
    ASSERT_EQ(MainMenu().size(), 8U);
    EXPECT_EQ(MainMenu()[0].caption, "&Datei");
    const TMenuItem* k = FindMenuItem("MKFunkt");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->tag, 210);
    EXPECT_EQ(k->hint, " Auswertungen Kalibrierfunktionen");
    EXPECT_EQ(FindMenuItem("MACorr")->tag, 211);
    EXPECT_EQ(FindMenuItem("MHInfo")->tag, 940);
    EXPECT_EQ(FindMenuItem("MIRngKX")->tag, 1950);
    EXPECT_EQ(FindMenuItem("MRkRep")->caption, "Übersichts-&Report Kontrollkarten");
    EXPECT_EQ(FindMenuItem("nothing"), nullptr);
    EXPECT_EQ(HintPopup("Drucken|"), "Drucken");
    EXPECT_EQ(HintStatus("Drucken|"), "");
    EXPECT_EQ(HintStatus(" Programm beenden"), " Programm beenden");
    EXPECT_EQ(HintStatus("Basisdaten anlegen, ändern, löschen|"), "");
}

TEST(MainMenu, RightsAndExportCaptions)
{
    EXPECT_TRUE(MenuItemAllowed("MMngBasData", 0));
    EXPECT_FALSE(MenuItemAllowed("MMngBasData", 1));
    EXPECT_TRUE(MenuItemAllowed("MTxtOpt", 1));
    EXPECT_FALSE(MenuItemAllowed("MIMWK", 2));
    EXPECT_TRUE(MenuItemAllowed("MKFunkt", 2));
    EXPECT_EQ(ExportCaptions(0).menuCaption, "Gesamte&xport nach Zwischenablage oder Datei");
    EXPECT_EQ(ExportCaptions(1).buttonHint, "Alle Ausgabeseiten nach Zwischenablage exportieren|");
    EXPECT_EQ(ExportCaptions(2).menuHint, "Alle Ausgabeseiten nach Datei exportieren");
}

TEST(ToolButtons, LayoutRulesOfTheFlagStrings)
{
    TToolLayout one = ShowButtonsLayout("1", 210, true, false, 30);
    EXPECT_EQ(Names(one), (std::vector<std::string> { "PltBtn", "PrBtn", "FFBtn", "SavBtn", "XPGesBtn" }));
    EXPECT_EQ(one.buttons[0].x + 34, one.buttons[1].x); // directly left of PrBtn
    EXPECT_TRUE(Shows(one, "MGraf"));
    EXPECT_EQ(one.panelWidth, 34 * 5 + 16);

    TToolLayout corr = ShowButtonsLayout("1001", 210, true, false, 30);
    EXPECT_EQ(Names(corr), (std::vector<std::string> { "CorrBtn", "PltBtn", "PrBtn", "FFBtn", "SavBtn", "XPGesBtn" }));
    EXPECT_EQ(corr.correctionTag, 1);
    EXPECT_TRUE(Shows(corr, "MACorr"));
    EXPECT_TRUE(Shows(corr, "N14"));

    TToolLayout periods = ShowButtonsLayout("0000000111", 1710, true, false, 30);
    EXPECT_EQ(Names(periods), (std::vector<std::string> { "PerZBtn", "PerVBtn", "ChPBtn", "PrBtn", "FFBtn", "SavBtn", "XPGesBtn" }));

    EXPECT_FALSE(ShowButtonsLayout("1", 150, true, false, 30).printEnabled);
    EXPECT_FALSE(ShowButtonsLayout("1", 215, true, false, 30).saveEnabled);
    EXPECT_TRUE(ShowButtonsLayout("1", 220, true, false, 30).printEnabled);
    EXPECT_FALSE(ShowButtonsLayout("1", 220, false, true, 30).saveEnabled);
    EXPECT_FALSE(ShowButtonsLayout("1", 220, false, true, 30).exportEnabled);
    TToolLayout report = ShowButtonsLayout("", 1760, true, false, 30);
    EXPECT_FALSE(report.exportShown);
    EXPECT_EQ(Names(report).back(), "SortDaysBtn");
    EXPECT_TRUE(Shows(report, "MSortDays"));
}

}
