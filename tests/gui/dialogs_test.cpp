#include "app/base_data.h"
#include "app/scripted_dialogs.h"
#include "app/settings.h"
#include "base/table_text.h"
#include "gui/dialogs/choice_dialogs.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/login_dialog.h"
#include "gui/dialogs/message_box_dialog.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "output/table_text_draw.h"
#include "qt_app.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace zam {

namespace {
    QDialog* OpenDialog() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

    QStringList ButtonTexts(QDialog* d)
    {
        QStringList texts;
        for (auto* b : d->findChildren<QPushButton*>())
            texts << b->text();
        return texts;
    }

    void Click(QDialog* d, const QString& text)
    {
        for (auto* b : d->findChildren<QPushButton*>()) {
            if (b->text() == text) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        d->reject();
    }
}

TEST(QtDialogs, MessageBoxButtonSetsAndHelpButtonRule)
{
    test::EnsureQtApp();
    struct TCase {
        int buttons;
        int help;
        QStringList shown;
        QString click;
        int result;
    };
    const TCase cases[] = {
        { kBtnOk, 0, { "OK" }, "OK", kResOk },
        { kBtnOkCancel, 0, { "OK", "Abbrechen" }, "Abbrechen", kResCancel },
        { kBtnYesNo, 0, { "&Ja", "&Nein" }, "&Nein", kResNo },
        { kBtnYesNoCancel, 700, { "&Ja", "&Nein", "Abbrechen", "&Hilfe" }, "&Ja", kResYes },
    };
    for (const auto& c : cases) {
        TDlgBox box(kMsgConfirm, c.buttons, "Überschreiben?\r\nWirklich?", c.help, 0);
        EXPECT_EQ(box.windowTitle(), ToQString("Bestätigen"));
        QStringList shown;
        test::WhenDialogOpen([&] {
            shown = ButtonTexts(OpenDialog());
            Click(OpenDialog(), c.click);
        });
        EXPECT_EQ(box.Run(), c.result);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(box.findChild<QLabel*>("text")->text(), ToQString("Überschreiben?\nWirklich?"));
    }
    TDlgBox closed(kMsgWarning, kBtnYesNo, "x", 0, 0);
    test::WhenDialogOpen([] { OpenDialog()->reject(); });
    EXPECT_EQ(closed.Run(), kResNo); // closing the window is the safe answer
    EXPECT_EQ(closed.windowTitle(), QStringLiteral("Warnung"));
}

TEST(QtDialogs, OptionNeedsAChoice)
{
    test::EnsureQtApp();
    TScriptedDialogs beeps; // counts the beep of OK without a choice
    TRGrpDlg dlg("Gesamt-Ergebnisexport", "Ziel für Export auswählen", { "nach Zwischenablage", "in csv-/dif-Datei" }, 0,
        -1, 0);
    test::WhenDialogOpen([&] {
        Click(OpenDialog(), "OK"); // nothing chosen: stays open
        OpenDialog()->findChildren<QRadioButton*>()[1]->setChecked(true);
        Click(OpenDialog(), "OK");
    });
    EXPECT_EQ(dlg.Run(), 1);
    EXPECT_EQ(beeps.beeps, 1);
    EXPECT_TRUE(ButtonTexts(&dlg).indexOf(QStringLiteral("&Hilfe")) < 0);
}

TEST(QtDialogs, ListSortsAndReturnsTheOriginalIndex)
{
    test::EnsureQtApp();
    TSelBxDlg dlg("Einheit ergänzen/ändern", "Neue Einheit auswählen:", { "mg/l", "g/kg", "µg/l" }, 0, 0, true, 0, 1,
        0, false);
    test::WhenDialogOpen([&] {
        Click(OpenDialog(), "Sortieren");
        auto* list = OpenDialog()->findChild<QListWidget*>();
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("g/kg"));
        list->setCurrentRow(0);
        Click(OpenDialog(), "OK");
    });
    EXPECT_EQ(dlg.Run(), 1);
    TSelBxDlg actions("Startverzeichnisse auswählen", "Startverzeichnis für", { "Auswahl von Dateien" }, 30500, 0, false,
        1, 1, 0, true);
    QStringList shown;
    test::WhenDialogOpen([&] {
        shown = ButtonTexts(OpenDialog());
        Click(OpenDialog(), ToQString("&Schließen"));
    });
    EXPECT_EQ(actions.Run(), -1);
    EXPECT_TRUE(shown.contains(QStringLiteral("&Bearbeiten")));
    EXPECT_EQ(actions.width(), 520);
}

TEST(QtDialogs, EditTextCountsOnlyRealChanges)
{
    test::EnsureQtApp();
    std::string text = "Blei";
    TDlg1Txt same("Parameter", "Name:", "", 0, 40, text, 0);
    test::WhenDialogOpen([] {
        OpenDialog()->findChild<QLineEdit*>()->setText(QStringLiteral("Blei   "));
        Click(OpenDialog(), "OK");
    });
    EXPECT_FALSE(same.Run(text));
    TDlg1Txt changed("Parameter", "Name:", "", 0, 40, text, 0);
    test::WhenDialogOpen([] {
        OpenDialog()->findChild<QLineEdit*>()->setText(ToQString("Blei gelöst "));
        Click(OpenDialog(), "OK");
    });
    EXPECT_TRUE(changed.Run(text));
    EXPECT_EQ(text, "Blei gelöst");
}

TEST(QtDialogs, FilterTranslation)
{
    EXPECT_EQ(QtFilterOf("Kalibrierung (*.klb)|*.klb"), "Kalibrierung (*.klb)");
    EXPECT_EQ(QtFilterOf("csv/dif-Datei(*.csv/\\*.dif)|*.csv;*.dif"), "csv/dif-Datei (*.csv *.dif)");
    EXPECT_EQ(QtFilterOf("A|*.a|B|*.b"), "A (*.a);;B (*.b)");
}

TEST(QtDialogs, LoginEndsAfterEightWrongPasswords)
{
    test::EnsureQtApp();
    test::TTempDir dir;
    TBaseData saved = BaseData();
    BaseData().BaseDataStart(dir.Path());
    TScriptedDialogs messages;
    TZAMTit dlg;
    EXPECT_EQ(dlg.Names()->currentText(), ToQString("Qualitätssicherungs-Beauftragter"));
    int tries = 0;
    test::WhenDialogOpen([&] {
        for (int i = 0; i < 8 && dlg.isVisible(); ++i) {
            dlg.Password()->setText(QStringLiteral("falsch"));
            Click(&dlg, "OK");
            ++tries;
            EXPECT_TRUE(dlg.Password()->text().isEmpty());
        }
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(tries, 8);
    EXPECT_EQ(messages.messages.size(), 8U);
    TZAMTit again;
    test::WhenDialogOpen([&] {
        again.Password()->setText(QStringLiteral("mvtr")); // typed in lower case
        EXPECT_EQ(again.Password()->text(), QStringLiteral("MVTR"));
        Click(&again, "OK");
    });
    EXPECT_EQ(again.exec(), QDialog::Accepted);
    EXPECT_EQ(CurrentUser().rights, 0);
    BaseData() = saved;
    CurrentUser() = TUser();
}

TEST(QtCanvas, TableTextOnAnImage)
{
    test::EnsureQtApp();
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.SetFont({ "DejaVu Sans", 1, 9, 0 }, 0);
        DrawTableText(canvas, { 0, 0, 400, 20 }, 80, "|", 12, 0);
        DrawTableText(canvas, { 0, 20, 400, 40 }, 80, Cell("12345", 18, 1, 0) + Cell("mg/l", 10, -1, 0), 12, 0);
    }
    // a rule across the full width in the middle of the line
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(399, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(200, 5), QColor(Qt::white));
    // the right-aligned number ends at the field's right edge (4 + 181 = 185)
    int rightmost = -1;
    int leftmost = 400;
    for (int x = 0; x < 400; ++x)
        for (int y = 20; y < 40; ++y)
            if (image.pixelColor(x, y).lightness() < 128) {
                if (x < 186)
                    rightmost = std::max(rightmost, x);
                leftmost = std::min(leftmost, x);
            }
    EXPECT_GE(rightmost, 180);
    EXPECT_LE(rightmost, 185);
    EXPECT_GT(leftmost, 100); // nothing drawn at the left of the number field
}

}
