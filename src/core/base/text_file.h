#pragma once

#include <string>

namespace zam {

// Sharing values of the open mode: others may open the file too, or nobody.
inline constexpr int kShareAll = 0;
inline constexpr int kShareNone = 16;

// File access that never fails towards its caller: every failure is shown at
// once in an error box naming the file, the file is closed and the object does
// nothing more. Callers see failures only through flags and empty results.
class TGFile {
public:
    explicit TGFile(std::string fileName);
    virtual ~TGFile();
    TGFile(const TGFile&) = delete;
    TGFile& operator=(const TGFile&) = delete;

    bool Open();
    int ReadBlock(char* buffer, int count);
    int WriteBlock(const char* buffer, int count);
    void Close();
    void ReportError(const std::string& message);

    const std::string& FileName() const { return fileName_; }
    // The name shown in messages (a temporary file reports as its target).
    void SetDisplayName(std::string name) { displayName_ = std::move(name); }
    bool IsOpen() const { return fd_ >= 0; }
    bool ErrorFlag() const { return error_; }
    bool EndFlag() const { return end_; }
    int ResultCode() const { return result_; }

protected:
    void SetMode(int access, int sharing) { mode_ = access + sharing; }
    void SetEnd() { end_ = true; }
    bool SeekToEnd();

private:
    std::string fileName_;
    std::string displayName_;
    int mode_ = 0;
    int fd_ = -1;
    int result_ = 0;
    bool error_ = false;
    bool end_ = false;
};

class TTxtRFile : public TGFile {
public:
    using TGFile::TGFile;
    bool Open(int sharing);
    // The next line without its CR LF; empty once the end or an error is reached.
    std::string ReadLine();

private:
    void Fill();
    static constexpr int kBufferSize = 4096;
    char buffer_[kBufferSize] = {};
    int count_ = 0;
    int pos_ = 0;
};

class TTxtOFile : public TGFile {
public:
    using TGFile::TGFile;
    ~TTxtOFile() override;
    TTxtOFile(const TTxtOFile&) = delete;
    TTxtOFile& operator=(const TTxtOFile&) = delete;
    void WriteLine(const std::string& text);
    // Writes what is buffered, then closes.
    void Finish();

private:
    void Flush();
    std::string pending_;
};

class TTxtWFile : public TTxtOFile {
public:
    using TTxtOFile::TTxtOFile;
    bool Open(int sharing);
};

class TTxtAFile : public TTxtOFile {
public:
    using TTxtOFile::TTxtOFile;
    bool Open(int sharing);
};

class TRndFile : public TGFile {
public:
    using TGFile::TGFile;
    bool Open(int sharing);
    bool Rewrite(int sharing);
    int ReadBlock(char* buffer, int count);
    int WriteBlock(const char* buffer, int count);
    int LastCount() const { return lastCount_; }

private:
    int lastCount_ = 0;
};

}
