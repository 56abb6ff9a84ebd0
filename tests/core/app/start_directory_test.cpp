#include "app/settings.h"
#include "app/start_directory.h"
#include "base/file_names.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace zam {

using test::TTempDir;

TEST(StartDirectory, FreshStartUsesTheDefaults)
{
    TTempDir dir;
    TStartX s;
    s.StartWork(dir.Path() + "/");
    EXPECT_EQ(s.startDir, dir.Path());
    EXPECT_EQ(s.dataDir, dir.Path()); // no data folder
    EXPECT_EQ(s.copyDir, dir.Path());
    EXPECT_EQ(s.importDir, s.dataDir);
    EXPECT_EQ(s.exportDir, s.dataDir);
    EXPECT_EQ(s.helpFile, dir.File("zam.chm"));
    EXPECT_EQ(s.settingsFile, dir.File("zam.sys"));
    EXPECT_EQ(s.baseTitle, "ZAM");
    EXPECT_EQ(s.copyFileBase, dir.File("zamcopy"));

    std::filesystem::create_directory(dir.File("data"));
    std::filesystem::create_directory(dir.File("copy"));
    s.StartWork(dir.Path());
    EXPECT_EQ(s.dataDir, dir.File("data"));
    EXPECT_EQ(s.copyDir, dir.File("copy"));
    EXPECT_EQ(s.importDir, dir.File("data"));
}

TEST(StartDirectory, WorkFilesAreCheckedAndKeepTheirCase)
{
    TTempDir dir;
    std::filesystem::create_directory(dir.File("Labor Daten"));
    TStartX s;
    s.StartWork(dir.Path());
    ASSERT_TRUE(s.WriteWorkFile("pth", dir.File("Labor Daten")));
    ASSERT_TRUE(s.WriteWorkFile("imp", "/somewhere/Import"));
    ASSERT_TRUE(s.WriteWorkFile("fil", dir.File("missing.dat")));
    ASSERT_TRUE(s.WriteWorkFile("cpy", dir.File("gone")));
    EXPECT_EQ(test::ReadBytes(dir.File("zam.pth")), dir.File("Labor Daten") + "\r\n");
    s.StartWork(dir.Path());
    EXPECT_EQ(s.dataDir, dir.File("Labor Daten"));
    EXPECT_EQ(s.importDir, "/somewhere/Import");
    EXPECT_EQ(s.exportDir, dir.File("Labor Daten"));
    EXPECT_EQ(s.baseDataChoice, "");
    EXPECT_EQ(s.copyDir, dir.Path());
}

TEST(StartDirectory, ResolvedFromOptionEnvironmentProgramOrDataHome)
{
    TTempDir dir;
    EXPECT_EQ(ResolveStartDirectory(dir.File("made/by/option"), ""), dir.File("made/by/option"));
    EXPECT_TRUE(IsDirectory(dir.File("made/by/option")));
    ::setenv("ZAM_HOME", dir.File("env").c_str(), 1);
    EXPECT_EQ(ResolveStartDirectory("", "/usr/bin"), dir.File("env"));
    ::unsetenv("ZAM_HOME");
    EXPECT_EQ(ResolveStartDirectory("", dir.Path()), dir.Path());
    std::string old = std::getenv("XDG_DATA_HOME") != nullptr ? std::getenv("XDG_DATA_HOME") : "";
    ::setenv("XDG_DATA_HOME", dir.File("xdg").c_str(), 1);
    EXPECT_EQ(ResolveStartDirectory("", dir.File("not/there")), dir.File("xdg/zam"));
    if (old.empty())
        ::unsetenv("XDG_DATA_HOME");
    else
        ::setenv("XDG_DATA_HOME", old.c_str(), 1);
}

}
