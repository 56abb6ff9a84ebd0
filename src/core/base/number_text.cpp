#include "base/number_text.h"

#include "base/bounds.h"
#include "base/text_utils.h"

#include <charconv>
#include <cmath>

namespace zam {

namespace {

    // A finite double as its shortest round-trip decimal digits:
    // value = 0.d1d2...dn * 10^pointPos, sign apart. Rounding on these digits
    // makes 2.675 round to 2.68 as a reader of the printed value expects.
    struct TDecimal {
        bool negative = false;
        std::string digits;
        int pointPos = 1;

        bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
    };

    TDecimal ToDecimal(double x)
    {
        TDecimal d;
        char buf[64];
        auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
        std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
        if (!s.empty() && s[0] == '-') {
            d.negative = true;
            s.remove_prefix(1);
        }
        std::size_t e = s.find('e');
        std::string_view mant = s.substr(0, e);
        for (char c : mant) {
            if (c != '.')
                d.digits += c;
        }
        int exp10 = 0;
        std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exp10);
        d.pointPos = exp10 + 1;
        return d;
    }

    // Keeps `keep` leading digits, rounding half away from zero.
    void RoundDigits(TDecimal& d, int keep)
    {
        auto n = static_cast<int>(d.digits.size());
        if (keep >= n)
            return;
        if (keep < 0) {
            d.digits = "0";
            d.pointPos = 1;
            return;
        }
        bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
        d.digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
                d.digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++d.digits[static_cast<std::size_t>(i)];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                ++d.pointPos;
            }
        }
        if (d.digits.empty()) {
            d.digits = "0";
            d.pointPos = 1;
        }
    }

    char DigitAt(const TDecimal& d, int index)
    {
        if (index < 0 || index >= static_cast<int>(d.digits.size()))
            return '0';
        return d.digits[static_cast<std::size_t>(index)];
    }

    std::string NonFiniteText(double x)
    {
        if (std::isnan(x))
            return "Nan";
        return x > 0 ? "+Inf" : "-Inf";
    }

    std::string FixedText(double x, int decimals)
    {
        TDecimal d = ToDecimal(x);
        RoundDigits(d, d.pointPos + decimals);
        std::string out;
        if (d.negative && !d.IsZero())
            out += '-';
        if (d.pointPos <= 0) {
            out += '0';
        } else {
            for (int i = 0; i < d.pointPos; ++i)
                out += DigitAt(d, i);
        }
        if (decimals > 0) {
            out += '.';
            for (int i = 0; i < decimals; ++i)
                out += DigitAt(d, d.pointPos + i);
        }
        return out;
    }

    void ReplaceFirst(std::string& text, std::string_view from, std::string_view to)
    {
        std::size_t p = text.find(from);
        if (p != std::string::npos)
            text.replace(p, from.size(), to);
    }

    int AutoExponent(double x)
    {
        if (x == 0.0)
            return -5;
        return static_cast<int>(std::trunc(std::log10(std::fabs(x)))) - 5;
    }
}

TParsedNumber ParseNumber(std::string_view text)
{
    TParsedNumber r;
    std::string t = Trim(text);
    std::size_t b = t.find_first_not_of('+');
    std::size_t e = t.find_last_not_of('+');
    t = b == std::string::npos ? std::string() : t.substr(b, e - b + 1);
    if (t.empty())
        return r;
    t = CommaToPoint(t);

    // digits, at most one point, optional exponent; at least one mantissa digit
    std::size_t i = 0;
    if (t[i] == '-')
        ++i;
    int mantDigits = 0;
    int decimals = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            ++mantDigits;
            if (point)
                ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    bool ok = mantDigits > 0;
    if (ok && i < t.size()) {
        ok = t[i] == 'e' || t[i] == 'E';
        ++i;
        if (ok && i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        int expDigits = 0;
        for (; ok && i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9') {
                ok = false;
                break;
            }
            ++expDigits;
        }
        ok = ok && expDigits > 0;
    }
    double value = 0.0;
    if (ok) {
        auto res = std::from_chars(t.data(), t.data() + t.size(), value);
        ok = res.ec == std::errc() && res.ptr == t.data() + t.size() && std::isfinite(value);
    }
    if (!ok) {
        r.status = kStatusInvalid;
        return r;
    }
    r.value = value;
    r.status = decimals;
    r.integer = RoundClamped(value);
    return r;
}

int ParseInteger(std::string_view text)
{
    return ParseNumber(text).integer;
}

double ParseReal(std::string_view text)
{
    return ParseNumber(text).value;
}

std::string FormatFixed(int decimals, double x)
{
    if (!std::isfinite(x))
        return NonFiniteText(x);
    std::string s = FixedText(x, std::abs(decimals));
    if (decimals < 0 && s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return s;
}

std::string FormatAuto(double x)
{
    if (!std::isfinite(x))
        return NonFiniteText(x);
    int d = ClampInt(AutoExponent(x), -10, 0);
    return FormatFixed(d, x);
}

std::string FormatSmall(double x)
{
    if (!std::isfinite(x))
        return NonFiniteText(x);
    int e = AutoExponent(x);
    if (e < -10) {
        std::string s = FormatExponent(x, 14);
        ReplaceFirst(s, "E-00", "E-");
        return Trim(s);
    }
    return FormatFixed(MaxInt(-e, 0), x);
}

std::string FormatExponent(double x, int width)
{
    if (!std::isfinite(x))
        return NonFiniteText(x);
    int decimals = MaxInt(1, width - 9);
    TDecimal d = ToDecimal(x);
    bool zero = d.IsZero();
    RoundDigits(d, decimals + 1);
    int exp10 = zero ? 0 : d.pointPos - 1;
    std::string out;
    out += d.negative && !zero ? '-' : ' ';
    out += DigitAt(d, 0);
    out += '.';
    for (int i = 1; i <= decimals; ++i)
        out += DigitAt(d, i);
    out += 'E';
    out += exp10 < 0 ? '-' : '+';
    std::string digits = std::to_string(std::abs(exp10));
    out += std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
    return out;
}

std::string FormatWidth(int decimals, int width, double x)
{
    if (width <= 0)
        return {};
    while (true) {
        std::string s = FormatFixed(decimals, x);
        if (static_cast<int>(s.size()) <= width)
            return Align(s, width, 1);
        if (decimals == 0)
            break;
        decimals += decimals > 0 ? -1 : 1;
    }
    std::string s = FormatExponent(x, width + 2);
    if (s.find("E+00") != std::string::npos)
        ReplaceFirst(s, "E+00", "E+");
    else
        s = FormatExponent(x, width);
    // the sign blank of a positive mantissa is not worth an overflow mark
    s = Trim(s);
    if (static_cast<int>(s.size()) > width)
        s = "*" + s.substr(0, static_cast<std::size_t>(width - 1));
    return Align(s, width, 1);
}

std::string ProbabilityText(double probability)
{
    double q = ClampReal(100.0, 0.0, 100.0 - 100.0 * probability);
    if (q <= 99.99)
        return " p=" + FormatFixed(-2, q) + "%";
    return " p>99.99%";
}

}
