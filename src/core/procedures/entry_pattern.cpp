#include "procedures/entry_pattern.h"

#include "app/base_data.h"
#include "app/clipboard.h"
#include "app/user_dialogs.h"
#include "base/clipboard_text.h"
#include "base/dates.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "base/table_text.h"
#include "base/text_utils.h"
#include "procedures/procedure_kind.h"

namespace zam {

TEntryModel::TEntryModel(std::vector<std::string> columnCaptions, int rows)
    : grid(static_cast<int>(columnCaptions.size()) + 1, rows + 1)
    , original_(static_cast<int>(columnCaptions.size()) + 1, rows + 1)
{
    grid.SetCell(0, 0, "Nr.");
    for (std::size_t c = 0; c < columnCaptions.size(); ++c)
        grid.SetCell(static_cast<int>(c) + 1, 0, columnCaptions[c]);
    for (int r = 1; r <= rows; ++r)
        grid.SetCell(0, r, std::to_string(r) + ". ");
    original_ = grid;
}

TEntryModel::~TEntryModel() { ReleaseLock(); }

void TEntryModel::ReleaseLock()
{
    if (locked_)
        zam::ReleaseLock(fileName);
    locked_ = false;
}

bool TEntryModel::Open(const std::string& file)
{
    fileName = file;
    if (!list_.LoadFile(file, kOpenEdit)) {
        fileName.clear();
        return false;
    }
    locked_ = true;
    if (!IsZamDataFile(list_, file)) {
        ReleaseLock();
        fileName.clear();
        return false;
    }
    list_.SectionToGrid(grid, "[DATA]");
    original_ = grid;
    int head = list_.FindSection("[HEAD]").index;
    for (int j = 1; j <= 9; ++j)
        headSlots[static_cast<std::size_t>(j)] = Trim(list_.GetLine(head, j));
    originalSlots_ = headSlots;
    existingFile = true;
    return true;
}

int TEntryModel::Compact()
{
    std::vector<std::vector<std::string>> rows;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        std::vector<std::string> cells;
        bool any = false;
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c) {
            std::string t = CommaToPoint(Trim(grid.Cell(c, r)));
            any = any || !t.empty();
            cells.push_back(t);
        }
        if (any)
            rows.push_back(cells);
    }
    grid.ClearNonFixed();
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0; c < rows[i].size(); ++c)
            grid.SetCell(static_cast<int>(c) + grid.FixedCols(), static_cast<int>(i) + grid.FixedRows(), rows[i][c]);
    return static_cast<int>(rows.size());
}

bool TEntryModel::DataChanged() const
{
    for (int j = 1; j <= 4; ++j)
        if (Trim(headSlots[static_cast<std::size_t>(j)]) != originalSlots_[static_cast<std::size_t>(j)])
            return true;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c)
            if (Trim(grid.Cell(c, r)) != Trim(original_.Cell(c, r)))
                return true;
    return false;
}

bool TEntryModel::PasteIntoGrid(int col, int row)
{
    if (!Clipboard().HasText() || Clipboard().GetText().empty()) {
        ShowError(kClipboardError);
        return false;
    }
    int r = row;
    for (const auto& piece : ClipboardRows(Clipboard().GetText())) {
        if (piece.remainder && piece.text.empty())
            continue;
        int c = col;
        for (const auto& cell : SplitFields(piece.text, '\t')) {
            if (c >= grid.FixedCols() && r >= grid.FixedRows())
                grid.SetCell(c, r, UnquoteCell(cell));
            ++c;
        }
        ++r;
    }
    return true;
}

bool TEntryModel::PasteFirstCell(std::string& field) const
{
    std::string first = Trim(ClipboardFirstCell());
    if (first.empty()) {
        ShowError(kClipboardError);
        return false;
    }
    field = first.substr(0, 80);
    return true;
}

std::string NameWithUnit(const std::string& field, const std::string& unit)
{
    std::size_t cut = field.find('[');
    if (cut == std::string::npos)
        cut = field.find('(');
    std::string name = Trim(field.substr(0, cut));
    std::string u = Trim(unit);
    if (u.size() >= 2 && ((u.front() == '[' && u.back() == ']') || (u.front() == '(' && u.back() == ')')))
        u = Trim(u.substr(1, u.size() - 2));
    if (u.empty())
        u = " ";
    return name + " [" + u + "]";
}

bool TEntryModel::ChooseUnitFor(std::string& field) const
{
    std::string unit = BaseData().ChooseUnit();
    if (unit.empty())
        return false;
    field = NameWithUnit(field, unit);
    return true;
}

std::vector<std::string> ChangeLines(const std::string& prefix, const std::string& oldValue, const std::string& newValue)
{
    auto quoted = [](const std::string& v) { return "\"" + (v.empty() ? std::string(" ") : v) + "\""; };
    std::string first = prefix + quoted(oldValue);
    std::string rest = " --> " + quoted(newValue);
    if (first.size() + rest.size() > 80)
        return { CleanLine(first), CleanLine("   " + rest) };
    return { CleanLine(first + rest) };
}

std::string ShortenRowList(const std::string& list)
{
    if (list.size() <= 30)
        return !list.empty() && list.back() == ';' ? list.substr(0, list.size() - 1) : list;
    std::string cut = list.substr(0, 35);
    std::size_t semi = cut.rfind(';');
    if (semi != std::string::npos)
        cut = cut.substr(0, semi + 1);
    return cut + " ....";
}

std::vector<std::string> TEntryModel::ProtocolLines() const
{
    bool changed = DataChanged();
    if (existingFile && !changed)
        return {};
    std::vector<std::string> lines { CleanLine(NowText() + " : " + Trim(CurrentUser().name)) };
    if (!existingFile)
        return lines;
    for (int j = 1; j <= 4; ++j) {
        const std::string& o = originalSlots_[static_cast<std::size_t>(j)];
        std::string n = Trim(headSlots[static_cast<std::size_t>(j)]);
        if (o != n)
            for (auto& l : ChangeLines("   ", o, n))
                lines.push_back(l);
    }
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c) {
            std::string o = Trim(original_.Cell(c, r));
            std::string n = Trim(grid.Cell(c, r));
            if (o != n)
                for (auto& l : ChangeLines("  " + RowLabel(r) + "/" + ColumnCaption(c) + ": ", o, n))
                    lines.push_back(l);
        }
    return lines;
}

bool TEntryModel::Save(const std::string& file)
{
    std::vector<std::string> protocol = ProtocolLines();
    int head = list_.AddSection("[HEAD]").index;
    list_.ClearSection(head);
    list_.AddLine(head, "03");
    for (int j = 1; j <= 9; ++j)
        list_.AddLine(head, headSlots[static_cast<std::size_t>(j)]);
    list_.SetTitle(CleanLine(headSlots[1]));
    list_.GridToSection(grid, "[DATA]");
    int pr = list_.AddSection("[PROTOCOL]").index;
    for (const auto& l : protocol)
        list_.AddLine(pr, l);
    if (existingFile)
        MakeBackupCopy(file);
    if (!list_.SaveFile(file, kOpenExclusive))
        return false;
    fileName = file;
    return true;
}

}
