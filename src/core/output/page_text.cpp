#include "output/page_text.h"

#include "base/table_text_fields.h"
#include "base/text_utils.h"

#include <algorithm>

namespace zam {

namespace {
    // Writes text into the line from column `start` on, growing the line.
    void Put(std::string& line, int start, std::string_view text)
    {
        if (start < 0) {
            text.remove_prefix(std::min(text.size(), static_cast<std::size_t>(-start)));
            start = 0;
        }
        auto s = static_cast<std::size_t>(start);
        if (line.size() < s + text.size())
            line.resize(s + text.size(), ' ');
        line.replace(s, text.size(), text);
    }

    void DrawInto(std::string& line, int left, int right, std::string_view text)
    {
        for (const TTextField& f : SplitTableText(text)) {
            if (left >= right)
                break;
            int end = f.width > 0 ? std::min(left + f.width, right) : right;
            int w = end - left;
            if (f.kind != TFieldKind::Text) {
                Put(line, left, std::string(static_cast<std::size_t>(std::max(w, 0)), f.kind == TFieldKind::Underline ? '_' : '-'));
            } else {
                std::string t = f.text;
                auto len = static_cast<int>(t.size());
                switch (f.align) {
                case TFieldAlign::Right:
                case TFieldAlign::RightTab:
                    if (len > w)
                        t = t.substr(static_cast<std::size_t>(len - w));
                    Put(line, end - static_cast<int>(t.size()), t);
                    break;
                case TFieldAlign::Centre:
                    Put(line, len >= w ? left : left + (w - len) / 2, t);
                    break;
                default:
                    Put(line, left, t);
                    break;
                }
            }
            left = end;
        }
    }

    std::string RuleLine(int width, char c) { return std::string(static_cast<std::size_t>(std::max(width, 1)), c); }

    int GridWidth(const TTablePage& p)
    {
        int w = 1;
        for (int c = 0; c < p.layout.cols; ++c)
            w += p.layout.colWidths[static_cast<std::size_t>(c)] + 1;
        return w;
    }

    // Column left edges (inside the separators) of a grid page.
    std::vector<int> ColumnStarts(const TTablePage& p)
    {
        std::vector<int> starts;
        int x = 1;
        for (int c = 0; c < p.layout.cols; ++c) {
            starts.push_back(x);
            x += p.layout.colWidths[static_cast<std::size_t>(c)] + 1;
        }
        starts.push_back(x);
        return starts;
    }

    bool IsHeadingRow(const TTablePage& p, int r) { return r < p.layout.fixedRows; }
    bool IsHeadingCell(const TTablePage& p, int r, int c) { return r < p.layout.fixedRows || c < p.layout.fixedCols; }

    std::string GridRow(const TTablePage& p, int r, const std::vector<int>& starts)
    {
        std::string line(static_cast<std::size_t>(starts.back()), ' ');
        for (int c = 0; c <= p.layout.cols; ++c) {
            bool heading = c < p.layout.cols ? IsHeadingCell(p, r, c) : IsHeadingRow(p, r);
            char noVert = heading ? p.head.NoFixedVertLines : p.head.NoVertLines;
            // the separator left of column c belongs to the cell on its left
            bool edge = c == 0 || c == p.layout.cols || CellFlags(p.CellAt(r, c - 1)).right;
            if (edge && (noVert != '1' || c == 0 || c == p.layout.cols))
                line[static_cast<std::size_t>(starts[static_cast<std::size_t>(c)] - 1)] = '|';
        }
        for (int c = 0; c < p.layout.cols; ++c) {
            std::string text = CellTextWithoutFlags(p.CellAt(r, c));
            if (text.empty())
                continue;
            int e = c;
            while (e + 1 < p.layout.cols && !CellFlags(p.CellAt(r, e)).right)
                ++e;
            DrawInto(line, starts[static_cast<std::size_t>(c)], starts[static_cast<std::size_t>(e) + 1] - 1, text);
        }
        return line;
    }

    // The rule above row r (r = rows for the closing rule).
    std::string GridRule(const TTablePage& p, int r, const std::vector<int>& starts)
    {
        std::string line(static_cast<std::size_t>(starts.back()), ' ');
        for (int c = 0; c < p.layout.cols; ++c) {
            bool open = r > 0 && r < p.layout.rows && !CellFlags(p.CellAt(r, c)).top;
            if (open)
                continue;
            int from = starts[static_cast<std::size_t>(c)] - 1;
            int to = starts[static_cast<std::size_t>(c) + 1] - 1;
            for (int x = from; x <= to; ++x)
                line[static_cast<std::size_t>(x)] = (x == from || x == to) ? '+' : '-';
        }
        return line;
    }

    void RenderGrid(const TTablePage& p, std::vector<std::string>& out)
    {
        std::vector<int> starts = ColumnStarts(p);
        std::vector<std::string> rows;
        for (int r = 0; r < p.layout.rows; ++r)
            rows.push_back(GridRow(p, r, starts));
        // a rule keeps the vertical line of a block that continues through it
        auto rule = [&](int r) {
            std::string line = GridRule(p, r, starts);
            if (r > 0 && r < p.layout.rows) {
                for (std::size_t x = 0; x < line.size(); ++x) {
                    if (line[x] == ' ' && rows[static_cast<std::size_t>(r) - 1][x] == '|'
                        && rows[static_cast<std::size_t>(r)][x] == '|')
                        line[x] = '|';
                }
            }
            return TrimRight(line);
        };
        for (int r = 0; r < p.layout.rows; ++r) {
            bool heading = IsHeadingRow(p, r);
            bool firstBody = r == p.layout.fixedRows;
            if (r == 0 || firstBody || (heading && p.head.NoFixedHorzLines != '1')) {
                std::string line = rule(r);
                // inside a merged block a rule would be an empty line
                if (line.find('-') != std::string::npos)
                    out.push_back(line);
            }
            out.push_back(TrimRight(rows[static_cast<std::size_t>(r)]));
        }
        out.push_back(rule(p.layout.rows));
    }
}

std::string TableTextToPlain(std::string_view text, int width)
{
    std::string line;
    DrawInto(line, 0, std::max(width, 1), text);
    return TrimRight(line);
}

std::vector<std::string> RenderPageText(const TTablePage& page, int width)
{
    std::vector<std::string> out;
    if (!page.Shows())
        return out;
    if (page.IsGrid())
        width = std::max(width, GridWidth(page));
    for (std::size_t i = 0; i < page.leftTitles.size(); ++i) {
        std::string line = Trim(page.leftTitles[i]);
        std::string right = Trim(page.rightTitles[i]);
        if (!right.empty()) {
            int gap = std::max(width - static_cast<int>(line.size() + right.size()), 2);
            line += std::string(static_cast<std::size_t>(gap), ' ') + right;
        }
        out.push_back(TrimRight(line));
    }
    if (!page.leftTitles.empty())
        out.push_back(RuleLine(width, '='));
    if (!Trim(page.notice).empty()) {
        out.push_back(">> " + Trim(page.notice));
        out.emplace_back();
    }
    for (const auto& l : page.info)
        out.push_back(TableTextToPlain(l, width));
    if (!page.info.empty())
        out.push_back(RuleLine(width, '-'));
    if (page.IsGrid()) {
        RenderGrid(page, out);
    } else if (page.head.Kind == 'C') {
        for (const auto& l : page.lines)
            out.push_back(TrimRight(l));
    } else {
        for (std::size_t i = 0; i < page.lines.size(); ++i) {
            out.push_back(TableTextToPlain(page.lines[i], width));
            if (page.head.Kind == 'A' && static_cast<int>(i) + 1 == page.layout.fixedRows)
                out.push_back(RuleLine(width, '-'));
        }
    }
    return out;
}

}
