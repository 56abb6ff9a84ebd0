#pragma once

#include <string>

namespace zam {

// The multi-user lock of data files opened for editing. The lock file beside
// the data file (LockFileName) is created exclusively and names its holder:
// user, host, process id and time. A lock whose process no longer runs on this
// host is stale and taken over.

struct TLockHolder {
    std::string user;
    std::string host;
    long pid = 0;
    std::string time;
};

// The name written into lock files (the logged-in user; the login name before).
void SetLockUserName(const std::string& name);

// True when another live holder has the file's lock.
bool IsLockedByOther(const std::string& dataFile, TLockHolder* holder = nullptr);

// Takes the lock; false when another live holder has it. A folder where no
// lock file can be made leaves the file unlocked rather than unusable.
bool TakeLock(const std::string& dataFile);

// Removes the lock when it is ours or stale; another holder's lock stays.
void ReleaseLock(const std::string& dataFile);

}
