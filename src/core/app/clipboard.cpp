#include "app/clipboard.h"

namespace zam {

namespace {
    TClipboard* g_clipboard = nullptr;
}

void SetClipboard(TClipboard* clipboard) { g_clipboard = clipboard; }

TClipboard& Clipboard()
{
    static TMemoryClipboard memory;
    return g_clipboard != nullptr ? *g_clipboard : memory;
}

}
