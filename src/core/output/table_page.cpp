#include "output/table_page.h"

#include <algorithm>

namespace zam {

namespace {
    bool ParseEntry(const std::string& line, int& row, int& col, std::string& text)
    {
        auto number = [&](std::size_t pos, int& out) {
            if (line.size() < pos + 5)
                return false;
            std::size_t b = line.find_first_not_of(' ', pos);
            if (b == std::string::npos || b >= pos + 5)
                return false;
            int v = 0;
            for (std::size_t i = b; i < pos + 5; ++i) {
                if (line[i] < '0' || line[i] > '9')
                    return false;
                v = v * 10 + (line[i] - '0');
            }
            out = v;
            return true;
        };
        if (!number(0, row) || !number(5, col))
            return false;
        text = line.substr(10, kMaxCellText);
        return true;
    }
}

TTableLayout EffectiveLayout(const TTabHead& head, int lineCount)
{
    TTableLayout l;
    l.titleCount = std::clamp(head.TitleCount, 0, 3);
    l.fixedLines = std::clamp(head.FixedLines, 0, std::max(lineCount, 0));
    l.rows = std::max(head.RowCount, 1);
    l.cols = std::clamp(head.ColCount, 1, kMaxGridCols);
    if (head.Kind == 'B') {
        l.fixedRows = std::clamp(head.FixedRows, 0, kMaxHeadingCells);
        l.fixedCols = std::clamp(head.FixedCols, 0, kMaxHeadingCells);
    } else {
        l.fixedRows = std::max(head.FixedRows, 0);
    }
    for (int j = 0; j < kMaxGridCols; ++j) {
        int w = head.ColWidths[static_cast<std::size_t>(j)];
        l.colWidths[static_cast<std::size_t>(j)] = w == 0 ? 7 : w;
    }
    return l;
}

const std::string& TTablePage::CellAt(int row, int col) const
{
    static const std::string empty;
    if (row < 0 || col < 0 || row >= layout.rows || col >= layout.cols)
        return empty;
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(layout.cols) + static_cast<std::size_t>(col)];
}

TTablePage BuildTablePage(const TSTab& table)
{
    TTablePage p;
    p.head = table.Head;
    p.layout = EffectiveLayout(table.Head, static_cast<int>(table.Lines.size()));
    for (int i = 0; i < p.layout.titleCount; ++i) {
        p.leftTitles.push_back(table.Head.LeftTitle[static_cast<std::size_t>(i)].substr(0, 80));
        p.rightTitles.push_back(table.Head.RightTitle[static_cast<std::size_t>(i)].substr(0, 80));
    }
    p.notice = table.Head.Notice.substr(0, 80);
    auto fixed = static_cast<std::size_t>(p.layout.fixedLines);
    if (p.IsGrid()) {
        p.info.assign(table.Lines.begin(), table.Lines.begin() + static_cast<long>(fixed));
        p.cells.assign(static_cast<std::size_t>(p.layout.rows) * static_cast<std::size_t>(p.layout.cols), {});
        for (std::size_t i = fixed; i < table.Lines.size(); ++i) {
            int row = 0;
            int col = 0;
            std::string text;
            if (!ParseEntry(table.Lines[i], row, col, text))
                continue;
            if (row < 1 || col < 1 || row > p.layout.rows || col > p.layout.cols)
                continue;
            p.cells[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(p.layout.cols)
                + static_cast<std::size_t>(col - 1)]
                = std::move(text);
        }
    } else {
        p.info.assign(table.Lines.begin(), table.Lines.begin() + static_cast<long>(fixed));
        p.lines.assign(table.Lines.begin() + static_cast<long>(fixed), table.Lines.end());
    }
    return p;
}

TCellFlags CellFlags(const std::string& cell)
{
    TCellFlags f;
    if (cell.size() >= 6 && cell[0] == '%' && cell[1] == '%') {
        f.left = cell[2] != '0';
        f.right = cell[3] != '0';
        f.top = cell[4] != '0';
        f.bottom = cell[5] != '0';
    }
    return f;
}

std::string CellTextWithoutFlags(const std::string& cell)
{
    if (cell.size() >= 2 && cell[0] == '%' && cell[1] == '%')
        return cell.size() > 6 ? cell.substr(6) : std::string();
    return cell;
}

}
