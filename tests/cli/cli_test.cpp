#include "base/section_file.h"
#include "cli/cli.h"
#include "base/file_names.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>
#include <sstream>

namespace zam {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

namespace {
    struct TRun {
        int code;
        std::string out;
        std::string err;
    };

    TRun Cli(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        int code = RunCli(args, out, err);
        return { code, out.str(), err.str() };
    }

    const std::string kFixture = std::string(ZAM_TEST_DATA) + "/calibration_plain.txt";

    // The lead calibration in the directory, evaluated by zam-cli.
    std::string EvaluatedCalibration(const TTempDir& dir)
    {
        std::string file = dir.File("blei.klb");
        test::WriteCalibration(file, test::LeadCalibration());
        EXPECT_EQ(Cli({ "evaluate", file }).code, kExitOk);
        return file;
    }
}

TEST(Cli, PackThenDumpGivesThePlainTextBack)
{
    TTempDir dir;
    std::string file = dir.File("blei.klb");
    TRun pack = Cli({ "pack", kFixture, file });
    ASSERT_EQ(pack.code, kExitOk) << pack.err;
    TRun dump = Cli({ "dump", file });
    ASSERT_EQ(dump.code, kExitOk) << dump.err;
    EXPECT_EQ(dump.out, ReadBytes(kFixture));
    // the stored file is scrambled, with the umlaut as one Windows-1252 byte
    TSList s;
    ASSERT_TRUE(s.LoadFile(file, kOpenShared));
    EXPECT_EQ(s.GetLine(1, 4), "Intensität [cps]");
}

TEST(Cli, PackOfDumpReproducesTheFileByteForByte)
{
    TTempDir dir;
    TSList s;
    s.SetTitle("Titel mit € und [Klammer");
    int head = s.AddSection("[HEAD]").index;
    s.AddLine(head, "03");
    s.AddLine(head, "[nicht Kopf]");
    s.AddLine(head, "");
    s.AddLine(head, "   eingerückt  ");
    int data = s.AddSection("[DATA]").index;
    for (int i = 1; i <= 60; ++i)
        s.AddCell(data, i, std::to_string(i * 0.25), 1);
    s.AddLine(s.AddSection("[RESNUM]").index, "IBAAAAAAAAAA");
    std::string original = dir.File("orig.klb");
    ASSERT_TRUE(s.SaveFile(original, kOpenShared));

    TRun dump = Cli({ "dump", original });
    ASSERT_EQ(dump.code, kExitOk);
    std::string plain = dir.File("plain.txt");
    WriteBytes(plain, dump.out);
    std::string copy = dir.File("copy.klb");
    ASSERT_EQ(Cli({ "pack", plain, copy }).code, kExitOk);
    EXPECT_EQ(ReadBytes(copy), ReadBytes(original));
}

TEST(Cli, KindAndExitCodes)
{
    TTempDir dir;
    std::string file = dir.File("probe._kl");
    ASSERT_EQ(Cli({ "pack", kFixture, file }).code, kExitOk);
    TRun kind = Cli({ "kind", file });
    EXPECT_EQ(kind.code, kExitOk);
    EXPECT_EQ(kind.out, "1 Kalibrierung\n");
    std::string other = dir.File("x.mwk");
    ASSERT_EQ(Cli({ "pack", kFixture, other }).code, kExitOk);
    EXPECT_EQ(Cli({ "kind", other }).out, "7 Mittelw.-Karte\n");

    EXPECT_EQ(Cli({}).code, kExitUsage);
    EXPECT_EQ(Cli({ "frobnicate" }).code, kExitUsage);
    EXPECT_EQ(Cli({ "dump" }).code, kExitUsage);
    EXPECT_EQ(Cli({ "--bogus", "dump", file }).code, kExitUsage);
    TRun missing = Cli({ "dump", dir.File("none.klb") });
    EXPECT_EQ(missing.code, kExitFileMissing);
    EXPECT_NE(missing.err.find("none.klb"), std::string::npos);

    std::string single = dir.File("single.klb");
    WriteBytes(dir.File("single.txt"), "Titel\n[HEAD]\n03\n");
    ASSERT_EQ(Cli({ "pack", dir.File("single.txt"), single }).code, kExitOk);
    TRun foreign = Cli({ "dump", single });
    EXPECT_EQ(foreign.code, kExitNotDataFile);
    EXPECT_EQ(foreign.err, "Fehler: Datei " + single + " ist keine ZAM-Datei!\n");
    TRun unknown = Cli({ "kind", dir.File("single.txt") });
    EXPECT_EQ(unknown.code, kExitNotDataFile);
    EXPECT_EQ(Cli({ "--home", dir.Path(), "kind", file }).code, kExitOk);
}

TEST(Cli, HelpListsTheCommandsInUtf8)
{
    TRun help = Cli({ "--help" });
    EXPECT_EQ(help.code, kExitOk);
    for (const char* word : { "dump", "pack", "kind", "\xC3\x9C" "bersicht" })
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST(Cli, ProgramRunsAsAProcess)
{
    TTempDir dir;
    std::string file = dir.File("p.klb");
    std::string cmd = std::string(ZAM_CLI_EXE) + " pack " + kFixture + " " + file + " && " + ZAM_CLI_EXE + " kind "
        + file + " > " + dir.File("out.txt");
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(ReadBytes(dir.File("out.txt")), "1 Kalibrierung\n");
    std::string bad = std::string(ZAM_CLI_EXE) + " dump " + dir.File("none.klb") + " 2>/dev/null";
    int status = std::system(bad.c_str());
    EXPECT_EQ(WEXITSTATUS(status), kExitFileMissing);
}

}

namespace zam {

using test::ReadBytes;
using test::TTempDir;

TEST(CliCalibration, EvaluateShowExportEndToEnd)
{
    TTempDir dir;
    std::string file = dir.File("blei.klb");
    test::WriteCalibration(file, test::LeadCalibration());
    std::string before = ReadBytes(file);

    TRun evaluate = Cli({ "--home", dir.Path(), "evaluate", file });
    ASSERT_EQ(evaluate.code, kExitOk) << evaluate.err;
    EXPECT_EQ(ReadBytes(dir.File("blei._kl")), before); // the backup copy of the data as they were
    EXPECT_NE(evaluate.out.find("=== Seite 1: Kalibrierfunktionen/Anpassungstest ==="), std::string::npos);
    EXPECT_NE(evaluate.out.find("Steigung (b): 0.11834 [cps]/[\xC2\xB5g/l]"), std::string::npos);
    EXPECT_NE(evaluate.out.find("=== Seite 3: Protokoll ==="), std::string::npos);
    EXPECT_FALSE(FileExists(dir.File("zambasis.dat"))); // zam-cli creates no base data

    std::string evaluated = ReadBytes(file);
    TRun show = Cli({ "--home", dir.Path(), "show", file });
    ASSERT_EQ(show.code, kExitOk);
    EXPECT_EQ(show.out, evaluate.out);
    EXPECT_EQ(ReadBytes(file), evaluated); // nothing written

    TRun csv = Cli({ "--home", dir.Path(), "export", file, dir.File("out.csv") });
    ASSERT_EQ(csv.code, kExitOk) << csv.err;
    std::string exported = ReadBytes(dir.File("out.csv"));
    EXPECT_EQ(exported.substr(0, 31), "Kalibrierung Blei;Kalibrierung\r");
    EXPECT_NE(exported.find("Achsenabschnitt (a);0,00482;[cps]"), std::string::npos);

    // the separator of the start directory's presets
    TSList base;
    base.SetTitle("ZAM-Basisdaten");
    int pw = base.AddSection("[PWERTE]").index;
    for (int k = 0; k < 18; ++k)
        base.AddLine(pw, k == 15 ? "," : "");
    ASSERT_TRUE(base.SaveFile(dir.File("zambasis.dat"), kOpenShared));
    ASSERT_EQ(Cli({ "--home", dir.Path(), "export", file, dir.File("comma.csv") }).code, kExitOk);
    EXPECT_NE(ReadBytes(dir.File("comma.csv")).find("Achsenabschnitt (a),0.00482,[cps]"), std::string::npos);

    ASSERT_EQ(Cli({ "export", file, dir.File("out.dif") }).code, kExitOk);
    EXPECT_EQ(ReadBytes(dir.File("out.dif")).substr(0, 5), "TABLE");
    EXPECT_EQ(Cli({ "export", file, dir.File("out.txt") }).code, kExitUsage);
    EXPECT_EQ(Cli({ "show", dir.File("none.klb") }).code, kExitFileMissing);
    TRun unevaluated = Cli({ "show", dir.File("blei._kl") });
    EXPECT_EQ(unevaluated.code, kExitOk); // stored results of a never computed file: empty values, no crash
}

}

namespace zam {

TEST(CliPlot, CalibrationAsSvg)
{
    TTempDir dir;
    std::string file = EvaluatedCalibration(dir);
    std::string svg = dir.File("blei.svg");
    TRun plot = Cli({ "plot", file, svg, "--view", "2", "--size", "800x600" });
    ASSERT_EQ(plot.code, kExitOk) << plot.err;
    std::string text = ReadBytes(svg);
    EXPECT_EQ(text.rfind("<?xml", 0), 0U);
    EXPECT_NE(text.find("width=\"800\" height=\"600\""), std::string::npos);
    EXPECT_NE(text.find("Kalibrierung Blei"), std::string::npos);
    EXPECT_NE(text.find("Intensit\xC3\xA4t [cps]"), std::string::npos); // UTF-8 in the document
    std::size_t markers = 0;
    for (std::size_t p = text.find("<ellipse"); p != std::string::npos; p = text.find("<ellipse", p + 1))
        ++markers;
    EXPECT_EQ(markers, 10U);
    ASSERT_EQ(Cli({ "plot", file, dir.File("blei.png"), "--size", "640x480" }).code, kExitOk);
    EXPECT_EQ(ReadBytes(dir.File("blei.png")).substr(1, 3), "PNG");
    ASSERT_EQ(Cli({ "plot", file, dir.File("blei.pdf"), "--view", "6" }).code, kExitOk);
    EXPECT_EQ(ReadBytes(dir.File("blei.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(Cli({ "plot", file, dir.File("x.gif") }).code, kExitUsage);
    EXPECT_EQ(Cli({ "plot", file, svg, "--view", "13" }).code, kExitUsage);
    EXPECT_EQ(Cli({ "plot", dir.File("none.klb"), svg }).code, kExitFileMissing);
}

}

namespace zam {

TEST(CliPrint, PdfOfTheResultPagesAndTheGraphic)
{
    TTempDir dir;
    std::string file = EvaluatedCalibration(dir);
    std::string pdf = dir.File("blei.pdf");
    TRun print = Cli({ "print", file, pdf, "--graphic" });
    ASSERT_EQ(print.code, kExitOk) << print.err;
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    // the pages as poppler reads them, when it is installed
    std::string txt = dir.File("blei.txt");
    std::string cmd = "pdftotext -layout " + pdf + " " + txt + " 2>/dev/null";
    if (std::system(cmd.c_str()) == 0) {
        std::string text = ReadBytes(txt);
        EXPECT_NE(text.find("LINEARE KALIBRIERUNG"), std::string::npos);
        EXPECT_NE(text.find("Daten, Residuen"), std::string::npos);
        EXPECT_NE(text.find("Kalibrierung Blei"), std::string::npos);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3); // two page sheets and the graphic
    }
    EXPECT_EQ(Cli({ "print", file, dir.File("x.txt") }).code, kExitUsage);
}

}
