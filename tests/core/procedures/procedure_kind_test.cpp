#include "procedures/command_codes.h"
#include "procedures/procedure_kind.h"

#include <gtest/gtest.h>

namespace zam {

TEST(ProcedureKind, FromExtensionWithBackupsAndCase)
{
    struct TCase {
        const char* ext;
        int kind;
    };
    const TCase cases[] = {
        { ".klb", 1 }, { ".vho", 2 }, { ".wff", 3 }, { ".blw", 4 }, { ".sad", 5 }, { ".pak", 6 },
        { ".mwk", 7 }, { ".wdk", 8 }, { ".bwk", 9 }, { ".spk", 10 }, { ".swk", 11 }, { ".mun", 12 },
        { ".glw", 13 }, { ".tab", 14 }, { ".dat", 15 },
        { "._kl", 1 }, { "._sw", 11 }, { "._gl", 13 },
        { ".KLB", 0 }, { ".xyz", 0 }, { "", 0 }, { ".", 0 }, { "lb;.", 0 }, { ".klb;", 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProcedureKind(c.ext), c.kind) << c.ext;
    EXPECT_EQ(ProcedureKindOfFile("/daten.v2/probe._kl"), 1);
    EXPECT_EQ(ProcedureKindOfFile("/daten.klb/probe"), 0);
    EXPECT_EQ(KindName(1), "Kalibrierung");
    EXPECT_EQ(KindName(11), "Erweiterte Spannw.-Karte");
    EXPECT_EQ(KindName(15), "ZAM-Basisdaten");
    EXPECT_EQ(KindName(0), "");
    EXPECT_EQ(KindExtension(13), ".glw");
}

TEST(CommandCodes, DigitsAndCorrection)
{
    EXPECT_EQ(CommandGroup(210), 2);
    EXPECT_EQ(CommandProcedure(320), 2);
    EXPECT_EQ(CommandGroup(1710), 17);
    EXPECT_TRUE(IsCorrectionCode(211));
    EXPECT_FALSE(IsCorrectionCode(210));
    EXPECT_EQ(CorrectionCode(210), 211);
    EXPECT_EQ(CorrectionCode(320), 321);
    EXPECT_EQ(CorrectionCode(460), 461);
}

TEST(CommandCodes, TableCoversEveryProcedureCommand)
{
    const TProcedureCommand* c = FindProcedureCommand(210);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->workflow, TWorkflow::Select);
    EXPECT_STREQ(c->filter, "*.klb");
    EXPECT_STREQ(c->selectCaption, "Kalibrierdaten auswählen");
    EXPECT_EQ(FindProcedureCommand(365)->workflow, TWorkflow::SelectThenEntry);
    EXPECT_EQ(FindProcedureCommand(211)->workflow, TWorkflow::Entry);
    EXPECT_EQ(FindProcedureCommand(999), nullptr);
    EXPECT_EQ(FindProcedureCommand(0), nullptr);
    EXPECT_EQ(ProcedureCommands().size(), 33U);
    // every select row's filter names a known kind
    for (const auto& cmd : ProcedureCommands()) {
        if (cmd.workflow != TWorkflow::Entry) {
            EXPECT_GT(ProcedureKind(std::string(cmd.filter).substr(1)), 0) << cmd.code;
        }
    }
}

}
