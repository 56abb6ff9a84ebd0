#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zam {

enum TCliExit {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitFileMissing = 3,
    kExitNotDataFile = 4,
};

// zam-cli without a process around it: args without the program name, texts
// to out and err as UTF-8.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}
