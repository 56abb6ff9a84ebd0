#include "output/result_tables.h"

#include "output/table_page.h"

#include <algorithm>
#include <cstdio>

namespace zam {

std::string CellEntry(int row, int col, std::string_view text)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5d%5d", row, col);
    return buf + std::string(text);
}

TPageEntry ParsePageEntry(std::string_view entry)
{
    auto number = [&](std::size_t pos, std::size_t len) {
        int v = 0;
        for (std::size_t i = pos; i < pos + len && i < entry.size(); ++i) {
            if (entry[i] < '0' || entry[i] > '9')
                return 0;
            v = v * 10 + (entry[i] - '0');
        }
        return v;
    };
    TPageEntry e;
    e.plot = number(0, 2);
    e.helpContext = number(2, 4);
    e.caption = entry.size() > 6 ? std::string(entry.substr(6)) : std::string();
    return e;
}

std::string MakePageEntry(int plot, int helpContext, std::string_view caption)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%04d", std::clamp(plot, 0, 99), std::clamp(helpContext, 0, 9999));
    return (buf + std::string(caption)).substr(0, 80);
}

void TTMng::ClearPages()
{
    for (auto& t : tables_)
        t.reset();
    for (auto& p : pages_)
        p.clear();
    buttonFlags_.clear();
    CommandCode = 0;
    Current = 0;
    FirstPage = 0;
    HelpDefault = 0;
}

void TTMng::SelectTable(int index)
{
    if (index < 1 || index > kMaxTables) {
        Current = 0;
        return;
    }
    tables_[static_cast<std::size_t>(index - 1)] = std::make_unique<TSTab>();
    Current = index;
}

TSTab* TTMng::CurrentTable()
{
    if (Current < 1 || Current > kMaxTables)
        return nullptr;
    return tables_[static_cast<std::size_t>(Current - 1)].get();
}

void TTMng::SetTableHead(const TTabHead& head)
{
    if (TSTab* t = CurrentTable())
        t->Head = head;
}

void TTMng::StartTable(int index, const TTabHead& head)
{
    SelectTable(index);
    SetTableHead(head);
}

void TTMng::AddTableLine(std::string text)
{
    if (TSTab* t = CurrentTable())
        t->Lines.push_back(std::move(text));
}

void TTMng::PutCell(int row, int col, std::string_view text)
{
    if (!text.empty())
        AddTableLine(CellEntry(row, col, text));
}

void TTMng::PutBlock(int row1, int row2, int col1, int col2, std::string_view upper, std::string_view lower)
{
    int rlo = std::min(row1, row2);
    int rhi = std::max(row1, row2);
    int clo = std::min(col1, col2);
    int chi = std::max(col1, col2);
    int textCol = col1;
    int textRow1 = row1 <= row2 ? row2 - 1 : row2;
    int textRow2 = textRow1 + 1;
    if (rlo == rhi) {
        std::string_view text = upper.empty() ? lower : upper;
        if (clo == chi) {
            PutCell(rlo, clo, text);
            return;
        }
        for (int j = clo; j <= chi; ++j) {
            std::string cell = j == clo ? "%%1011" : j == chi ? "%%0111" : "%%0011";
            if (j == textCol)
                cell += text;
            PutCell(rlo, j, cell);
        }
        return;
    }
    for (int j = clo; j <= chi; ++j) {
        std::string colPair = clo == chi ? "11" : j == clo ? "10" : j == chi ? "01" : "00";
        for (int i = rlo; i <= rhi; ++i) {
            std::string rowPair = i == rlo ? "10" : i == rhi ? "01" : "00";
            std::string cell = "%%" + colPair + rowPair;
            if (j == textCol && i == textRow1)
                cell += upper;
            else if (j == textCol && i == textRow2)
                cell += lower;
            PutCell(i, j, cell);
        }
    }
}

void TTMng::AddTable(int index, const TTabHead& head, const std::vector<std::string>& lines)
{
    StartTable(index, head);
    for (const auto& l : lines)
        AddTableLine(l);
}

const TSTab* TTMng::Table(int index) const
{
    if (index < 1 || index > kMaxTables)
        return nullptr;
    return tables_[static_cast<std::size_t>(index - 1)].get();
}

const std::string& TTMng::PageEntry(int index) const
{
    static const std::string empty;
    if (index < 1 || index > kMaxTables)
        return empty;
    return pages_[static_cast<std::size_t>(index - 1)];
}

void TTMng::SetPageEntry(int index, std::string_view entry)
{
    if (index >= 1 && index <= kMaxTables)
        pages_[static_cast<std::size_t>(index - 1)] = std::string(entry.substr(0, 80));
}

void TTMng::SetButtonFlags(std::string_view flags) { buttonFlags_ = std::string(flags.substr(0, 20)); }

int TTMng::VisiblePageCount() const
{
    int n = 0;
    while (n < kMaxTables && !pages_[static_cast<std::size_t>(n)].empty())
        ++n;
    return n;
}

int TTMng::HelpContextOf(int index) const
{
    int own = ParsePageEntry(PageEntry(index)).helpContext;
    if (own > 0)
        return own;
    long long product = static_cast<long long>(CommandCode) * 10;
    return product > 0 && product <= 2147483647 ? static_cast<int>(product) : 100000;
}

bool TTMng::ShowTable(int index, TTableDisplay& target) const
{
    const TSTab* t = Table(index);
    if (t == nullptr)
        return false;
    target.ShowPage(BuildTablePage(*t));
    return true;
}

TTMng& TableManager()
{
    static TTMng manager;
    return manager;
}

}
