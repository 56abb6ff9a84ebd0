#pragma once

#include <string>

namespace zam {

// Plain-text clipboard, Windows-1252 inside. The desktop program installs the
// system clipboard; otherwise an in-memory one serves (zam-cli, tests).
class TClipboard {
public:
    virtual ~TClipboard() = default;
    virtual bool HasText() const = 0;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

class TMemoryClipboard : public TClipboard {
public:
    bool HasText() const override { return has_; }
    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override
    {
        text_ = text;
        has_ = true;
    }
    void Clear()
    {
        text_.clear();
        has_ = false;
    }

private:
    std::string text_;
    bool has_ = false;
};

void SetClipboard(TClipboard* clipboard);
TClipboard& Clipboard();

}
