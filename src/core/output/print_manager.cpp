#include "output/print_manager.h"

#include "app/base_data.h"
#include "app/settings.h"
#include "app/start_directory.h"
#include "app/user_dialogs.h"
#include "base/dates.h"
#include "base/file_names.h"
#include "base/table_text.h"
#include "base/text_file.h"
#include "base/text_utils.h"
#include "output/csv_text.h"
#include "output/page_text.h"
#include "output/table_text_draw.h"

#include <algorithm>
#include <ctime>

namespace zam {

namespace {
    std::string Base36(int v, int digits)
    {
        const char* d = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::string out(static_cast<std::size_t>(digits), '0');
        for (int i = digits - 1; i >= 0; --i) {
            out[static_cast<std::size_t>(i)] = d[v % 36];
            v /= 36;
        }
        return out;
    }

    const std::string kRule77(77, '-');

    // A table text in character columns; rules are at most 77 wide.
    std::string Columns(const std::string& text, int width)
    {
        std::string line = TableTextToPlain(CellTextWithoutFlags(text), width);
        std::size_t p = line.find(std::string(78, '-'));
        while (p != std::string::npos) {
            std::size_t end = line.find_first_not_of('-', p);
            line.erase(p + 77, (end == std::string::npos ? line.size() : end) - (p + 77));
            p = line.find(std::string(78, '-'));
        }
        return line;
    }

    std::string CsvOfLine(const std::string& text, char s)
    {
        std::string stripped;
        // 172 and the character after it are left out, 247 splits fields
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == markup::kSkipNext) {
                ++i;
                continue;
            }
            stripped += text[i];
        }
        std::vector<std::string> out;
        for (const auto& field : SplitFields(stripped, markup::kFieldBreak))
            out.push_back(CsvField(StripMarkup(field), s, true));
        return JoinFields(out, s);
    }
}

std::string RunCode(int hours, int minutes, int seconds) { return Base36(hours * 1800 + minutes * 60 + seconds, 3); }

TPageMetrics PageMetrics(int pageWidth, int pageHeight, int referenceWidth, int lineHeight, bool landscape)
{
    TPageMetrics m;
    m.lineHeight = lineHeight;
    m.referenceWidth = referenceWidth;
    m.pitch = std::max(lineHeight + 8, lineHeight * 5 / 4);
    if ((m.pitch - lineHeight) % 2 == 1)
        ++m.pitch;
    m.halfLine = (m.pitch + lineHeight) / 2;
    m.left = pageWidth / 16;
    m.right = pageWidth - referenceWidth / 4;
    m.top = landscape ? 2 * m.pitch : m.pitch;
    m.bottom = pageHeight - 2 * m.pitch;
    m.linesPerPage = std::max((m.bottom - m.top + 1) / std::max(m.pitch, 1), 3);
    return m;
}

TPrnManager::TPrnManager()
{
    std::time_t t = std::time(nullptr);
    std::tm tm {};
    localtime_r(&t, &tm);
    runCode_ = RunCode(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

void TPrnManager::SetCopyFile(const std::string& base)
{
    copyBase_ = base;
    copyDirectory_ = DirectoryPart(base);
}

void TPrnManager::ReleaseJobs()
{
    for (auto& j : ring_)
        j.reset();
    count_ = 0;
}

bool TPrnManager::PrintPage(const TTablePage& page, bool toPrinter)
{
    if (!toPrinter)
        return AppendCopy(page);
    if (page.IsGrid())
        PrintGridPage(page);
    else
        PrintTextPage(page.head, page.info, page.lines);
    return true;
}

void TPrnManager::PrintTextPage(const TTabHead& head, const std::vector<std::string>& info, const std::vector<std::string>& body)
{
    auto job = std::make_unique<TPrintJob>();
    job->head = head;
    job->kind = 1;
    job->lines = info;
    if (!info.empty())
        job->lines.emplace_back("|");
    job->lines.insert(job->lines.end(), body.begin(), body.end());
    job->height = static_cast<int>(job->lines.size()) + std::clamp(head.TitleCount, 0, 3) + (head.Notice.empty() ? 0 : 1);
    Buffer(std::move(job));
}

void TPrnManager::PrintGridPage(const TTablePage& page)
{
    auto job = std::make_unique<TPrintJob>();
    job->head = page.head;
    job->kind = 2;
    const TTableLayout& l = page.layout;
    int lastRow = l.fixedRows;
    int lastCol = 0;
    for (int r = 0; r < l.rows; ++r)
        for (int c = 0; c < l.cols; ++c) {
            bool filled = !Trim(CellTextWithoutFlags(page.CellAt(r, c))).empty();
            if (filled && r >= l.fixedRows)
                lastRow = std::max(lastRow, r + 1);
            if (filled)
                lastCol = std::max(lastCol, c + 1);
        }
    job->rows = lastRow;
    job->cols = std::max(lastCol, 1);
    job->fixedRows = std::min(l.fixedRows, job->rows);
    job->fixedCols = std::min(l.fixedCols, job->cols);
    for (int c = 0; c < job->cols; ++c)
        job->widths.push_back(l.colWidths[static_cast<std::size_t>(c)] + 1);
    for (int r = 0; r < job->rows; ++r)
        for (int c = 0; c < job->cols; ++c)
            job->cells.push_back(page.CellAt(r, c));
    job->lines = page.info;
    if (!page.info.empty())
        job->lines.emplace_back("|");
    job->infoCount = static_cast<int>(job->lines.size());
    job->height = std::clamp(page.head.TitleCount, 0, 3) + job->rows + (page.head.Notice.empty() ? 0 : 1);
    Buffer(std::move(job));
}

void TPrnManager::Buffer(std::unique_ptr<TPrintJob> job)
{
    const TSignRecord& sign = BaseData().signRecord;
    if (job->head.SignLines == 1 && sign.lineCount > 0) {
        job->signature.emplace_back("");
        for (const auto& l : sign.lines)
            job->signature.push_back(sign.rightAligned ? std::string(1, markup::kRight) + l : l);
        job->signLines = static_cast<int>(job->signature.size());
    }
    if (count_ == 5)
        PrintBuffer(true);
    ring_[static_cast<std::size_t>((oldest_ + count_) % 5)] = std::move(job);
    ++count_;
    int sum = 0;
    for (int i = 0; i < count_; ++i)
        sum += ring_[static_cast<std::size_t>((oldest_ + i) % 5)]->height;
    if (count_ == 5 || sum >= metrics_.linesPerPage)
        PrintBuffer(false);
    if (!Settings().BufferAutomatic() && count_ > 0)
        PrintBuffer(true);
}

int TPrnManager::JobHeight(const TPrintJob& job) const
{
    if (job.kind == 1)
        return job.height + job.signLines;
    int s = StripCount(job);
    return s * (job.height + job.infoCount) + 2 * (s - 1) + job.signLines;
}

void TPrnManager::FormFeed()
{
    if (BufferEmpty()) {
        Beep();
        ShowInfo("Druckerpuffer ist leer!");
        return;
    }
    PrintBuffer(true);
}

void TPrnManager::FlushIfAny()
{
    if (!BufferEmpty())
        PrintBuffer(true);
}

void TPrnManager::NewSheet(int& line)
{
    device_->NewPage();
    line = 0;
}

void TPrnManager::PrintBuffer(bool forced)
{
    if (device_ == nullptr || count_ == 0)
        return;
    busy = true;
    if (!documentOpen_) {
        if (!device_->BeginDocument(baseTitle_ + "_" + runCode_ + std::to_string(documentCounter_++))) {
            busy = false;
            return;
        }
        documentOpen_ = true;
    }
    TCanvas& c = device_->Canvas();
    c.SetFont(Settings().PrinterFont(), 0);
    metrics_ = PageMetrics(device_->PageWidth(), device_->PageHeight(), c.TextWidth("WMAE KII"), c.TextHeight("Ep"),
        device_->Landscape());
    int line = 0;
    auto take = [&] {
        std::unique_ptr<TPrintJob> job = std::move(ring_[static_cast<std::size_t>(oldest_)]);
        oldest_ = (oldest_ + 1) % 5;
        --count_;
        return job;
    };
    bool full = count_ == 5;
    PrintJob(*take(), line);
    while (count_ > 0) {
        line += 2;
        const TPrintJob& next = *ring_[static_cast<std::size_t>(oldest_)];
        if (line + JobHeight(next) > metrics_.linesPerPage) {
            if (!full && !forced)
                break;
            NewSheet(line);
        }
        PrintJob(*take(), line);
    }
    device_->EndDocument();
    documentOpen_ = false;
    busy = false;
}

void TPrnManager::PageHeader(int& line)
{
    TCanvas& c = device_->Canvas();
    ++pageCounter_;
    ++pagesPrinted_;
    int y = metrics_.top + line * metrics_.pitch;
    c.SetFont(Settings().PrinterFont(), 0);
    c.Text(metrics_.left, y, "--- " + NowText() + "------------------------");
    std::string right = " - " + std::to_string(pageCounter_) + " - ";
    c.Text(metrics_.right - c.TextWidth(right), y, right);
    line = 2;
}

void TPrnManager::TitleBlock(const TPrintJob& job, int& line)
{
    TCanvas& c = device_->Canvas();
    TFontDesc bold = Settings().PrinterFont();
    bold.style |= 1;
    c.SetFont(bold, 0);
    int titles = std::clamp(job.head.TitleCount, 0, 3);
    for (int i = 0; i < titles; ++i) {
        int y = metrics_.top + line * metrics_.pitch;
        c.Text(metrics_.left, y, job.head.LeftTitle[static_cast<std::size_t>(i)]);
        const std::string& r = job.head.RightTitle[static_cast<std::size_t>(i)];
        c.Text(metrics_.right - c.TextWidth(r), y, r);
        ++line;
    }
    auto rule = [&] {
        int y = metrics_.top + (line - 1) * metrics_.pitch + metrics_.halfLine;
        c.SetPen(0, 2, TPenStyle::Solid);
        c.Line({ metrics_.left, y }, { metrics_.right, y });
    };
    if (titles > 0)
        rule();
    if (!job.head.Notice.empty()) {
        int y = metrics_.top + line * metrics_.pitch;
        c.Text(metrics_.right - c.TextWidth(job.head.Notice), y, job.head.Notice);
        ++line;
        rule();
    }
    c.SetFont(Settings().PrinterFont(), 0);
}

std::vector<std::vector<int>> TPrnManager::Strips(const TPrintJob& job, std::vector<int>& px) const
{
    int charW = std::max(metrics_.referenceWidth / 8, 1);
    px.clear();
    for (int c = 0; c < job.cols; ++c)
        px.push_back(job.widths[static_cast<std::size_t>(c)] * charW + (c < job.fixedCols ? 1 : 0));
    int fixedWidth = 0;
    for (int c = 0; c < job.fixedCols; ++c)
        fixedWidth += px[static_cast<std::size_t>(c)];
    std::vector<std::vector<int>> strips;
    if (job.head.FitWidth == '1') {
        int total = 0;
        for (int w : px)
            total += w;
        int space = metrics_.right + metrics_.referenceWidth / 8 - metrics_.left - 5;
        if (total > space)
            for (int& w : px)
                w = w * space / (total + 6) + 1;
        std::vector<int> all;
        for (int c = 0; c < job.cols; ++c)
            all.push_back(c);
        strips.push_back(all);
        return strips;
    }
    int c = job.fixedCols;
    while (c < job.cols || strips.empty()) {
        std::vector<int> strip;
        for (int f = 0; f < job.fixedCols; ++f)
            strip.push_back(f);
        int x = metrics_.left + fixedWidth;
        bool any = false;
        while (c < job.cols) {
            int end = x + px[static_cast<std::size_t>(c)];
            int limit = c == job.cols - 1 ? metrics_.right + metrics_.referenceWidth / 8 : metrics_.right;
            if (any && end > limit)
                break;
            strip.push_back(c);
            x = end;
            any = true;
            ++c;
        }
        strips.push_back(strip);
        if (!any)
            break;
    }
    return strips;
}

int TPrnManager::StripCount(const TPrintJob& job) const
{
    std::vector<int> px;
    return job.kind == 2 ? static_cast<int>(Strips(job, px).size()) : 1;
}

void TPrnManager::PrintJob(const TPrintJob& job, int& line)
{
    TCanvas& c = device_->Canvas();
    const TPageMetrics& m = metrics_;
    auto start = [&] {
        if (line == 0)
            PageHeader(line);
        TitleBlock(job, line);
    };
    auto textLine = [&](const std::string& text) {
        int y = m.top + line * m.pitch;
        DrawTableText(c, { m.left, y, m.right, y + m.pitch }, m.referenceWidth, text, m.lineHeight, 0);
        ++line;
    };
    if (job.kind == 1) {
        std::vector<std::string> all = job.lines;
        all.insert(all.end(), job.signature.begin(), job.signature.end());
        start();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (line >= m.linesPerPage && all.size() - i >= 2) {
                NewSheet(line);
                start();
            }
            textLine(all[i]);
        }
        return;
    }
    std::vector<int> px;
    auto strips = Strips(job, px);
    for (std::size_t s = 0; s < strips.size(); ++s) {
        const std::vector<int>& cols = strips[s];
        auto headAndHeadings = [&] {
            start();
            for (int i = 0; i < job.infoCount; ++i)
                textLine(job.lines[static_cast<std::size_t>(i)]);
        };
        auto row = [&](int r, bool firstBodyOfPage) {
            int y = m.top + line * m.pitch;
            int x = m.left;
            for (int col : cols) {
                int w = px[static_cast<std::size_t>(col)];
                const std::string& cell = job.cells[static_cast<std::size_t>(r * job.cols + col)];
                TCellFlags f = CellFlags(cell);
                bool headingRow = r < job.fixedRows;
                bool headingCol = col < job.fixedCols;
                if ((headingRow ? job.head.NoFixedHorzLines : job.head.NoHorzLines) == '1')
                    f.top = f.bottom = false;
                if ((headingCol ? job.head.NoFixedVertLines : job.head.NoVertLines) == '1')
                    f.left = f.right = false;
                if (firstBodyOfPage && job.fixedRows > 0 && job.head.NoFixedHorzLines != '1')
                    f.top = true;
                DrawTableText(c, { x, y + 2, x + w, y + m.pitch - 2 }, m.referenceWidth, CellTextWithoutFlags(cell),
                    m.lineHeight, 0);
                c.SetPen(0, 2, TPenStyle::Solid);
                if (f.left)
                    c.Line({ x, y }, { x, y + m.pitch });
                if (f.right)
                    c.Line({ x + w, y }, { x + w, y + m.pitch });
                if (f.top)
                    c.Line({ x, y }, { x + w, y });
                if (f.bottom)
                    c.Line({ x, y + m.pitch }, { x + w, y + m.pitch });
                x += w;
            }
            ++line;
        };
        headAndHeadings();
        for (int r = 0; r < job.fixedRows; ++r)
            row(r, false);
        bool firstBody = true;
        for (int r = job.fixedRows; r < job.rows; ++r) {
            if (line >= m.linesPerPage && job.rows - r >= 2) {
                NewSheet(line);
                headAndHeadings();
                for (int h = 0; h < job.fixedRows; ++h)
                    row(h, false);
                firstBody = true;
            }
            row(r, firstBody);
            firstBody = false;
        }
        line += 2;
        if (s + 1 < strips.size() && line >= m.linesPerPage)
            NewSheet(line);
    }
    for (const auto& sig : job.signature)
        textLine(sig);
}

std::vector<std::string> TPrnManager::CopyLines(const TTablePage& page, bool csv, char s) const
{
    std::vector<std::string> out;
    std::string now = NowText();
    if (csv) {
        std::string stamp = now;
        std::size_t blank = stamp.find(' ');
        if (blank != std::string::npos)
            stamp[blank] = s;
        out.push_back(std::string(3, s) + stamp);
        for (std::size_t i = 0; i < page.leftTitles.size(); ++i)
            out.push_back(CsvField(page.leftTitles[i], s, true) + s + s + s + CsvField(page.rightTitles[i], s, true));
        out.emplace_back();
        if (!page.notice.empty()) {
            out.push_back(CsvField(page.notice, s, true));
            out.emplace_back();
        }
        for (const auto& l : page.info)
            out.push_back(CsvOfLine(l, s));
        out.emplace_back();
        if (page.IsGrid()) {
            for (int r = 0; r < page.layout.rows; ++r) {
                std::vector<std::string> cells;
                for (int c = 0; c < page.layout.cols; ++c)
                    cells.push_back(CsvField(StripMarkup(CellTextWithoutFlags(page.CellAt(r, c))), s, true));
                out.push_back(JoinFields(cells, s));
            }
        } else {
            for (const auto& l : page.lines)
                out.push_back(CsvOfLine(l, s));
        }
        out.emplace_back();
        out.emplace_back();
        return out;
    }
    std::string head = "-- " + now + " -";
    out.push_back(std::string(77 - std::min<std::size_t>(head.size(), 77), '-') + head);
    for (std::size_t i = 0; i < page.leftTitles.size(); ++i) {
        const std::string& r = page.rightTitles[i];
        out.push_back(PadRight(page.leftTitles[i], 77 - static_cast<int>(std::min<std::size_t>(r.size(), 76))) + r);
    }
    out.push_back(kRule77);
    if (!page.notice.empty()) {
        out.push_back(Align(page.notice, 77, 1));
        out.push_back(kRule77);
    }
    for (const auto& l : page.info)
        out.push_back(Columns(l, 180));
    if (!page.info.empty())
        out.push_back(kRule77);
    if (page.IsGrid()) {
        std::vector<std::string> rendered = RenderPageText(page, 77);
        // the grid part of the rendering: everything after the information block
        std::size_t start = page.leftTitles.empty() ? 0 : page.leftTitles.size() + 1;
        if (!page.notice.empty())
            start += 2;
        start += page.info.size() + (page.info.empty() ? 0 : 1);
        out.insert(out.end(), rendered.begin() + static_cast<long>(std::min(start, rendered.size())), rendered.end());
        out.push_back(kRule77);
    } else {
        for (const auto& l : page.lines)
            out.push_back(Columns(l, 180));
    }
    out.emplace_back();
    out.emplace_back();
    return out;
}

std::vector<std::string> TPrnManager::NumberedCopyNames(const std::string& extension) const
{
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i) {
        char num[8];
        std::snprintf(num, sizeof num, "%02d", i);
        std::string name = FileNamePart(copyBase_) + num + extension;
        names.push_back(FileExists(JoinPath(copyDirectory_, name)) ? name + "  (*)" : name);
    }
    return names;
}

bool TPrnManager::ChooseCopyFile(bool csv)
{
    const TTextBlock& t = Settings().GetTextBlock();
    bool ask = t[textblock::kAskCopyFile] != 0;
    bool freeName = t[textblock::kFreeCopyName] != 0;
    int format = csv ? 1 : 0;
    if (!ask && !freeName && FileExists(copyFile_) && format == lastFormat_)
        return true;
    std::string ext = csv ? ".csv" : ".txt";
    if (freeName) {
        // an existing file is only replaced after asking
        auto file = ChooseFile("Datei für Bildschirmkopie auswählen", copyDirectory_,
            ReplaceExt(copyFile_.empty() ? copyBase_ : copyFile_, std::string_view(ext.substr(1))), "AS", "*" + ext + "|*" + ext);
        if (!file)
            return false;
        DeleteFile(*file);
        copyFile_ = *file;
    } else {
        while (true) {
            auto names = NumberedCopyNames(ext);
            SetDialogPosition(0);
            int i = ChooseFromList("Protokolldatei auswählen", "Verzeichnis: " + copyDirectory_, names, 4, 0);
            if (i < 0)
                return false;
            std::string name = names[static_cast<std::size_t>(i)];
            std::size_t marker = name.find("  (*)");
            if (marker != std::string::npos)
                name.erase(marker);
            std::string path = JoinPath(copyDirectory_, name);
            if (FileExists(path)) {
                if (MessageBox(kMsgConfirm, kBtnYesNo, name + " : \rDatei existiert schon!\r\n\r\nÜberschreiben?") != kResYes)
                    continue;
                DeleteFile(path);
            }
            copyFile_ = path;
            break;
        }
    }
    lastFormat_ = format;
    return true;
}

bool TPrnManager::AppendCopy(const TTablePage& page)
{
    const TTextBlock& t = Settings().GetTextBlock();
    bool csv = t[textblock::kCsvCopies] != 0;
    char s = static_cast<char>(t[textblock::kCsvSeparator]);
    if (!ChooseCopyFile(csv))
        return false;
    TTxtAFile f(copyFile_);
    if (!f.Open(kShareNone))
        return false;
    for (const auto& l : CopyLines(page, csv, s))
        f.WriteLine(l);
    f.Finish();
    return !f.ErrorFlag();
}

TPrnManager& PrintManager()
{
    static TPrnManager manager;
    return manager;
}

}
