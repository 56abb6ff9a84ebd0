#include "base/section_file.h"

#include "app/user_dialogs.h"
#include "base/coded_real.h"
#include "base/file_lock.h"
#include "base/file_names.h"
#include "base/line_scramble.h"
#include "base/string_grid.h"
#include "base/table_text.h"
#include "base/text_file.h"
#include "base/text_utils.h"

#include <cstdio>

namespace zam {

namespace {
    bool HeaderChar(char c) { return (c >= 'A' && c <= 'Z') || c == '_' || c == '-'; }

    // A stored line: cleaned, and never starting with "[" so it cannot read
    // back as a header.
    std::string StoredLine(std::string_view text)
    {
        std::string s = CleanLine(text);
        if (!s.empty() && s[0] == '[')
            s.insert(s.begin(), ' ');
        return s;
    }

    bool PlainInteger(std::string_view text, int& out) { return ParsePlainInteger(text, out, true); }
}

bool IsSectionHeader(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    if (line == "[HEAD]" || line == "[DATA]")
        return true;
    if (line.size() < 8)
        return false;
    for (std::size_t k = 1; k + 1 < line.size(); ++k) {
        if (!HeaderChar(line[k]))
            return false;
    }
    return true;
}

std::string CellLine(int row, int col, std::string_view text)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%3d%3d ", row, col);
    return buf + std::string(text);
}

bool WriteScrambledLines(const std::string& fileName, std::vector<std::string> lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        ScrambleLine(lines[i], static_cast<int>(i));
    return WriteTextLines(fileName, lines);
}

void TSList::SetMissingFileRetry(int milliseconds) { zam::SetMissingFileRetry(milliseconds); }

void TSList::Clear()
{
    sections_.clear();
    title_.clear();
}

TSList::TSection* TSList::Section(int i)
{
    if (i < 1 || i > SectionCount())
        return nullptr;
    return &sections_[static_cast<std::size_t>(i - 1)];
}

const TSList::TSection* TSList::Section(int i) const
{
    if (i < 1 || i > SectionCount())
        return nullptr;
    return &sections_[static_cast<std::size_t>(i - 1)];
}

std::string TSList::SectionName(int i) const
{
    const TSection* s = Section(i);
    return s != nullptr ? s->name : std::string();
}

int TSList::LineCount(int i) const
{
    const TSection* s = Section(i);
    return s != nullptr ? static_cast<int>(s->lines.size()) : 0;
}

const std::vector<std::string>& TSList::Lines(int i) const
{
    static const std::vector<std::string> none;
    const TSection* s = Section(i);
    return s != nullptr ? s->lines : none;
}

TSectionRef TSList::FindSection(std::string_view name) const
{
    for (int i = 1; i <= SectionCount(); ++i) {
        if (EqualsNoCase(sections_[static_cast<std::size_t>(i - 1)].name, name))
            return { i, LineCount(i) };
    }
    return {};
}

TSectionRef TSList::AddSection(std::string_view name)
{
    TSectionRef ref = FindSection(name);
    if (ref.index != 0 || SectionCount() >= kMaxSections)
        return ref;
    sections_.push_back({ std::string(name), {} });
    return { SectionCount(), 0 };
}

int TSList::AppendSection(std::string_view name)
{
    if (SectionCount() >= kMaxSections)
        return 0;
    sections_.push_back({ std::string(name), {} });
    return SectionCount();
}

void TSList::DeleteSection(int i)
{
    if (Section(i) != nullptr)
        sections_.erase(sections_.begin() + (i - 1));
}

void TSList::ClearSection(int i)
{
    if (TSection* s = Section(i))
        s->lines.clear();
}

std::string TSList::GetLine(int i, int j) const
{
    const TSection* s = Section(i);
    if (s == nullptr || j < 0 || j >= static_cast<int>(s->lines.size()))
        return {};
    return s->lines[static_cast<std::size_t>(j)];
}

void TSList::SetLine(int i, int j, std::string text)
{
    TSection* s = Section(i);
    if (s == nullptr || j < 0)
        return;
    if (static_cast<int>(s->lines.size()) <= j)
        s->lines.resize(static_cast<std::size_t>(j) + 1);
    s->lines[static_cast<std::size_t>(j)] = std::move(text);
}

void TSList::AddLine(int i, std::string text)
{
    if (TSection* s = Section(i))
        s->lines.push_back(std::move(text));
}

void TSList::DeleteLine(int i, int j)
{
    TSection* s = Section(i);
    if (s != nullptr && j >= 0 && j < static_cast<int>(s->lines.size()))
        s->lines.erase(s->lines.begin() + j);
}

void TSList::PadSection(int i, int n)
{
    TSection* s = Section(i);
    if (s != nullptr && n >= 0 && static_cast<int>(s->lines.size()) < n + 1)
        s->lines.resize(static_cast<std::size_t>(n) + 1);
}

void TSList::CutSection(int i, int n)
{
    TSection* s = Section(i);
    if (s != nullptr && n >= 0 && static_cast<int>(s->lines.size()) > n)
        s->lines.resize(static_cast<std::size_t>(n));
}

TParsedNumber TSList::GetNumber(int i, int j) const { return ParseNumber(GetLine(i, j)); }

int TSList::GetInteger(int i, int j) const
{
    TParsedNumber n = GetNumber(i, j);
    return n.Valid() ? n.integer : 0;
}

std::vector<TParsedNumber> TSList::GetNumberRow(int i, int j, double defaultValue, int minCount) const
{
    std::vector<std::string> fields = SplitFields(GetLine(i, j), kCaret, minCount);
    if (fields.size() > 32)
        fields.resize(32);
    std::vector<TParsedNumber> out;
    out.reserve(fields.size());
    for (const auto& f : fields) {
        TParsedNumber n = ParseNumber(f);
        if (!n.Valid()) {
            n.value = defaultValue;
            n.integer = 0;
        }
        out.push_back(n);
    }
    return out;
}

void TSList::CopySectionTo(int i, std::vector<std::string>& list) const
{
    list.clear();
    if (const TSection* s = Section(i))
        list = s->lines;
}

void TSList::AssignSection(int i, const std::vector<std::string>& list)
{
    if (TSection* s = Section(i))
        s->lines = list;
}

void TSList::AddCodedReal(int i, double x) { AddLine(i, EncodeReal(x)); }

double TSList::GetCodedReal(int i, int j) const { return DecodeReal(GetLine(i, j)); }

void TSList::AddCell(int i, int row, std::string_view text, int col) { AddLine(i, CellLine(row, col, text)); }

TCellLine TSList::GetCell(int i, int j) const
{
    std::string line = GetLine(i, j);
    TCellLine c;
    if (!PlainInteger(line.substr(0, 3), c.row))
        c.row = -1;
    if (!PlainInteger(line.size() > 3 ? line.substr(3, 3) : std::string(), c.col))
        c.col = -1;
    c.text = Trim(line.size() > 7 ? line.substr(7) : std::string());
    return c;
}

TCellNumber TSList::GetCellNumber(int i, int j) const
{
    TCellNumber c;
    c.cell = GetCell(i, j);
    c.number = ParseNumber(c.cell.text);
    return c;
}

void TSList::SectionToGrid(TStringGrid& grid, std::string_view name) const
{
    grid.ClearNonFixed();
    TSectionRef ref = FindSection(name);
    for (int j = 0; j < ref.count; ++j) {
        TCellLine c = GetCell(ref.index, j);
        if (c.row >= grid.FixedRows() && c.row < grid.RowCount() && c.col >= grid.FixedCols()
            && c.col < grid.ColCount())
            grid.SetCell(c.col, c.row, c.text);
    }
}

void TSList::GridToSection(const TStringGrid& grid, std::string_view name)
{
    TSectionRef ref = AddSection(name);
    if (ref.index == 0)
        return;
    ClearSection(ref.index);
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c) {
            std::string t = Trim(grid.Cell(c, r));
            if (!t.empty())
                AddCell(ref.index, r, t, c);
        }
    }
}

void TSList::SetTitle(std::string_view title) { title_ = Trim(title).substr(0, 255); }

bool TSList::LoadFile(const std::string& fileName, int mode)
{
    Clear();
    mode_ = mode;
    if (fileName.empty())
        return false;
    if (!FileAppears(fileName))
        return false;
    bool locked = false;
    if (mode == kOpenEdit) {
        if (!TakeLock(fileName)) {
            ShowError("Datei " + fileName + "\rwird gerade von einem anderen Anwender verwendet."
                + "\rDer Zugriff ist momentan nicht möglich!");
            return false;
        }
        locked = true;
    }
    TTxtRFile in(fileName);
    if (!in.Open(mode == kOpenShared ? kShareAll : kShareNone)) {
        if (locked)
            ReleaseLock(fileName);
        return false;
    }
    int lineNo = 0;
    int headers = 0;
    TSection* current = nullptr;
    while (!in.EndFlag()) {
        std::string line = in.ReadLine();
        if (in.ErrorFlag())
            break;
        ScrambleLine(line, lineNo++);
        if (IsSectionHeader(line)) {
            ++headers;
            if (headers > kMaxSections)
                break;
            sections_.push_back({ std::move(line), {} });
            current = &sections_.back();
        } else if (current == nullptr) {
            SetTitle(line);
        } else {
            current->lines.push_back(std::move(line));
        }
    }
    in.Close();
    return true;
}

bool TSList::SaveFile(const std::string& fileName, int mode)
{
    mode_ = mode;
    if (fileName.empty())
        return false;
    std::string temp = TempFileFor(fileName);
    bool ok = false;
    {
        TTxtWFile out(temp);
        out.SetDisplayName(fileName);
        if (out.Open(mode == kOpenShared ? kShareAll : kShareNone)) {
            int lineNo = 0;
            auto put = [&](std::string line) {
                ScrambleLine(line, lineNo++);
                out.WriteLine(line);
            };
            std::string title = Trim(title_);
            if (!title.empty())
                put(StoredLine(title));
            for (const TSection& s : sections_) {
                if (s.lines.empty())
                    continue;
                put(CleanLine(s.name));
                for (const std::string& l : s.lines)
                    put(StoredLine(l));
            }
            out.Finish();
            ok = !out.ErrorFlag();
        }
    }
    if (!ok) {
        DeleteFile(temp);
        return false;
    }
    if (!CommitTempFile(temp, fileName))
        return false;
    if (mode == kOpenEdit)
        ReleaseLock(fileName);
    return true;
}

}
