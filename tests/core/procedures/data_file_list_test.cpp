#include "base/section_file.h"
#include "procedures/data_file_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/time.h>

namespace zam {

using test::TTempDir;

namespace {
    void DataFile(const std::string& file, const std::string& title, long mtime)
    {
        TSList s;
        s.SetTitle(title);
        s.AddLine(s.AddSection("[HEAD]").index, "03");
        s.AddLine(s.AddSection("[DATA]").index, "x");
        s.SaveFile(file, kOpenShared);
        struct timeval times[2] = { { mtime, 0 }, { mtime, 0 } };
        ::utimes(file.c_str(), times);
    }

    std::vector<std::string> Names(const std::vector<TDataFileEntry>& e)
    {
        std::vector<std::string> n;
        for (const auto& x : e)
            n.push_back(x.name);
        return n;
    }
}

TEST(DataFileList, KnownKindsWithTitleAndDate)
{
    TTempDir dir;
    DataFile(dir.File("b.klb"), "Blei", 1700000000);
    DataFile(dir.File("A.klb"), "Zink", 1600000000);
    DataFile(dir.File("c.klb"), "", 1650000000); // first line is the header
    DataFile(dir.File("d.vho"), "Varianz", 1650000000);
    test::WriteBytes(dir.File("e.klb"), "\tcontrol\r\n");
    std::filesystem::create_directory(dir.File("f.klb"));
    auto entries = ListDataFiles(dir.Path(), "*.klb");
    EXPECT_EQ(Names(entries), (std::vector<std::string> { "A.klb", "b.klb", "c.klb" }));
    EXPECT_EQ(entries[1].kind, "Kalibrierung");
    EXPECT_EQ(entries[1].title, "Blei");
    EXPECT_EQ(entries[2].title, "");
    EXPECT_EQ(entries[1].date.size(), 16U);
    EXPECT_EQ(entries[1].date.substr(2, 1), ".");

    TDataFileSorter sorter;
    EXPECT_TRUE(sorter.SortBy(0, entries)); // the name column starts ascending: now descending
    EXPECT_EQ(Names(entries), (std::vector<std::string> { "c.klb", "b.klb", "A.klb" }));
    EXPECT_TRUE(sorter.SortBy(2, entries)); // title ascending first
    EXPECT_EQ(Names(entries), (std::vector<std::string> { "c.klb", "b.klb", "A.klb" }));
    EXPECT_TRUE(sorter.SortBy(3, entries));
    EXPECT_EQ(Names(entries), (std::vector<std::string> { "A.klb", "c.klb", "b.klb" }));
    EXPECT_TRUE(sorter.SortBy(3, entries));
    EXPECT_EQ(Names(entries), (std::vector<std::string> { "b.klb", "c.klb", "A.klb" }));
    EXPECT_FALSE(sorter.SortBy(1, entries)); // the kind column is not sortable
    EXPECT_TRUE(ListDataFiles(dir.File("missing"), "*.klb").empty());
}

}
