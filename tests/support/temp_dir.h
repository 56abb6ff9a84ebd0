#pragma once

#include <string>

namespace zam::test {

// A fresh directory below the system's temporary folder, removed with the object.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file in the directory (Windows-1252 name).
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Raw bytes of a file, and writing raw bytes.
std::string ReadBytes(const std::string& name);
void WriteBytes(const std::string& name, const std::string& bytes);

}

#include <functional>

namespace zam::test {

// Runs the check in a child process with the rights of an unprivileged user
// (when the tests run as root, which ignores file permissions); true when the
// check returned true there.
bool RunUnprivileged(const std::function<bool()>& check);

}
