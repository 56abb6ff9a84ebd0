#include "procedures/data_file_list.h"

#include "app/file_choice.h"
#include "base/line_scramble.h"
#include "base/os_path.h"
#include "base/section_file.h"
#include "base/text_utils.h"
#include "procedures/procedure_kind.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace zam {

namespace fs = std::filesystem;

namespace {
    std::string FirstRawLine(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        char buf[512];
        in.read(buf, sizeof buf);
        std::string head(buf, static_cast<std::size_t>(in.gcount()));
        std::size_t end = head.find_first_of("\r\n");
        return head.substr(0, end);
    }

    std::string DateText(std::time_t t)
    {
        std::tm tm {};
        localtime_r(&t, &tm);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900,
            tm.tm_hour, tm.tm_min);
        return buf;
    }
}

std::vector<std::string> DataFileColumns() { return { "Datei ", "Typ", "Inhalt", "Datum" }; }

std::vector<TDataFileEntry> ListDataFiles(const std::string& directory, const std::string& pattern)
{
    std::vector<TDataFileEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(ToOsPath(directory), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fe;
        if (!it->is_regular_file(fe))
            continue;
        std::string name = FromOsPath(it->path().filename());
        if (!MatchesPattern(name, pattern))
            continue;
        int kind = ProcedureKindOfFile(name);
        if (kind == 0)
            continue;
        std::string first = FirstRawLine(it->path());
        if (std::any_of(first.begin(), first.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
            continue;
        ScrambleLine(first, 0);
        TDataFileEntry e;
        e.name = name;
        e.kind = KindName(kind);
        e.title = !first.empty() && first[0] == '[' ? std::string() : Trim(first);
        struct stat st { };
        std::time_t t = ::stat(it->path().c_str(), &st) == 0 ? st.st_mtime : 0;
        e.sortTime = static_cast<long long>(t);
        e.date = DateText(t);
        entries.push_back(std::move(e));
    }
    std::sort(entries.begin(), entries.end(),
        [](const TDataFileEntry& a, const TDataFileEntry& b) { return LowerCase(a.name) < LowerCase(b.name); });
    return entries;
}

TSortOrder TDataFileSorter::Order(int column) const
{
    return column >= 0 && column < 4 ? orders_[column] : TSortOrder::None;
}

bool TDataFileSorter::SortBy(int column, std::vector<TDataFileEntry>& entries)
{
    if (column != 0 && column != 2 && column != 3)
        return false;
    TSortOrder next = orders_[column] == TSortOrder::Ascending ? TSortOrder::Descending : TSortOrder::Ascending;
    if (orders_[column] == TSortOrder::None)
        next = TSortOrder::Ascending;
    for (auto& o : orders_)
        o = TSortOrder::None;
    orders_[column] = next;
    auto key = [column](const TDataFileEntry& e) { return LowerCase(column == 0 ? e.name : e.title); };
    std::stable_sort(entries.begin(), entries.end(), [&](const TDataFileEntry& a, const TDataFileEntry& b) {
        bool less = column == 3 ? a.sortTime < b.sortTime : key(a) < key(b);
        bool greater = column == 3 ? b.sortTime < a.sortTime : key(b) < key(a);
        return next == TSortOrder::Ascending ? less : greater;
    });
    return true;
}

}
