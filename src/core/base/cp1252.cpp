#include "base/cp1252.h"

#include <array>

namespace zam {

namespace {

    // Unicode code points of the bytes 0x80..0x9F in Windows-1252.
    constexpr std::array<char32_t, 32> kHigh1252 = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };

    // Unicode code points of the bytes 0x80..0xFF in code page 850.
    constexpr std::array<char32_t, 128> kHigh850 = {
        0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, //
        0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, //
        0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, //
        0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, //
        0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, //
        0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, //
        0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, //
        0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, //
        0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, //
        0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, //
        0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, //
        0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, //
        0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, //
        0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, //
        0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, //
        0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
    };

    struct TCodePageTables {
        std::array<unsigned char, 256> ansiToOem {};
        std::array<unsigned char, 256> oemToAnsi {};
    };

    TCodePageTables BuildCodePageTables()
    {
        TCodePageTables t;
        for (int i = 0; i < 256; ++i) {
            t.ansiToOem[static_cast<std::size_t>(i)] = i < 128 ? static_cast<unsigned char>(i) : '?';
            t.oemToAnsi[static_cast<std::size_t>(i)] = i < 128 ? static_cast<unsigned char>(i) : '?';
        }
        for (int oem = 128; oem < 256; ++oem) {
            char32_t cp = kHigh850[static_cast<std::size_t>(oem - 128)];
            char ansi = CodePointToCp1252(cp);
            if (ansi != '?') {
                t.oemToAnsi[static_cast<std::size_t>(oem)] = static_cast<unsigned char>(ansi);
                t.ansiToOem[static_cast<unsigned char>(ansi)] = static_cast<unsigned char>(oem);
            }
        }
        return t;
    }

    const TCodePageTables& CodePageTables()
    {
        static const TCodePageTables tables = BuildCodePageTables();
        return tables;
    }

    void AppendUtf8(std::string& out, char32_t cp)
    {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    // Decodes one UTF-8 sequence at text[i]; returns its length, 0 when invalid.
    std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp)
    {
        auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        unsigned char b0 = byte(i);
        std::size_t len = b0 >= 0xF0 && b0 < 0xF5 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : 0;
        if (len == 0 || i + len > text.size())
            return 0;
        cp = b0 & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
        for (std::size_t k = 1; k < len; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                return 0;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        return len;
    }

}

char32_t Cp1252ToCodePoint(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return kHigh1252[c - 0x80];
    return c;
}

char CodePointToCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh1252.size(); ++i) {
        if (kHigh1252[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text)
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        std::size_t len = DecodeUtf8(text, i, cp);
        if (len == 0) {
            out += static_cast<char>(b);
            ++i;
        } else {
            out += CodePointToCp1252(cp);
            i += len;
        }
    }
    return out;
}

namespace {
    std::string MapBytes(std::string_view text, const std::array<unsigned char, 256>& table)
    {
        std::string out(text);
        for (char& c : out)
            c = static_cast<char>(table[static_cast<unsigned char>(c)]);
        return out;
    }
}

std::string AnsiToOem(std::string_view text) { return MapBytes(text, CodePageTables().ansiToOem); }

std::string OemToAnsi(std::string_view text) { return MapBytes(text, CodePageTables().oemToAnsi); }

}
