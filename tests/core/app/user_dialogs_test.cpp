#include "app/clipboard.h"
#include "app/console_dialogs.h"
#include "app/scripted_dialogs.h"
#include "base/clipboard_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zam {

TEST(UserDialogs, MessageFunctionsGiveTheSystemTexts)
{
    TScriptedDialogs dlg;
    MessageBox(7, 9, "x");
    CannotCreate("/d/a.klb");
    ExistsNoOverwrite("/d/a.klb");
    InvalidName("data.txt");
    dlg.answers = { kResYes, kResNo };
    EXPECT_EQ(AskOverwrite("/d/a.klb"), kResYes);
    EXPECT_EQ(AskCreate("/d/a.klb"), kResNo);
    EXPECT_EQ(AskYesNo("Beenden?"), kResNo); // queue empty: the safe answer
    ShowError("Fehler!");
    ASSERT_EQ(dlg.messages.size(), 8U);
    EXPECT_EQ(dlg.messages[0].kind, kMsgWarning);
    EXPECT_EQ(dlg.messages[0].buttons, kBtnYesNoCancel);
    EXPECT_EQ(MessageCaption(dlg.messages[0].kind), "Warnung");
    EXPECT_EQ(dlg.messages[1].text, "/d/a.klb :\r\n\r\nDatei kann nicht angelegt werden!");
    EXPECT_EQ(dlg.messages[2].text, "/d/a.klb :\r\n\r\nDatei existiert schon!\rÜberschreiben nicht zulässig!");
    EXPECT_EQ(dlg.messages[3].text, "data.txt :\r\n\r\nUnzulässiger Dateiname!");
    EXPECT_EQ(dlg.messages[4].text, "/d/a.klb : \rDatei existiert schon!\r\n\r\nÜberschreiben?");
    EXPECT_EQ(dlg.messages[4].kind, kMsgConfirm);
    EXPECT_EQ(dlg.messages[5].text, "/d/a.klb : \rDatei existiert nicht!\r\n\r\nNeu anlegen?");
    EXPECT_EQ(dlg.messages[7].kind, kMsgError);
    EXPECT_EQ(dlg.beeps, 1);
}

TEST(UserDialogs, PositionCodeIsUsedOnceThenCentred)
{
    TScriptedDialogs dlg;
    SetDialogPosition(3);
    ShowInfo("a");
    ShowInfo("b");
    EXPECT_EQ(dlg.messages[0].position, 3);
    EXPECT_EQ(dlg.messages[1].position, 0);
    SetDialogPosition(2);
    ChooseFile("t", "/", "", "RCE", "Kalibrierung (*.klb)|*.klb");
    EXPECT_EQ(dlg.requests[0].position, 2);
    EXPECT_EQ(LastDialogPosition(), 2);
}

TEST(UserDialogs, ChoosersClampAndAnswerFromTheQueue)
{
    TScriptedDialogs dlg;
    dlg.answers = { 1 };
    EXPECT_EQ(ChooseOption("Gesamt-Ergebnisexport", "Ziel für Export auswählen",
                  std::string_view("nach Zwischenablage^in csv-/dif-Datei"), 0, 5),
        1);
    EXPECT_EQ(dlg.requests[0].preselected, 1);
    EXPECT_EQ(dlg.requests[0].items, (std::vector<std::string> { "nach Zwischenablage", "in csv-/dif-Datei" }));
    EXPECT_EQ(ChooseFromList("c", "l", {}, 0, 0), -1);
    EXPECT_EQ(dlg.requests.size(), 1U); // an empty list opens no dialog
    std::string text = "alt";
    dlg.texts = { "alt   " };
    EXPECT_FALSE(EditText("c", "p", "", 0, 20, text));
    dlg.texts = { "neu" };
    EXPECT_TRUE(EditText("c", "p", "", 0, 20, text));
    EXPECT_EQ(text, "neu");
}

TEST(UserDialogs, ConsoleWritesUtf8AndGivesSafeAnswers)
{
    std::ostringstream out;
    TConsoleDialogs console(out);
    EXPECT_EQ(console.MessageBox(kMsgConfirm, kBtnYesNo, "Überschreiben?\r\nJa", 0, 0), kResNo);
    EXPECT_EQ(console.MessageBox(kMsgError, kBtnOk, "x", 0, 0), kResOk);
    EXPECT_EQ(console.MessageBox(kMsgInfo, kBtnOkCancel, "y", 0, 0), kResCancel);
    EXPECT_EQ(out.str(), "Best\xC3\xA4tigen: \xC3\x9c" "berschreiben?\nJa\nFehler: x\nInformation: y\n");
    EXPECT_FALSE(console.ChooseFile("", "", "", "", "", 0).has_value());
}

TEST(ClipboardText, SpreadsheetCellsInReadingOrder)
{
    TMemoryClipboard clip;
    SetClipboard(&clip);
    std::vector<std::string> cells;
    EXPECT_FALSE(ClipboardTable(cells));
    EXPECT_EQ(ClipboardFirstCell(), "");
    clip.SetText("1,5\t2\r\n3\t\"a\nb\"\r\n\r\n");
    EXPECT_EQ(ClipboardFirstCell(), "1,5");
    EXPECT_TRUE(ClipboardTable(cells));
    EXPECT_EQ(cells, (std::vector<std::string> { "1,5", "2", "3", "a b" }));
    cells.clear();
    clip.SetText("x\ty\nz\t\"q\"\"r\ns\"\n"); // as Linux programs copy it
    EXPECT_TRUE(ClipboardTable(cells));
    EXPECT_EQ(cells, (std::vector<std::string> { "x", "y", "z", "q\"r s" }));
    SetClipboard(nullptr);
}

}
