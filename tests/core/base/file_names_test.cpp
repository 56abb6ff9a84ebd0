#include "app/scripted_dialogs.h"
#include "base/file_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zam {

using test::TTempDir;

TEST(FileNames, DerivedNamesLookAtTheFileNamePartOnly)
{
    EXPECT_EQ(ReplaceExt("/daten.alt/probe", std::string_view("klb")), "/daten.alt/probe.klb");
    EXPECT_EQ(ReplaceExt("/daten/probe.tmp.klb", std::string_view("sys")), "/daten/probe.tmp.sys");
    EXPECT_EQ(ReplaceExt("/daten/probe.klb", std::nullopt), "/daten/probe");
    EXPECT_EQ(LockFileName("/lab.v2/series.klb"), "/lab.v2/series.§kl");
    EXPECT_EQ(LockFileName("/lab.v2/series"), "/lab.v2/series.§");
    EXPECT_EQ(BackupFileName("/lab.v2/series.klb"), "/lab.v2/series._kl");
    EXPECT_EQ(BackupFileName("series.k"), "series._k");
    EXPECT_EQ(ExtensionOf("/lab.v2/series.klb"), ".klb");
    EXPECT_EQ(ExtensionOf("/lab.v2/series"), "");
    EXPECT_EQ(ExtensionOf("a.b.c"), ".b.c");
    EXPECT_EQ(FileNamePart("/a/b/c.klb"), "c.klb");
    EXPECT_EQ(DirectoryPart("/a/b/c.klb"), "/a/b");
    EXPECT_EQ(DirectoryPart("/c.klb"), "/");
    EXPECT_EQ(DirectoryPart("c.klb"), "");
}

TEST(FileNames, JoinAndNormalize)
{
    EXPECT_EQ(JoinPath("/daten", "probe.klb"), "/daten/probe.klb");
    EXPECT_EQ(JoinPath("/daten/", "probe.klb"), "/daten/probe.klb");
    EXPECT_EQ(JoinPath("/daten/", "/x/y.klb"), "/x/y.klb");
    EXPECT_EQ(JoinPath("", "y.klb"), "y.klb");
    TTempDir dir;
    EXPECT_EQ(NormalizeDirectory(dir.Path() + "///"), dir.Path());
    EXPECT_EQ(NormalizeDirectory("///"), "/");
    EXPECT_EQ(NormalizeDirectory(dir.File("missing")), "");
    EXPECT_TRUE(DirectoryUsable(""));
    EXPECT_TRUE(DirectoryUsable(dir.Path()));
    EXPECT_FALSE(DirectoryUsable(dir.File("missing")));
}

TEST(FileNames, ShortenPathKeepsHeadAndTail)
{
    EXPECT_EQ(ShortenPath("/Daten/Labor/2024/Kalibrierung/probe1.klb", 30), "/Daten/.../probe1.klb");
    std::string name25 = "/abc/defgh/ijklmn/opq.klb";
    ASSERT_EQ(name25.size(), 25U);
    EXPECT_EQ(ShortenPath(name25, 10), name25);
    EXPECT_EQ(ShortenPath("probe-without-directory-and-very-long-name.klb", 30),
        "probe-without-directory-and-very-long-name.klb");
    EXPECT_EQ(ShortenPath("/a/b/c/d/e/f/g/h/i/j/k/l/m/n/o/p.klb", 30), "/a/b/c/d/e/.../l/m/n/o/p.klb");
}

TEST(FileNames, CreatingProbingAndSingleLines)
{
    TTempDir dir;
    std::string f = dir.File("neu.txt");
    EXPECT_TRUE(CanCreateFile(f));
    EXPECT_FALSE(FileExists(f));
    EXPECT_TRUE(CreateEmptyFile(f));
    EXPECT_TRUE(FileExists(f));
    EXPECT_FALSE(CreateEmptyFile(dir.File("no/such.txt")));
    EXPECT_FALSE(CanCreateFile(dir.File("no/such.txt")));
    EXPECT_EQ(ReadFirstLine(dir.File("missing.txt")), "");
    EXPECT_EQ(ReadFirstLine(f), "");
    EXPECT_TRUE(WriteSingleLine(f, "Zeile äöü"));
    EXPECT_EQ(test::ReadBytes(f), "Zeile äöü\r\n");
    test::WriteBytes(f, "first\rsecond");
    EXPECT_EQ(ReadFirstLine(f), "first");
}

TEST(FileNames, UmlautsReachTheFileSystemAsUtf8)
{
    TTempDir dir;
    std::string f = dir.File("Prüfung.klb");
    ASSERT_TRUE(CreateEmptyFile(f));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() + "/Pr\xC3\xBC" "fung.klb"));
}

}
