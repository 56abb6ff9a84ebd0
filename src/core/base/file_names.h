#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zam {

// File names are Windows-1252 text with "/" as separator. Everything derived
// from a data file's name looks at the file-name part only, never at a dot in
// a directory name.

inline constexpr char kPathSep = '/';

bool FileExists(const std::string& name);
// A missing file is looked for once more after a short wait (one second; the
// tests set it to 0), as files on network folders may appear late.
bool FileAppears(const std::string& name);
void SetMissingFileRetry(int milliseconds);
bool IsDirectory(const std::string& name);
bool DeleteFile(const std::string& name);
bool RenameFile(const std::string& from, const std::string& to);

std::string FileNamePart(std::string_view name);
// The directory without its trailing separator ("" for a bare name, "/" for root).
std::string DirectoryPart(std::string_view name);

// The file-name part cut before its last "."; with an extension, "." + it appended.
std::string ReplaceExt(std::string_view name, std::optional<std::string_view> extension);

// The text from the first "." of the file-name part on (".klb", "._kl"), or "".
std::string ExtensionOf(std::string_view name);

std::string JoinPath(std::string_view directory, std::string_view name);
bool DirectoryUsable(const std::string& directory);
// Trailing separators removed (root stays "/"); empty when the directory does not exist.
std::string NormalizeDirectory(std::string_view text);

bool CreateEmptyFile(const std::string& name);
bool CanCreateFile(const std::string& name);

// A long path for captions: head, "...", tail.
std::string ShortenPath(std::string_view name, int width);

// series.klb -> series.§kl; a name without "." gets ".§" appended.
std::string LockFileName(std::string_view name);

// series.klb -> series._kl; a name without "." gets "._" appended.
std::string BackupFileName(std::string_view name);

bool CopyFile(const std::string& from, const std::string& to);
// The file's backup copy (BackupFileName) replaced by a copy of the file;
// false when there is no file or the copy failed.
bool MakeBackupCopy(const std::string& name);

std::string ReadFirstLine(const std::string& name);
// Replaces the file by one holding the line and CR LF; false (and an error box)
// when it could not be written.
bool WriteSingleLine(const std::string& name, const std::string& text);
// Replaces the file by the lines, each ended with CR LF, written completely
// before the old file goes; false (and an error box) on failure.
bool WriteTextLines(const std::string& name, const std::vector<std::string>& lines);

// A temporary name in the same folder as the target, for writing a file
// completely before it replaces the target.
std::string TempFileFor(std::string_view target);
// Renames the finished temporary file over the target; on failure the
// temporary file is removed and the error box names the target.
bool CommitTempFile(const std::string& temp, const std::string& target);

}
