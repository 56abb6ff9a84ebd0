#include "base/text_file.h"

#include "app/user_dialogs.h"
#include "base/file_names.h"
#include "base/os_path.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zam {

TGFile::TGFile(std::string fileName)
    : fileName_(std::move(fileName))
    , displayName_(fileName_)
{
}

TGFile::~TGFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool TGFile::Open()
{
    if (IsOpen())
        return true;
    error_ = false;
    end_ = false;
    int access = mode_ % 16;
    int flags = (access == 0 ? O_RDONLY : access == 1 ? O_WRONLY : O_RDWR) | O_CLOEXEC;
    std::string os = ToOsPath(fileName_).string();
    int fd = fileName_.empty() ? -1 : ::open(os.c_str(), flags);
    result_ = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat st { };
        bool usable = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
        // Exclusive sharing: another holder of the file makes the open fail,
        // as it would for a file opened without sharing elsewhere.
        if (usable && mode_ >= kShareNone && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
            usable = false;
        if (!usable) {
            result_ = errno != 0 ? errno : EISDIR;
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) {
        ReportError("Datei kann nicht geöffnet werden!");
        return false;
    }
    fd_ = fd;
    return true;
}

int TGFile::ReadBlock(char* buffer, int count)
{
    if (!IsOpen() || count <= 0)
        return 0;
    ssize_t n;
    do {
        n = ::read(fd_, buffer, static_cast<std::size_t>(count));
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        result_ = errno;
        ReportError("Lesefehler!");
        return 0;
    }
    return static_cast<int>(n);
}

int TGFile::WriteBlock(const char* buffer, int count)
{
    if (!IsOpen() || count <= 0)
        return 0;
    int done = 0;
    while (done < count) {
        ssize_t n = ::write(fd_, buffer + done, static_cast<std::size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            result_ = n < 0 ? errno : EIO;
            ReportError("Schreibfehler!");
            return 0;
        }
        done += static_cast<int>(n);
    }
    return done;
}

void TGFile::Close()
{
    if (!IsOpen())
        return;
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        result_ = errno;
        SetDialogPosition(4);
        ShowError(displayName_ + ": Fehler beim Schließen der Datei!");
        error_ = true;
        end_ = true;
    }
}

bool TGFile::SeekToEnd() { return IsOpen() && ::lseek(fd_, 0, SEEK_END) >= 0; }

void TGFile::ReportError(const std::string& message)
{
    SetDialogPosition(4);
    ShowError(displayName_ + ": " + message);
    error_ = true;
    end_ = true;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool TTxtRFile::Open(int sharing)
{
    SetMode(0, sharing);
    if (!TGFile::Open())
        return false;
    Fill();
    return true;
}

void TTxtRFile::Fill()
{
    count_ = ReadBlock(buffer_, kBufferSize);
    pos_ = 0;
    if (count_ > 0 && buffer_[count_ - 1] == '\x1A')
        --count_;
    if (count_ <= 0) {
        count_ = 0;
        SetEnd();
    }
}

std::string TTxtRFile::ReadLine()
{
    std::string line;
    if (ErrorFlag() || EndFlag())
        return line;
    if (!IsOpen()) {
        ReportError("Datei ist nicht geöffnet!");
        return line;
    }
    while (true) {
        const char* start = buffer_ + pos_;
        auto avail = static_cast<std::size_t>(count_ - pos_);
        const void* lf = std::memchr(start, '\n', avail);
        if (lf == nullptr) {
            line.append(start, avail);
            Fill();
            if (EndFlag())
                return line;
            continue;
        }
        auto len = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
        line.append(start, len);
        pos_ += static_cast<int>(len) + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (pos_ >= count_)
            Fill();
        return line;
    }
}

TTxtOFile::~TTxtOFile() { Finish(); }

void TTxtOFile::Flush()
{
    if (!pending_.empty() && !ErrorFlag())
        WriteBlock(pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}

void TTxtOFile::Finish()
{
    if (IsOpen()) {
        Flush();
        Close();
    }
}

void TTxtOFile::WriteLine(const std::string& text)
{
    if (ErrorFlag() || EndFlag())
        return;
    if (!IsOpen()) {
        ReportError("Datei ist nicht geöffnet!");
        return;
    }
    pending_ += text;
    pending_ += "\r\n";
    if (pending_.size() >= 16384)
        Flush();
}

bool TTxtWFile::Open(int sharing)
{
    SetMode(1, sharing);
    CreateEmptyFile(FileName());
    return TGFile::Open();
}

bool TTxtAFile::Open(int sharing)
{
    SetMode(1, sharing);
    if (!FileExists(FileName()))
        CreateEmptyFile(FileName());
    if (!TGFile::Open())
        return false;
    if (!SeekToEnd()) {
        ReportError("Fehler beim Positionieren!");
        return false;
    }
    return true;
}

bool TRndFile::Open(int sharing)
{
    SetMode(2, sharing);
    if (!FileExists(FileName()))
        CreateEmptyFile(FileName());
    return TGFile::Open();
}

bool TRndFile::Rewrite(int sharing)
{
    SetMode(1, sharing);
    CreateEmptyFile(FileName());
    return TGFile::Open();
}

int TRndFile::ReadBlock(char* buffer, int count)
{
    if (ErrorFlag())
        return 0;
    if (!IsOpen()) {
        ReportError("Datei ist nicht geöffnet!");
        return 0;
    }
    lastCount_ = TGFile::ReadBlock(buffer, count);
    return lastCount_;
}

int TRndFile::WriteBlock(const char* buffer, int count)
{
    if (ErrorFlag())
        return 0;
    if (!IsOpen()) {
        ReportError("Datei ist nicht geöffnet!");
        return 0;
    }
    lastCount_ = TGFile::WriteBlock(buffer, count);
    return lastCount_;
}

}
