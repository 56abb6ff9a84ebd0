#include "output/exchange_table.h"

#include "app/clipboard.h"
#include "base/clipboard_text.h"
#include "base/cp1252.h"
#include "base/file_names.h"
#include "base/text_file.h"
#include "base/text_utils.h"
#include "output/csv_text.h"

#include <algorithm>

namespace zam {

namespace {
    constexpr char kRowCellSeparator = '\xA5';
    // Addresses beyond the rows of any spreadsheet of the day are not taken:
    // padding up to them would fill memory with empty rows.
    constexpr int kMaxAddressRow = 65536;

    std::vector<std::string> ReadLines(const std::string& fileName)
    {
        std::vector<std::string> lines;
        TTxtRFile f(fileName);
        if (!f.Open(kShareAll))
            return lines;
        while (!f.EndFlag()) {
            std::string line = f.ReadLine();
            if (f.ErrorFlag())
                break;
            lines.push_back(std::move(line));
        }
        return lines;
    }

    std::string ExtensionLower(const std::string& fileName) { return LowerCase(FileNamePart(fileName)); }
    bool IsCsvName(const std::string& f) { return ExtensionLower(f).find("csv") != std::string::npos; }
    bool IsDifName(const std::string& f) { return ExtensionLower(f).find("dif") != std::string::npos; }
}

TCellAddress ParseCellAddress(std::string_view address)
{
    std::string t;
    for (char c : address)
        if (c != ' ')
            t += c;
    t = UpperCase(t);
    std::size_t letters = 0;
    while (letters < t.size() && t[letters] >= 'A' && t[letters] <= 'Z')
        ++letters;
    if (letters < 1 || letters > 2 || letters == t.size() || t.size() - letters > 6)
        return {};
    int row = 0;
    for (std::size_t i = letters; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return {};
        row = row * 10 + (t[i] - '0');
    }
    if (row < 1 || row > kMaxAddressRow)
        return {};
    int col = letters == 1 ? t[0] - 'A' + 1 : (t[0] - 'A' + 1) * 26 + (t[1] - 'A' + 1);
    return { col, row };
}

std::string CellAddress(int col, int row)
{
    if (col < 1 || col > 702 || row < 1 || row > 9999)
        return {};
    std::string letters;
    if (col > 26) {
        int first = (col - 1) / 26;
        int second = col - first * 26;
        letters += static_cast<char>('A' + first - 1);
        letters += static_cast<char>('A' + second - 1);
    } else {
        letters += static_cast<char>('A' + col - 1);
    }
    return letters + std::to_string(row);
}

int TXTab::ColCount() const
{
    std::size_t n = 0;
    for (const auto& r : rows_)
        n = std::max(n, r.size());
    return static_cast<int>(n);
}

std::string TXTab::GetCellAt(int col, int row) const
{
    if (row < 1 || row > RowCount() || col < 1)
        return {};
    const auto& r = rows_[static_cast<std::size_t>(row - 1)];
    if (col > static_cast<int>(r.size()))
        return {};
    return TrimRight(r[static_cast<std::size_t>(col - 1)]);
}

std::string TXTab::GetCell(std::string_view address) const
{
    TCellAddress a = ParseCellAddress(address);
    return a.Valid() ? GetCellAt(a.col, a.row) : std::string();
}

void TXTab::SetCellRC(int col, int row, std::string_view text)
{
    if (col < 1 || row < 1 || col > 702 || row > kMaxAddressRow)
        return;
    if (RowCount() < row)
        rows_.resize(static_cast<std::size_t>(row));
    auto& r = rows_[static_cast<std::size_t>(row - 1)];
    if (static_cast<int>(r.size()) < col)
        r.resize(static_cast<std::size_t>(col));
    std::string t = TrimRight(text);
    std::replace(t.begin(), t.end(), kRowCellSeparator, '.');
    r[static_cast<std::size_t>(col - 1)] = std::move(t);
}

void TXTab::SetCell(std::string_view address, std::string_view text)
{
    TCellAddress a = ParseCellAddress(address);
    if (a.Valid())
        SetCellRC(a.col, a.row, text);
}

void TXTab::SetCellAt(std::string_view address, int colOffset, std::string_view text, int rowOffset)
{
    TCellAddress a = ParseCellAddress(address);
    if (!a.Valid())
        return;
    int col = a.col + colOffset;
    int row = a.row + rowOffset;
    if (col > 0 && row > 0)
        SetCellRC(col, row, text);
}

std::vector<std::string> TXTab::CsvLines(char separator) const
{
    std::vector<std::string> lines;
    for (const auto& r : rows_)
        lines.push_back(CsvLine(JoinFields(r, kRowCellSeparator), kRowCellSeparator, separator, false));
    return lines;
}

void TXTab::ReadCsvLines(const std::vector<std::string>& input, char separator)
{
    Clear();
    // A quoted field may hold line breaks: lines with an odd count of quotes
    // are joined with the next one.
    std::vector<std::string> lines;
    std::string pending;
    bool open = false;
    for (const auto& l : input) {
        if (open) {
            pending += " " + l;
        } else {
            pending = l;
        }
        if (CountChar(l, '"') % 2 == 1)
            open = !open;
        if (!open)
            lines.push_back(std::move(pending));
    }
    if (open)
        lines.push_back(pending + "\"");

    for (const auto& line : lines) {
        std::vector<std::string> cells;
        std::size_t i = 0;
        while (true) {
            std::string field;
            if (i < line.size() && line[i] == '"') {
                ++i;
                while (i < line.size()) {
                    if (line[i] == '"') {
                        if (i + 1 < line.size() && line[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += line[i++];
                }
            }
            std::size_t sep = line.find(separator, i);
            field += line.substr(i, sep == std::string::npos ? std::string::npos : sep - i);
            cells.push_back(Trim(field));
            if (sep == std::string::npos)
                break;
            i = sep + 1;
        }
        for (auto& c : cells)
            std::replace(c.begin(), c.end(), kRowCellSeparator, '.');
        rows_.push_back(std::move(cells));
    }
}

bool TXTab::LoadCsv(const std::string& fileName, char separator)
{
    Clear();
    if (!FileAppears(fileName))
        return false;
    ReadCsvLines(ReadLines(fileName), separator);
    return true;
}

bool TXTab::SaveCsv(const std::string& fileName, char separator) const
{
    return WriteTextLines(fileName, CsvLines(separator));
}

std::vector<std::string> TXTab::DifLines() const
{
    int r = RowCount();
    int c = ColCount();
    std::vector<std::string> out { "TABLE", "0,1", "\"KEV-TABLE\"", "VECTORS", "0," + std::to_string(c), "\"\"", "TUPLES",
        "0," + std::to_string(r), "\"\"", "DATA", "0,0", "\"\"" };
    for (const auto& row : rows_) {
        out.emplace_back("-1,0");
        out.emplace_back("BOT");
        for (int j = 0; j < c; ++j) {
            std::string cell = j < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(j)] : std::string();
            std::string t = Trim(cell);
            if (t.empty()) {
                out.emplace_back("1,0");
                out.push_back("\"" + cell + "\"");
                continue;
            }
            if (t == "WAHR") {
                out.emplace_back("0,1");
                out.emplace_back("TRUE");
                continue;
            }
            if (t == "FALSCH") {
                out.emplace_back("0,0");
                out.emplace_back("FALSE");
                continue;
            }
            if (t.back() == '.')
                t.pop_back();
            if (IsRealSyntax(t)) {
                std::replace(t.begin(), t.end(), '.', ',');
                out.push_back("0," + t);
                out.emplace_back("V");
            } else {
                out.emplace_back("1,0");
                out.push_back(QuoteCsv(cell));
            }
        }
    }
    out.emplace_back("-1,0");
    out.emplace_back("EOD");
    return out;
}

bool TXTab::SaveDif(const std::string& fileName, bool oem) const
{
    std::vector<std::string> lines = DifLines();
    if (oem) {
        for (auto& l : lines)
            l = AnsiToOem(l);
    }
    return WriteTextLines(fileName, lines);
}

bool TXTab::ReadDifLines(const std::vector<std::string>& lines)
{
    Clear();
    std::size_t i = 0;
    while (i < lines.size() && Trim(lines[i]) != "DATA")
        ++i;
    if (i == lines.size())
        return false;
    while (i < lines.size() && Trim(lines[i]) != "BOT")
        ++i;
    if (i == lines.size())
        return false;
    ++i;
    std::vector<std::string> row;
    while (i < lines.size()) {
        std::string type = Trim(lines[i]);
        std::string value = i + 1 < lines.size() ? Trim(lines[i + 1]) : std::string();
        i += 2;
        if (type == "-1,0") {
            if (value == "BOT") {
                rows_.push_back(std::move(row));
                row.clear();
                continue;
            }
            if (value == "EOD")
                break;
        }
        std::string cell;
        if (type == "1,0") {
            std::string v = value;
            if (!v.empty() && v[0] == '"')
                v = v.size() >= 2 ? v.substr(1, v.size() - 2) : std::string();
            for (std::size_t k = 0; k < v.size(); ++k) {
                cell += v[k];
                if (v[k] == '"' && k + 1 < v.size() && v[k + 1] == '"')
                    ++k;
            }
        } else if (type.rfind("0,", 0) == 0) {
            if (value == "V")
                cell = type.substr(2);
            else if (value == "TRUE")
                cell = "WAHR";
            else if (value == "FALSE")
                cell = "FALSCH";
        }
        std::replace(cell.begin(), cell.end(), kRowCellSeparator, '.');
        row.push_back(std::move(cell));
    }
    rows_.push_back(std::move(row));
    return true;
}

bool TXTab::LoadDif(const std::string& fileName, bool oem)
{
    Clear();
    if (!FileAppears(fileName))
        return false;
    std::vector<std::string> lines = ReadLines(fileName);
    if (oem) {
        for (auto& l : lines)
            l = OemToAnsi(l);
    }
    return ReadDifLines(lines);
}

bool TXTab::LoadFile(const std::string& fileName, char separator, bool oem)
{
    if (IsCsvName(fileName))
        return LoadCsv(fileName, separator);
    if (IsDifName(fileName))
        return LoadDif(fileName, oem);
    Clear();
    return false;
}

bool TXTab::SaveFile(const std::string& fileName, char separator, bool oem) const
{
    if (IsCsvName(fileName))
        return SaveCsv(fileName, separator);
    if (IsDifName(fileName))
        return SaveDif(fileName, oem);
    return WriteTextLines(fileName, { "" });
}

std::string TXTab::ClipboardText() const
{
    int c = ColCount();
    std::string out;
    for (const auto& row : rows_) {
        for (int j = 0; j < c; ++j) {
            std::string cell = j < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(j)] : std::string();
            if (cell.find('.') != std::string::npos && IsRealSyntax(cell))
                std::replace(cell.begin(), cell.end(), '.', ',');
            if (j > 0)
                out += '\t';
            out += cell;
        }
        out += "\r\n";
    }
    return out;
}

void TXTab::CopyToClipboard() const { Clipboard().SetText(ClipboardText()); }

void TXTab::ReadClipboardText(const std::string& text)
{
    Clear();
    for (auto& piece : ClipboardRows(text)) {
        if (piece.remainder && (piece.text.empty() || piece.text == "\n"))
            continue;
        std::vector<std::string> cells;
        for (auto& c : SplitFields(piece.text, '\t'))
            cells.push_back(UnquoteCell(c));
        for (auto& c : cells)
            std::replace(c.begin(), c.end(), kRowCellSeparator, '.');
        rows_.push_back(std::move(cells));
    }
}

bool TXTab::LoadClipboard()
{
    if (!Clipboard().HasText())
        return false;
    ReadClipboardText(Clipboard().GetText());
    return true;
}

}
