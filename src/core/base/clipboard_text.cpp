#include "base/clipboard_text.h"

#include "app/clipboard.h"
#include "base/text_utils.h"

namespace zam {

std::string ClipboardFirstCell()
{
    if (!Clipboard().HasText())
        return {};
    std::string text = Clipboard().GetText();
    return text.substr(0, text.find_first_of("\r\t\n"));
}

std::string UnquoteCell(const std::string& cell)
{
    if (cell.size() <= 2)
        return cell;
    bool control = false;
    std::string t = cell;
    for (char& c : t) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
            control = true;
        }
    }
    if (!control)
        return cell;
    if (t.front() == '"' && t.back() == '"') {
        std::string inner = t.substr(1, t.size() - 2);
        std::string out;
        for (std::size_t i = 0; i < inner.size(); ++i) {
            out += inner[i];
            if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
                ++i;
        }
        return out;
    }
    return t;
}

std::vector<TClipboardPiece> ClipboardRows(std::string text)
{
    if (text.find('\r') == std::string::npos) {
        bool quoted = false;
        for (char& c : text) {
            if (c == '"')
                quoted = !quoted;
            else if (c == '\n' && !quoted)
                c = '\r';
        }
    }
    std::vector<TClipboardPiece> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\r', start);
        TClipboardPiece p;
        p.text = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!p.text.empty() && p.text[0] == '\n')
            p.text.erase(0, 1);
        p.remainder = end == std::string::npos;
        pieces.push_back(std::move(p));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return pieces;
}

bool ClipboardTable(std::vector<std::string>& cells)
{
    if (!Clipboard().HasText())
        return false;
    for (const auto& row : ClipboardRows(Clipboard().GetText())) {
        if (row.text.empty())
            continue;
        for (const auto& c : SplitFields(row.text, '\t'))
            cells.push_back(UnquoteCell(c));
    }
    return true;
}

}
