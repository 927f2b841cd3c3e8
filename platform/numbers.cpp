#include "numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vib {

std::int64_t RoundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    constexpr double kMax = 9.2233720368547748e18;  // below 2^63
    if (v >= kMax) return std::numeric_limits<std::int64_t>::max();
    if (v <= -kMax) return std::numeric_limits<std::int64_t>::min();
    // The default floating-point environment rounds to nearest, halves to even.
    return static_cast<std::int64_t>(std::nearbyint(v));
}

std::int16_t RoundToInt16(double v) {
    const std::int64_t r = RoundHalfEven(v);
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts canonical text ("-12.5E+3") to double without the C locale getting in the way.
// Overflow gives +/-infinity, underflow 0.
double CanonicalToDouble(const std::string& s) {
    double v = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = !s.empty() && s[0] == '-';
        const auto e = s.find_first_of("Ee");
        const bool tiny = e != std::string::npos && e + 1 < s.size() && s[e + 1] == '-';
        if (tiny) return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    (void)ptr;
    return v;
}

void UpperExponent(std::string& s) {
    for (char& c : s)
        if (c == 'e') c = 'E';
}

// An exponent's digits as from_chars can take them: leading zeros dropped first (so
// "0000001" is 1), then any run still longer than six digits capped, as it over- or
// underflows either way.
std::string ExponentDigits(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    std::string significant = digits.substr(first);
    if (significant.size() > 6) significant = "999999";
    return significant;
}

// Scans "[sign]digits[.digits][E[sign]digits]" from s at pos. With `strict`, a dangling
// exponent marker is not a number; without it, the exponent part is dropped instead.
// Returns the canonical text, empty when no mantissa digit was found.
std::string ScanDecimal(std::string_view s, std::size_t& pos, bool strict, bool& bad) {
    std::string out;
    bad = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        if (s[pos] == '-') out.push_back('-');
        ++pos;
    }
    std::string intDigits, fracDigits;
    while (pos < s.size() && IsDigit(s[pos])) intDigits.push_back(s[pos++]);
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && IsDigit(s[pos])) fracDigits.push_back(s[pos++]);
    }
    if (intDigits.empty() && fracDigits.empty()) return {};
    out += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) out += "." + fracDigits;
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t p = pos + 1;
        std::string exp = "E";
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) exp.push_back(s[p++]);
        std::string expDigits;
        while (p < s.size() && IsDigit(s[p])) expDigits.push_back(s[p++]);
        if (!expDigits.empty()) {
            out += exp + ExponentDigits(expDigits);
            pos = p;
        } else if (strict) {
            bad = true;
        }
    }
    return out;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);

    if (s.size() >= 2 && s[0] == '&' &&
        (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const bool hex = s[1] == 'H' || s[1] == 'h';
        std::uint64_t value = 0;
        int digits = 0;
        for (std::size_t i = 2; i < s.size(); ++i) {
            const char c = s[i];
            int d = -1;
            if (IsDigit(c))
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0 || (!hex && d > 7)) break;
            if (value == 0 && d == 0) continue;  // leading zeros do not count as digits
            value = value * (hex ? 16 : 8) + static_cast<std::uint64_t>(d);
            if (++digits > 16) break;
        }
        // Short literals are 16-bit and longer ones 32-bit two's-complement integers,
        // so &HFFFF reads as -1 and &H8000 as -32768.
        if (value <= 0xFFFF && (hex ? digits <= 4 : value <= 0177777))
            return static_cast<double>(static_cast<std::int16_t>(value));
        if (value <= 0xFFFFFFFFu) return static_cast<double>(static_cast<std::int32_t>(value));
        return static_cast<double>(value);
    }

    std::size_t pos = 0;
    bool bad = false;
    const std::string canonical = ScanDecimal(s, pos, false, bad);
    if (canonical.empty()) return 0.0;
    return CanonicalToDouble(canonical);
}

std::string FormatGeneral(double v, char decimal) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    std::string s = ec == std::errc{} ? std::string(buf, end) : std::string("0");
    UpperExponent(s);
    if (s == "-0") s = "0";
    if (decimal != '.')
        for (char& c : s)
            if (c == '.') c = decimal;
    return s;
}

std::string ErrorNumberText(int number) {
    std::string text = std::to_string(number);
    if (number >= 0) text.insert(text.begin(), ' ');  // the sign position
    return text;
}

std::string ErrorBoxTitle(int number) {
    return "Error # " + ErrorNumberText(number) + " Occured";
}

std::string FormatMask(double v, std::string_view mask, char decimal) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    int decimals = 0;
    const auto point = mask.find('.');
    if (point != std::string_view::npos)
        for (std::size_t i = point + 1; i < mask.size(); ++i)
            if (mask[i] == '#' || mask[i] == '0') ++decimals;

    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s = ec == std::errc{} ? std::string(buf, end) : FormatGeneral(v);
    const auto dot = s.find('.');
    if (dot != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    for (char& c : s)
        if (c == '.') c = decimal;
    return s;
}

std::optional<double> ParseLocaleNumber(std::string_view text, NumberLocale locale) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;

    std::string canonical;
    std::size_t pos = 0;
    if (text[pos] == '+' || text[pos] == '-') {
        if (text[pos] == '-') canonical.push_back('-');
        ++pos;
    }
    // Integer part, with thousands separators accepted only in groups of three.
    const bool grouping = locale.group != locale.decimal && locale.group != '\0';
    std::string intDigits;
    int groupLen = 0;
    bool grouped = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (IsDigit(c)) {
            intDigits.push_back(c);
            ++groupLen;
            ++pos;
        } else if (grouping && c == locale.group) {
            if (intDigits.empty() || (grouped ? groupLen != 3 : groupLen > 3)) return std::nullopt;
            grouped = true;
            groupLen = 0;
            ++pos;
        } else {
            break;
        }
    }
    if (grouped && groupLen != 3) return std::nullopt;
    std::string fracDigits;
    if (pos < text.size() && text[pos] == locale.decimal) {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) fracDigits.push_back(text[pos++]);
    }
    if (intDigits.empty() && fracDigits.empty()) return std::nullopt;
    canonical += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) canonical += "." + fracDigits;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        std::string exp = "E";
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) exp.push_back(text[pos++]);
        std::string expDigits;
        while (pos < text.size() && IsDigit(text[pos])) expDigits.push_back(text[pos++]);
        if (expDigits.empty()) return std::nullopt;
        canonical += exp + ExponentDigits(expDigits);
    }
    if (pos != text.size()) return std::nullopt;
    const double v = CanonicalToDouble(canonical);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool FitsSingle(double v) {
    return std::isfinite(StoreSingle(v));
}

std::optional<double> ParseStorableNumber(std::string_view text, NumberLocale locale) {
    const auto v = ParseLocaleNumber(text, locale);
    if (v && !FitsSingle(*v)) return std::nullopt;
    return v;
}

std::string FloatToText(float v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    std::string s = ec == std::errc{} ? std::string(buf, end) : std::string("0");
    UpperExponent(s);
    return s;
}

namespace {

// The form nearly every field has, "[+|-]digits[.digits][E[+|-]d[d[d]]]", read in place:
// the same correctly rounded value as the canonical text, without building it. With at
// most 15 digits and a power of ten up to 22, both are exact doubles and one multiply or
// divide rounds correctly; otherwise from_chars reads it. Anything else (and any over- or
// underflow) takes the general way.
std::optional<double> PlainDecimal(std::string_view t) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* b = t.data();
    const char* const e = b + t.size();
    if (b < e && *b == '+') ++b;
    const char* p = b;
    const bool negative = p < e && *p == '-' && b == t.data();
    if (negative) ++p;
    std::uint64_t mantissa = 0;
    int digits = 0, significant = 0, scale = 0;
    auto digit = [&](char c) {
        ++digits;
        if (mantissa == 0 && c == '0') return;
        mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        ++significant;
    };
    while (p < e && IsDigit(*p)) digit(*p++);
    if (p < e && *p == '.') {
        ++p;
        for (; p < e && IsDigit(*p); ++p, --scale) digit(*p);
    }
    if (digits == 0) return std::nullopt;
    if (p < e && (*p == 'E' || *p == 'e')) {
        ++p;
        const bool down = p < e && *p == '-';
        if (p < e && (*p == '+' || *p == '-')) ++p;
        int exponent = 0, exponentDigits = 0;
        for (; p < e && IsDigit(*p); ++p, ++exponentDigits) {
            if (exponentDigits == 3) return std::nullopt;  // long exponents: the general way
            exponent = exponent * 10 + (*p - '0');
        }
        if (exponentDigits == 0) return std::nullopt;
        scale += down ? -exponent : exponent;
    }
    if (p != e) return std::nullopt;
    if (significant <= 15 && scale >= -22 && scale <= 22) {
        const double m = static_cast<double>(mantissa);
        const double v = scale >= 0 ? m * kPowers[scale] : m / kPowers[-scale];
        return negative ? -v : v;
    }
    double v = 0.0;
    const auto [end, ec] = std::from_chars(b, e, v);
    if (ec != std::errc{} || end != e) return std::nullopt;
    return v;
}

}  // namespace

std::optional<float> ParseFieldNumber(std::string_view text) {
    if (const auto v = PlainDecimal(text); v && std::fabs(*v) <= static_cast<double>(FLT_MAX))
        return static_cast<float>(*v);
    std::size_t pos = 0;
    bool bad = false;
    const std::string canonical = ScanDecimal(text, pos, true, bad);
    if (canonical.empty() || bad || pos != text.size()) return std::nullopt;
    const double v = CanonicalToDouble(canonical);
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX)) {
        // Values that round to FLT_MAX are still floats; anything beyond is not.
        if (std::isfinite(v) && std::isfinite(static_cast<float>(v))) return static_cast<float>(v);
        return std::nullopt;
    }
    return static_cast<float>(v);
}

}  // namespace vib
