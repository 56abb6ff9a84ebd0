#include "procedures/calibration_entry.h"

#include "app/base_data.h"
#include "app/io_control.h"
#include "app/start_directory.h"
#include "app/user_dialogs.h"
#include "base/file_names.h"
#include "base/number_text.h"
#include "base/text_utils.h"
#include "procedures/procedure_kind.h"
#include "stats/sorting.h"

#include <algorithm>

namespace zam {

TKalibEntry::TKalibEntry()
    : TEntryModel({ " xi", " yi" }, 60)
{
}

bool TKalibEntry::Open(const std::string& file)
{
    BaseData().LoadChoices(111, &methods, &measured, &parameters);
    importLayout = BaseData().GetIoControl(0);
    const auto& p = BaseData().Presets;
    headSlots[5] = p[0];
    headSlots[6] = p[5];
    headSlots[7] = p[4];
    headSlots[8] = p[3];
    headSlots[9] = p[1];
    if (file.empty())
        return true;
    return TEntryModel::Open(file);
}

std::string TKalibEntry::Caption() const
{
    return fileName.empty() ? std::string("Kalibrierdaten") : "Kalibrierdaten - " + ShortenPath(fileName, 30);
}

bool TKalibEntry::ContinueX(int row)
{
    if (row > 2 && Trim(grid.Cell(1, row)).empty()) {
        TParsedNumber a = ParseNumber(grid.Cell(1, row - 2));
        TParsedNumber b = ParseNumber(grid.Cell(1, row - 1));
        if (a.Valid() && b.Valid() && a.value >= 1E-10 && b.value > a.value) {
            grid.SetCell(1, row, FormatFixed(std::max(a.status, b.status), 2 * b.value - a.value));
            return true;
        }
    }
    Beep();
    return false;
}

bool TKalibEntry::MoveRow(int row, int delta)
{
    int other = row + delta;
    if (row < 1 || other < 1 || row >= grid.RowCount() || other >= grid.RowCount())
        return false;
    for (int c = 1; c < grid.ColCount(); ++c) {
        std::string t = grid.Cell(c, row);
        grid.SetCell(c, row, grid.Cell(c, other));
        grid.SetCell(c, other, t);
    }
    return true;
}

void TKalibEntry::SortByX()
{
    std::vector<std::pair<std::string, std::string>> rows;
    std::vector<double> keys;
    for (int r = 1; r < grid.RowCount(); ++r) {
        std::string x = Trim(grid.Cell(1, r));
        std::string y = Trim(grid.Cell(2, r));
        if (x.empty() && y.empty())
            continue;
        rows.emplace_back(x, y);
        TParsedNumber n = ParseNumber(x);
        keys.push_back(n.Valid() ? n.value : 0.0);
    }
    std::vector<std::int16_t> index(rows.size());
    for (std::size_t i = 0; i < index.size(); ++i)
        index[i] = static_cast<std::int16_t>(i);
    SortWithIndex(keys, index);
    grid.ClearNonFixed();
    for (std::size_t i = 0; i < index.size(); ++i) {
        const auto& row = rows[static_cast<std::size_t>(index[i])];
        grid.SetCell(1, static_cast<int>(i) + 1, row.first);
        grid.SetCell(2, static_cast<int>(i) + 1, row.second);
    }
}

void TKalibEntry::Import(const TXTab& table)
{
    auto cell = [&](int field) {
        std::string address = IoField(importLayout, field);
        return address.empty() ? std::optional<std::string>() : std::optional<std::string>(table.GetCell(address));
    };
    if (auto v = cell(1))
        headSlots[1] = *v;
    if (auto v = cell(2))
        headSlots[2] = *v;
    if (auto name = cell(3))
        headSlots[3] = NameWithUnit(*name, cell(4).value_or(""));
    if (auto name = cell(5))
        headSlots[4] = NameWithUnit(*name, cell(6).value_or(""));
    grid.ClearNonFixed();
    TCellAddress xa = ParseCellAddress(IoField(importLayout, 7));
    TCellAddress ya = ParseCellAddress(IoField(importLayout, 8));
    if (!xa.Valid() || !ya.Valid())
        return;
    for (int i = 0; i < 60; ++i) {
        std::string x = table.GetCellAt(xa.col, xa.row + i);
        std::string y = table.GetCellAt(ya.col, ya.row + i);
        if (Trim(x).empty() || Trim(y).empty())
            break;
        grid.SetCell(1, i + 1, Trim(x));
        grid.SetCell(2, i + 1, Trim(y));
    }
}

bool TKalibEntry::CopyHeaderFrom(const std::string& file)
{
    TSList other;
    if (!other.LoadFile(file, kOpenExclusive) || !IsZamDataFile(other, file))
        return false;
    int head = other.FindSection("[HEAD]").index;
    for (int j = 1; j <= 4; ++j)
        headSlots[static_cast<std::size_t>(j)] = Trim(other.GetLine(head, j));
    return true;
}

std::array<std::string, 18> TKalibEntry::ParameterPresets() const
{
    std::array<std::string, 18> p = BaseData().Presets;
    p[0] = headSlots[5];
    p[1] = headSlots[9];
    p[3] = headSlots[8];
    p[4] = headSlots[7];
    p[5] = headSlots[6];
    return p;
}

void TKalibEntry::TakeParameters(const std::array<std::string, 18>& p)
{
    headSlots[5] = p[0];
    headSlots[9] = p[1];
    headSlots[8] = p[3];
    headSlots[7] = p[4];
    headSlots[6] = p[5];
    parametersChanged = true;
}

TKalibEntry::TOkResult TKalibEntry::Ok()
{
    int n = Compact();
    if (existingFile && !DataChanged() && !parametersChanged)
        return TOkResult::Cancelled;
    std::string zeroRows;
    std::string negativeRows;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    for (int r = 1; r <= n; ++r) {
        TParsedNumber x = ParseNumber(grid.Cell(1, r));
        TParsedNumber y = ParseNumber(grid.Cell(2, r));
        int bad = !x.Valid() || x.value < 0 ? 1 : !y.Valid() ? 2 : 0;
        if (bad != 0) {
            badRow = r;
            badCol = bad;
            ShowError(RowLabel(r) + "/" + ColumnCaption(bad) + ": Unzulässige Eingabe");
            return TOkResult::StayOpen;
        }
        if (BaseData().PresetOption(kPresetWarnParameterZero) && x.value < 1E-19)
            zeroRows += " " + std::to_string(r) + ";";
        if (BaseData().PresetOption(kPresetWarnNegativeValues) && y.value < 0)
            negativeRows += " " + std::to_string(r) + ";";
        xmin = r == 1 ? x.value : std::min(xmin, x.value);
        xmax = r == 1 ? x.value : std::max(xmax, x.value);
        ymin = r == 1 ? y.value : std::min(ymin, y.value);
        ymax = r == 1 ? y.value : std::max(ymax, y.value);
    }
    if (xmax <= xmin + 1E-10) {
        ShowError("Keine Variation in x-Werten");
        return TOkResult::StayOpen;
    }
    if (ymax <= ymin + 1E-10) {
        ShowError("Keine Variation in y-Werten");
        return TOkResult::StayOpen;
    }
    if (!zeroRows.empty() || !negativeRows.empty()) {
        std::string text;
        if (!zeroRows.empty())
            text += "Parameter = 0 in Zl.  " + ShortenRowList(zeroRows) + "\r";
        if (!negativeRows.empty())
            text += "Messwerte < 0 in Zl.  " + ShortenRowList(negativeRows) + "\r";
        if (AskYesNo(text + "\rKorrigieren?") == kResYes)
            return TOkResult::StayOpen;
    }
    std::string target = fileName;
    if (!existingFile) {
        auto chosen = ChooseFile("Speichern", StartX().dataDir, "*.klb", "CX", "Kalibrierung (*.klb)|*.klb");
        if (!chosen)
            return TOkResult::StayOpen;
        target = *chosen;
        StartX().dataDir = DirectoryPart(target);
    }
    return Save(target) ? TOkResult::Saved : TOkResult::StayOpen;
}

}
