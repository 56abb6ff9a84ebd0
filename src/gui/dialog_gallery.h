#pragma once

#include <string>

namespace zam {

// Opens one dialog with sample content, for looking at it: "message",
// "question", "file", "save", "option", "list", "action", "text", "login",
// "about", "help". Returns false for an unknown name.
bool ShowDialogSample(const std::string& name);
const char* DialogSampleNames();

}
