#include "app/base_data.h"
#include "app/scripted_dialogs.h"
#include "app/start_directory.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "base/section_file.h"
#include "gui/procedures/calibration_dialog.h"
#include "gui/qt_text.h"
#include "qt_app.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace zam {

TEST(CalibrationDialog, CorrectsAFileAndRefusesBadInput)
{
    test::EnsureQtApp();
    test::TTempDir dir;
    TBaseData saved = BaseData();
    StartX().StartWork(dir.Path());
    BaseData().BaseDataStart(dir.Path());
    std::string file = dir.File("blei.klb");
    test::WriteCalibration(file, test::LeadCalibration());
    TScriptedDialogs dlg;
    {
        TKalibDlg d;
        ASSERT_TRUE(d.Init(file));
        EXPECT_EQ(d.windowTitle(), ToQString("Kalibrierdaten - " + ShortenPath(file, 30)));
        EXPECT_EQ(d.Title()->text(), QStringLiteral("Kalibrierung Blei"));
        EXPECT_EQ(d.Field(3)->currentText(), ToQString("Blei [µg/l]"));
        EXPECT_EQ(d.Grid()->item(0, 0)->text(), QStringLiteral("0.5"));
        EXPECT_TRUE(FileExists(LockFileName(file)));
        d.Grid()->item(2, 1)->setText(QStringLiteral("abc"));
        d.OkClicked();
        ASSERT_EQ(dlg.messages.size(), 1U);
        EXPECT_EQ(dlg.messages[0].text, "3. / yi: Unzulässige Eingabe");
        EXPECT_EQ(d.Grid()->currentRow(), 2);
        EXPECT_EQ(d.Grid()->currentColumn(), 1);
        d.Grid()->item(2, 1)->setText(QStringLiteral("0,250"));
        d.OkClicked();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(FileExists(LockFileName(file)));
    TSList s;
    ASSERT_TRUE(s.LoadFile(file, kOpenShared));
    EXPECT_EQ(s.GetLine(s.FindSection("[DATA]").index, 5), "  3  2 0.250");
    EXPECT_TRUE(FileExists(dir.File("blei._kl")));
    BaseData() = saved;
}

}
