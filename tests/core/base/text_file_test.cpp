#include "app/scripted_dialogs.h"
#include "base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zam {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

namespace {
    std::vector<std::string> ReadAll(const std::string& file)
    {
        TTxtRFile f(file);
        f.Open(kShareAll);
        std::vector<std::string> lines;
        while (!f.EndFlag())
            lines.push_back(f.ReadLine());
        return lines;
    }
}

TEST(TextFile, ReaderDeliversLinesAsThePartSays)
{
    struct TCase {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const TCase cases[] = {
        { "empty", "", {} },
        { "no final line end", "a\r\nb", { "a", "b" } },
        { "final line end", "a\r\nb\r\n", { "a", "b" } },
        { "lf only and cr inside", "a\nb\rc\n", { "a", "b\rc" } },
        { "ctrl-z at the end", "a\r\nlast\x1A", { "a", "last" } },
        { "long line", std::string(1000, 'x') + "\r\n", { std::string(1000, 'x') } },
        { "line across blocks", std::string(5000, 'y') + "\nz", { std::string(5000, 'y'), "z" } },
        { "cr lf split over a block boundary", std::string(4095, 'q') + "\r\nw", { std::string(4095, 'q'), "w" } },
    };
    for (const auto& c : cases) {
        TTempDir dir;
        WriteBytes(dir.File("f.txt"), c.bytes);
        EXPECT_EQ(ReadAll(dir.File("f.txt")), c.lines) << c.name;
    }
}

TEST(TextFile, MissingFileIsReportedOnceWithPositionCodeFour)
{
    TTempDir dir;
    TScriptedDialogs dlg;
    TTxtRFile f(dir.File("none.txt"));
    EXPECT_FALSE(f.Open(kShareAll));
    EXPECT_TRUE(f.ErrorFlag());
    EXPECT_TRUE(f.EndFlag());
    EXPECT_EQ(f.ReadLine(), "");
    EXPECT_EQ(f.ReadLine(), "");
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, dir.File("none.txt") + ": Datei kann nicht geöffnet werden!");
    EXPECT_EQ(dlg.messages[0].kind, kMsgError);
    EXPECT_EQ(dlg.messages[0].position, 4);
    EXPECT_EQ(dlg.beeps, 1);
}

TEST(TextFile, NeverOpenedObjectSaysSo)
{
    TScriptedDialogs dlg;
    TTxtRFile r("x.txt");
    EXPECT_EQ(r.ReadLine(), "");
    TRndFile b("y.bin");
    char buf[4];
    EXPECT_EQ(b.ReadBlock(buf, 4), 0);
    EXPECT_EQ(b.ReadBlock(buf, 4), 0);
    ASSERT_EQ(dlg.messages.size(), 2U);
    EXPECT_EQ(dlg.messages[0].text, "x.txt: Datei ist nicht geöffnet!");
    EXPECT_EQ(dlg.messages[1].text, "y.bin: Datei ist nicht geöffnet!");
}

TEST(TextFile, WriterCreatesAppenderAppendsBinaryFileReadsBack)
{
    TTempDir dir;
    std::string file = dir.File("out.txt");
    {
        TTxtWFile w(file);
        ASSERT_TRUE(w.Open(kShareNone));
        w.WriteLine("eins");
        w.WriteLine("zwei");
    }
    {
        TTxtAFile a(file);
        ASSERT_TRUE(a.Open(kShareNone));
        a.WriteLine("drei");
    }
    EXPECT_EQ(ReadBytes(file), "eins\r\nzwei\r\ndrei\r\n");
    {
        TTxtWFile w(file);
        ASSERT_TRUE(w.Open(kShareAll));
        w.WriteLine("neu");
    }
    EXPECT_EQ(ReadBytes(file), "neu\r\n");

    std::string bin = dir.File("s.sys");
    {
        TRndFile f(bin);
        ASSERT_TRUE(f.Rewrite(kShareAll));
        EXPECT_EQ(f.WriteBlock("\x01\x02\x03", 3), 3);
    }
    TRndFile f(bin);
    ASSERT_TRUE(f.Open(kShareAll));
    char buf[8];
    EXPECT_EQ(f.ReadBlock(buf, 8), 3);
    EXPECT_EQ(f.LastCount(), 3);
    EXPECT_EQ(f.ReadBlock(buf, 8), 0);
}

TEST(TextFile, ExclusiveOpenRefusesASecondExclusiveOpen)
{
    TTempDir dir;
    std::string file = dir.File("x.txt");
    WriteBytes(file, "a\r\n");
    TScriptedDialogs dlg;
    TTxtRFile first(file);
    ASSERT_TRUE(first.Open(kShareNone));
    TTxtRFile second(file);
    EXPECT_FALSE(second.Open(kShareNone));
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, file + ": Datei kann nicht geöffnet werden!");
    TTxtRFile shared(file);
    EXPECT_TRUE(shared.Open(kShareAll));
}

}
