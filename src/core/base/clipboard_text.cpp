#include "base/clipboard_text.h"

#include "app/clipboard.h"

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

bool ClipboardTable(std::vector<std::string>& cells)
{
    if (!Clipboard().HasText())
        return false;
    std::string text = Clipboard().GetText();
    if (text.find('\r') == std::string::npos) {
        // Linux programs end rows with LF alone; rows end at an LF outside quotes.
        bool quoted = false;
        for (char& c : text) {
            if (c == '"')
                quoted = !quoted;
            else if (c == '\n' && !quoted)
                c = '\r';
        }
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\r', start);
        std::string row = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!row.empty() && row[0] == '\n')
            row.erase(0, 1);
        if (!row.empty()) {
            std::size_t cs = 0;
            while (true) {
                std::size_t tab = row.find('\t', cs);
                cells.push_back(UnquoteCell(row.substr(cs, tab == std::string::npos ? std::string::npos : tab - cs)));
                if (tab == std::string::npos)
                    break;
                cs = tab + 1;
            }
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return true;
}

}
