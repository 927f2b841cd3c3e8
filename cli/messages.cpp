#include "messages.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "platform/codepage.h"

namespace vib::cli {
namespace {

std::string Escaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out;
}

// C1 controls, the line and paragraph separators and the bidirectional controls.
bool Hazardous(char32_t cp) {
    return cp <= 0x9F || cp == 0x2028 || cp == 0x2029 || (cp >= 0x202A && cp <= 0x202E) ||
           (cp >= 0x2066 && cp <= 0x2069);
}

struct Piece {
    std::string text;
    std::size_t width;  // characters on the terminal
};

std::vector<Piece> Pieces(std::string_view text) {
    std::vector<Piece> pieces;
    while (!text.empty()) {
        const auto b = static_cast<unsigned char>(text[0]);
        std::size_t n = 1;
        if (b >= 0x20 && b < 0x7F) {
            pieces.push_back({std::string(1, text[0]), 1});
        } else if (char32_t cp = 0; b >= 0x80 && (n = Utf8SequenceLength(text, cp)) != 0) {
            if (Hazardous(cp))
                pieces.push_back({Escaped(text.substr(0, n)), 4 * n});
            else
                pieces.push_back({std::string(text.substr(0, n)), 1});
        } else {
            n = 1;
            pieces.push_back({Escaped(text.substr(0, 1)), 4});
        }
        text.remove_prefix(n);
    }
    return pieces;
}

// "record R, field F", "value N" or "text line N" followed by ": ": the length of that
// place, or 0 when the detail does not start with one.
std::size_t PlaceLength(std::string_view d) {
    auto number = [&d](std::size_t at) {
        std::size_t end = at;
        while (end < d.size() && std::isdigit(static_cast<unsigned char>(d[end]))) ++end;
        return end > at ? end : std::string_view::npos;
    };
    auto word = [&d](std::size_t at, std::string_view w) {
        return d.substr(at, w.size()) == w ? at + w.size() : std::string_view::npos;
    };
    std::size_t end = std::string_view::npos;
    if (word(0, "record ") != std::string_view::npos) {
        const std::size_t r = number(7);
        if (r != std::string_view::npos && word(r, ", field ") != std::string_view::npos)
            end = number(r + 8);
    } else if (word(0, "value ") != std::string_view::npos) {
        end = number(6);
    } else if (word(0, "text line ") != std::string_view::npos) {
        end = number(10);
    }
    return end != std::string_view::npos && word(end, ": ") != std::string_view::npos ? end : 0;
}

}  // namespace

std::string SafeText(std::string_view text, std::size_t limit) {
    const std::vector<Piece> pieces = Pieces(text);
    std::size_t total = 0;
    for (const Piece& p : pieces) total += p.width;
    std::string out;
    if (total <= limit) {
        for (const Piece& p : pieces) out += p.text;
        return out;
    }
    // Most of the room for the start, where a reader looks first; the end shows how the
    // text closes (a quote, "is not a number").
    const std::size_t room = limit > 3 ? limit - 3 : 0;
    const std::size_t tailRoom = room / 3;
    std::size_t headRoom = room - tailRoom;
    std::size_t first = 0;
    while (first < pieces.size() && pieces[first].width <= headRoom) {
        headRoom -= pieces[first].width;
        out += pieces[first++].text;
    }
    std::size_t last = pieces.size();
    std::size_t tailWidth = 0;
    while (last > first && tailWidth + pieces[last - 1].width <= tailRoom)
        tailWidth += pieces[--last].width;
    out += "...";
    for (std::size_t i = last; i < pieces.size(); ++i) out += pieces[i].text;
    return out;
}

namespace {

// The file writer and reader name the file again ("PATH is a folder", "PATH: too many
// symbolic links"), which the line already does; so does its own colon.
std::string_view DetailAfterPath(const std::string& path, std::string_view detail) {
    if (!path.empty() && detail.substr(0, path.size()) == path) {
        detail.remove_prefix(path.size());
        if (!detail.empty() && detail.front() == ':') detail.remove_prefix(1);
        while (!detail.empty() && detail.front() == ' ') detail.remove_prefix(1);
    }
    return detail;
}

int LeadingNumber(std::string_view text) {
    int n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

}  // namespace

ErrorPlace PlaceOf(const std::string& path, const FileError& e) {
    const std::string_view detail = DetailAfterPath(path, e.detail);
    ErrorPlace place;
    if (detail.substr(0, 7) != "record ") return place;
    place.record = LeadingNumber(detail.substr(7));
    if (const auto field = detail.find(", field ");
        field != std::string_view::npos && field == detail.find_first_not_of("0123456789", 7))
        place.field = LeadingNumber(detail.substr(field + 8));
    return place;
}

std::string FileErrorLine(const std::string& path, const FileError& e) {
    std::string line = "vibcalc: " + SafeText(path) + ": " + SafeText(e.description) + " (error " +
                       std::to_string(e.number) + ")";
    const std::string_view detail = DetailAfterPath(path, e.detail);
    if (detail.empty()) return line;
    if (const std::size_t place = PlaceLength(detail))
        return line + ": " + std::string(detail.substr(0, place)) + ": " +
               SafeText(detail.substr(place + 2), kExcerptLimit);
    // The readers' own words, with the numbers they quote; cut only as a last resort.
    return line + ": " + SafeText(detail, 4 * kExcerptLimit);
}

std::string ProblemLine(const std::string& path, const std::string& text) {
    return "vibcalc: " + SafeText(path) + ": " + text;
}

}  // namespace vib::cli
