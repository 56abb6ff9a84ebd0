#pragma once

#include "app/clipboard.h"

namespace zam {

// The system clipboard, plain text converted between Windows-1252 and Unicode.
class TQtClipboard : public TClipboard {
public:
    bool HasText() const override;
    std::string GetText() const override;
    void SetText(const std::string& text) override;
};

}
