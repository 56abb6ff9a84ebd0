#pragma once

#include <string>
#include <vector>

namespace zam {

// One line of the report list of the extended file selection.
struct TDataFileEntry {
    std::string name; // file name as on disk
    std::string kind; // kind name
    std::string title; // first line unscrambled; empty when it is a header
    std::string date; // "dd.mm.yyyy hh:mm" of the modification time
    long long sortTime = 0; // the modification time for sorting
};

// The files of a directory that match the pattern (e.g. "*.klb"), have a
// known kind and a first line without control characters.
std::vector<TDataFileEntry> ListDataFiles(const std::string& directory, const std::string& pattern);

// Columns 0 "Datei ", 2 "Inhalt", 3 "Datum" sort case-insensitively; the
// kind column 1 is not sortable.
enum class TSortOrder { None, Ascending, Descending };
class TDataFileSorter {
public:
    // Sorts by the column in the order opposite to its current one (a column
    // not yet used ascending first); false for the kind column.
    bool SortBy(int column, std::vector<TDataFileEntry>& entries);
    TSortOrder Order(int column) const;

private:
    TSortOrder orders_[4] = { TSortOrder::Ascending, TSortOrder::None, TSortOrder::None, TSortOrder::None };
};

std::vector<std::string> DataFileColumns();

}
