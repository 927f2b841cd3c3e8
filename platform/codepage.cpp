#include "codepage.h"

#include <array>
#include <cstdint>

namespace vib {
namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 control of the
// same value, as the system's own conversion does, so they survive a round trip too.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char EncodeOne(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view s, char32_t& cp) {
    if (s.empty()) return 0;
    const auto b0 = static_cast<unsigned char>(s[0]);
    const std::size_t n = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (n == 0 || s.size() < n || b0 > 0xF4) return 0;
    cp = b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        std::size_t n = 1;
        char32_t cp = 0;
        if (static_cast<unsigned char>(text[0]) >= 0x80 && (n = Utf8SequenceLength(text, cp)) == 0)
            return false;
        text.remove_prefix(n);
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        if (b < 0x80)
            out.push_back(static_cast<char>(b));
        else if (b < 0xA0)
            AppendUtf8(out, kHigh[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else {
            out.push_back('?');
            ++i;
            continue;
        }
        if (i + static_cast<std::size_t>(extra) >= utf8.size()) {
            out.push_back('?');
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(EncodeOne(cp));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string LastCharacters(std::string_view utf8, std::size_t count) {
    std::size_t pos = utf8.size();
    for (std::size_t seen = 0; pos > 0 && seen < count; ++seen) {
        --pos;
        while (pos > 0 && (static_cast<unsigned char>(utf8[pos]) & 0xC0) == 0x80) --pos;
    }
    return std::string(utf8.substr(pos));
}

std::string ShownFileName(std::string_view path, std::size_t count) {
    const auto slash = path.find_last_of('/');
    return LastCharacters(slash == std::string_view::npos ? path : path.substr(slash + 1), count);
}

std::string FirstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t seen = 0; pos < utf8.size() && seen < count; ++seen) {
        ++pos;
        while (pos < utf8.size() && (static_cast<unsigned char>(utf8[pos]) & 0xC0) == 0x80) ++pos;
    }
    return std::string(utf8.substr(0, pos));
}

}  // namespace vib
