#include "app/scripted_dialogs.h"
#include "base/line_scramble.h"
#include "base/section_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

namespace zam {

using test::TTempDir;
using test::WriteBytes;

namespace {
    struct TBadInput {
        const char* name;
        std::function<std::string(const TTempDir&)> make; // returns the file name to load
        bool loads;
        const char* message; // "" for silence
        int sections;
    };

    std::string Scrambled(std::string line, int n)
    {
        ScrambleLine(line, n);
        return line;
    }
}

TEST(SectionFileBadInput, NeverCrashesAndSaysWhatThePartSays)
{
    const TBadInput cases[] = {
        { "empty file",
            [](const TTempDir& d) {
                WriteBytes(d.File("e.klb"), "");
                return d.File("e.klb");
            },
            true, "", 0 },
        { "random bytes",
            [](const TTempDir& d) {
                std::mt19937 rng(42);
                std::string b(100000, ' ');
                for (char& c : b)
                    c = static_cast<char>(rng());
                WriteBytes(d.File("r.klb"), b);
                return d.File("r.klb");
            },
            true, "", -1 },
        { "one line of a megabyte",
            [](const TTempDir& d) {
                WriteBytes(d.File("l.klb"),
                    Scrambled("[HEAD]", 0) + "\r\n" + std::string(1 << 20, 'x') + "\r\n" + Scrambled("[DATA]", 2) + "\r\n");
                return d.File("l.klb");
            },
            true, "", 2 },
        { "ten thousand headers",
            [](const TTempDir& d) {
                std::string b;
                for (int i = 0; i < 10000; ++i)
                    b += Scrambled("[RESULTS]", i) + "\r\n";
                WriteBytes(d.File("h.klb"), b);
                return d.File("h.klb");
            },
            true, "", 30 },
        { "missing file", [](const TTempDir& d) { return d.File("missing.klb"); }, false, "", 0 },
        { "empty name", [](const TTempDir&) { return std::string(); }, false, "", 0 },
        { "a directory",
            [](const TTempDir& d) {
                std::filesystem::create_directory(d.File("dir.klb"));
                return d.File("dir.klb");
            },
            false, "dir.klb: Datei kann nicht geöffnet werden!", 0 },
    };
    for (const auto& c : cases) {
        TTempDir dir;
        TScriptedDialogs dlg;
        std::string file = c.make(dir);
        TSList s;
        EXPECT_EQ(s.LoadFile(file, kOpenExclusive), c.loads) << c.name;
        if (c.sections >= 0) {
            EXPECT_EQ(s.SectionCount(), c.sections) << c.name;
        }
        if (*c.message == '\0') {
            EXPECT_TRUE(dlg.messages.empty()) << c.name;
        } else {
            ASSERT_EQ(dlg.messages.size(), 1U) << c.name;
            EXPECT_EQ(dlg.messages[0].text, dir.Path() + "/" + c.message) << c.name;
            EXPECT_EQ(dlg.messages[0].position, 4) << c.name;
        }
    }
}

TEST(SectionFileBadInput, MissingFileIsWaitedForOnce)
{
    TTempDir dir;
    TSList::SetMissingFileRetry(200);
    auto start = std::chrono::steady_clock::now();
    TSList s;
    EXPECT_FALSE(s.LoadFile(dir.File("none.klb"), kOpenShared));
    TSList::SetMissingFileRetry(0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
}

TEST(SectionFileBadInput, FailedSaveInAReadOnlyFolderKeepsThePreviousFile)
{
    TTempDir dir;
    std::string file = dir.File("keep.klb");
    TSList s;
    s.AddLine(s.AddSection("[HEAD]").index, "old");
    s.AddLine(s.AddSection("[DATA]").index, "old");
    ASSERT_TRUE(s.SaveFile(file, kOpenExclusive));
    std::string before = test::ReadBytes(file);
    namespace fs = std::filesystem;
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
            | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    bool ok = test::RunUnprivileged([&] {
        TScriptedDialogs dlg;
        TSList t = s;
        t.SetLine(1, 0, "new");
        return !t.SaveFile(file, kOpenExclusive) && dlg.messages.size() == 1
            && dlg.messages[0].text == file + ": Datei kann nicht geöffnet werden!";
    });
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(test::ReadBytes(file), before);
}

TEST(SectionFileBadInput, SaveOntoADirectoryFailsAndLeavesNoTemporaryFile)
{
    TTempDir dir;
    std::string target = dir.File("isdir.klb");
    std::filesystem::create_directory(target);
    TScriptedDialogs dlg;
    TSList s;
    s.AddLine(s.AddSection("[HEAD]").index, "x");
    EXPECT_FALSE(s.SaveFile(target, kOpenExclusive));
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, target + ": Schreibfehler!");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SectionFileBadInput, SaveIntoAMissingFolderFails)
{
    TTempDir dir;
    TScriptedDialogs dlg;
    TSList s;
    s.AddLine(s.AddSection("[HEAD]").index, "x");
    std::string target = dir.File("no/such/folder.klb");
    EXPECT_FALSE(s.SaveFile(target, kOpenShared));
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, target + ": Datei kann nicht geöffnet werden!");
}

}
