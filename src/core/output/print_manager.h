#pragma once

#include "app/canvas.h"
#include "output/result_tables.h"
#include "output/table_page.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zam {

// The printer seam: a document of pages with a canvas in printer pixels.
class TPrinterDevice {
public:
    virtual ~TPrinterDevice() = default;
    virtual bool BeginDocument(const std::string& title) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual bool Landscape() const { return false; }
    virtual TCanvas& Canvas() = 0;
};

struct TPageMetrics {
    int lineHeight = 0, referenceWidth = 0, pitch = 0, halfLine = 0;
    int left = 0, right = 0, top = 0, bottom = 0, linesPerPage = 50;
};
TPageMetrics PageMetrics(int pageWidth, int pageHeight, int referenceWidth, int lineHeight, bool landscape);

// One buffered page.
struct TPrintJob {
    TTabHead head;
    int kind = 1; // 1 text page, 2 grid page
    std::vector<std::string> lines; // text: info, "|", body (+ signature); grid: info, "|"
    int infoCount = 0;
    int height = 0;
    int signLines = 0;
    // grid pages
    int rows = 0, cols = 0, fixedRows = 0, fixedCols = 0;
    std::vector<int> widths; // characters
    std::vector<std::string> cells; // rows * cols
    std::vector<std::string> signature;
};

// The run code of the document titles: three base-36 digits of the time.
std::string RunCode(int hours, int minutes, int seconds);

// The print manager: the print buffer of at most five pages and the page
// copies to disk.
class TPrnManager {
public:
    TPrnManager();
    // The printer used by the next printing run (not owned).
    void SetDevice(TPrinterDevice* device) { device_ = device; }
    // The base title and the copy file base (directory and name).
    void SetBaseTitle(const std::string& title) { baseTitle_ = title; }
    void SetCopyFile(const std::string& base);
    const std::string& CopyFile() const { return copyFile_; }

    // To printer: buffered; otherwise appended to the copy file. False when
    // the page went nowhere (a cancelled file choice).
    bool PrintPage(const TTablePage& page, bool toPrinter);
    void PrintTextPage(const TTabHead& head, const std::vector<std::string>& info, const std::vector<std::string>& body);
    void PrintGridPage(const TTablePage& page);
    // Buffer empty: beep and "Druckerpuffer ist leer!"; else print it all.
    void FormFeed();
    void FlushIfAny();
    bool BufferEmpty() const { return count_ == 0; }
    int BufferedJobs() const { return count_; }
    void ReleaseJobs();
    int PagesPrinted() const { return pagesPrinted_; }
    bool busy = false;

    // Page copies.
    bool AppendCopy(const TTablePage& page);
    std::vector<std::string> CopyLines(const TTablePage& page, bool csv, char separator) const;
    // "zamcopy00.txt" ... "zamcopy29.txt" with "  (*)" for existing files.
    std::vector<std::string> NumberedCopyNames(const std::string& extension) const;

private:
    void Buffer(std::unique_ptr<TPrintJob> job);
    int JobHeight(const TPrintJob& job) const;
    void PrintBuffer(bool forced);
    void PrintJob(const TPrintJob& job, int& line);
    void PageHeader(int& line);
    void TitleBlock(const TPrintJob& job, int& line);
    void NewSheet(int& line);
    int StripCount(const TPrintJob& job) const;
    std::vector<std::vector<int>> Strips(const TPrintJob& job, std::vector<int>& pixelWidths) const;
    bool ChooseCopyFile(bool csv);

    TPrinterDevice* device_ = nullptr;
    std::array<std::unique_ptr<TPrintJob>, 5> ring_;
    int oldest_ = 0;
    int count_ = 0;
    TPageMetrics metrics_;
    int pageCounter_ = 0;
    int documentCounter_ = 10;
    int pagesPrinted_ = 0;
    std::string runCode_;
    std::string baseTitle_ = "ZAM";
    bool documentOpen_ = false;
    std::string copyDirectory_;
    std::string copyBase_;
    std::string copyFile_;
    int lastFormat_ = -1;
};

TPrnManager& PrintManager();

}
