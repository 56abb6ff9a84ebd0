#pragma once

#include <span>
#include <string>

namespace zam {

// Command codes: the hundreds digit is the group (1 new entry, 2 evaluation,
// 3 new analysis entry, 4 analysis evaluation, 15..26 control charts), the
// tens digit the procedure, a last digit 1 the correction of the current file.
int CommandGroup(int code);
int CommandProcedure(int code);
bool IsCorrectionCode(int code);
// The correction command for the results on display: 210 -> 211, 320 -> 321.
int CorrectionCode(int displayedCode);

enum class TWorkflow {
    Entry, // enter or correct data, then compute
    Select, // choose a stored file, show its results
    SelectThenEntry, // choose a stored file, enter further data, compute
};

struct TProcedureCommand {
    int code;
    const char* menuCaption;
    TWorkflow workflow;
    const char* calcClass;
    const char* filter; // file pattern of the selection, "" for entry
    const char* selectCaption;
    const char* entryPart; // which entry dialog, "" for none
};

std::span<const TProcedureCommand> ProcedureCommands();
// nullptr for a code the dispatcher does not know.
const TProcedureCommand* FindProcedureCommand(int code);

}
