#include "base/coded_real.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace zam {

namespace {
    constexpr std::uint64_t kFraction = std::uint64_t { 1 } << 39;

    std::array<unsigned char, 6> ToReal48(double x)
    {
        std::array<unsigned char, 6> b {};
        if (!std::isfinite(x) || x == 0.0)
            return b;
        int k = 0;
        double m = std::frexp(std::fabs(x), &k); // |x| = m * 2^k, m in [0.5, 1)
        int e = k + 128;
        auto f = static_cast<std::uint64_t>(std::nearbyint((2.0 * m - 1.0) * static_cast<double>(kFraction)));
        if (f >= kFraction) {
            f = 0;
            ++e;
        }
        if (e <= 0)
            return b; // below the smallest six-byte real
        if (e > 255) {
            e = 255;
            f = kFraction - 1;
        }
        b[0] = static_cast<unsigned char>(e);
        for (int i = 1; i <= 5; ++i)
            b[static_cast<std::size_t>(i)] = static_cast<unsigned char>((f >> (8 * (i - 1))) & 0xFF);
        if (x < 0)
            b[5] |= 0x80;
        return b;
    }

    double FromReal48(const unsigned char* b)
    {
        if (b[0] == 0)
            return 0.0;
        std::uint64_t f = 0;
        for (int i = 1; i <= 5; ++i)
            f |= static_cast<std::uint64_t>(i == 5 ? (b[i] & 0x7F) : b[i]) << (8 * (i - 1));
        double v = std::ldexp(1.0 + static_cast<double>(f) / static_cast<double>(kFraction), b[0] - 129);
        return (b[5] & 0x80) != 0 ? -v : v;
    }
}

std::string EncodeReal(double x)
{
    auto b = ToReal48(x);
    std::string code;
    for (unsigned char byte : b) {
        code += static_cast<char>('A' + (byte >> 4));
        code += static_cast<char>('A' + (byte & 0x0F));
    }
    return code;
}

double DecodeReal(std::string_view code)
{
    if (code.size() != 12 && code.size() != 16)
        return 0.0;
    unsigned char bytes[8] = {};
    for (std::size_t i = 0; i < code.size() / 2; ++i) {
        unsigned hi = static_cast<unsigned char>(code[2 * i]) - 65U;
        unsigned lo = static_cast<unsigned char>(code[2 * i + 1]) - 65U;
        bytes[i] = static_cast<unsigned char>((16U * hi + lo) & 0xFFU);
    }
    if (code.size() == 12)
        return FromReal48(bytes);
    double v = 0.0;
    std::memcpy(&v, bytes, sizeof v);
    // letters are not checked, so a damaged code can be any bit pattern
    return std::isfinite(v) ? v : 0.0;
}

}
