#include "base/line_scramble.h"

#include <array>

namespace zam {

namespace {

    unsigned SwapBits(unsigned v, int a, int b)
    {
        unsigned ba = (v >> a) & 1U;
        unsigned bb = (v >> b) & 1U;
        if (ba != bb)
            v ^= (1U << a) | (1U << b);
        return v;
    }

    unsigned TransformHigh(unsigned high, int r3)
    {
        switch (r3) {
        case 0:
            return SwapBits(high, 5, 7);
        case 1:
            return SwapBits(high, 5, 6);
        default:
            return SwapBits(high, 6, 7);
        }
    }

    unsigned TransformLow(unsigned low, int r11)
    {
        switch (r11) {
        case 0:
            return SwapBits(SwapBits(low, 3, 4), 1, 2) ^ 1U;
        case 1:
            return SwapBits(SwapBits(low, 3, 4), 1, 2) ^ 31U;
        case 2:
            return SwapBits(SwapBits(low, 3, 4), 0, 1) ^ 4U;
        case 3:
            return SwapBits(SwapBits(low, 3, 4), 0, 1) ^ 31U;
        case 4:
            return SwapBits(SwapBits(low, 2, 3), 0, 1) ^ 16U;
        case 5:
            return SwapBits(SwapBits(low, 2, 3), 0, 1) ^ 31U;
        case 6:
            return SwapBits(low, 3, 4) ^ 7U;
        case 7:
            return SwapBits(low, 1, 2) ^ 25U;
        case 8:
            return SwapBits(low, 2, 3) ^ 19U;
        case 9:
            return SwapBits(low, 0, 1) ^ 28U;
        default:
            return SwapBits(SwapBits(low, 3, 4), 0, 1) ^ 27U;
        }
    }

    // The key matters only modulo 3 and modulo 11, so 33 tables cover all keys.
    using TTable = std::array<std::array<unsigned char, 256>, 33>;

    TTable BuildTable()
    {
        TTable t {};
        for (int r = 0; r < 33; ++r) {
            for (unsigned c = 0; c < 256; ++c) {
                unsigned v = c < 32 ? 46U : c;
                unsigned out = TransformHigh(v & 0xE0U, r % 3) | TransformLow(v & 0x1FU, r % 11);
                t[static_cast<std::size_t>(r)][c] = static_cast<unsigned char>(out);
            }
        }
        return t;
    }

    const TTable& Table()
    {
        static const TTable table = BuildTable();
        return table;
    }
}

char ScrambleChar(unsigned char c, long long key)
{
    return static_cast<char>(Table()[static_cast<std::size_t>(key % 33)][c]);
}

void ScrambleLine(std::string& line, int lineNumber)
{
    const TTable& t = Table();
    auto r = static_cast<std::size_t>((static_cast<long long>(lineNumber) + 1) % 33);
    for (char& c : line) {
        c = static_cast<char>(t[r][static_cast<unsigned char>(c)]);
        r = r == 32 ? 0 : r + 1;
    }
}

}
