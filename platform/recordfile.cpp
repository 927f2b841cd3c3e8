#include "recordfile.h"

#include <cmath>

#include "codepage.h"
#include "numbers.h"

namespace vib {
namespace {

// Where a field stands, put into words only when it is wrong: a file of 700 fields
// reads without building 700 texts.
struct Where {
    const char* kind;  // "record", "text line", "value"
    std::size_t index;
    int field = 0;  // 0: no field number
    std::string Text() const {
        std::string t = std::string(kind) + " " + std::to_string(index);
        if (field) t += ", field " + std::to_string(field);
        return t;
    }
};

class FieldReader {
  public:
    explicit FieldReader(std::string_view bytes) : s_(bytes) {}

    // True when nothing but blanks and line ends is left.
    bool AtEnd() const {
        std::size_t p = pos_;
        while (p < s_.size() && IsSpace(s_[p])) ++p;
        return p >= s_.size();
    }

    FileError Number(float& value, const Where& where) {
        SkipBlanks();
        if (pos_ >= s_.size()) return FileError::Make(err::kInputPastEnd, where.Text());
        const std::size_t start = pos_;
        while (pos_ < s_.size() && !IsDelimiter(s_[pos_])) ++pos_;
        std::string_view token = s_.substr(start, pos_ - start);
        while (!token.empty() && IsBlank(token.back())) token.remove_suffix(1);
        ConsumeDelimiter();
        const auto v = ParseFieldNumber(token);
        if (!v)
            return FileError::Make(err::kTypeMismatch, where.Text() + ": \"" + Cp1252ToUtf8(token) +
                                                           "\" is not a number");
        value = *v;
        return {};
    }

    FileError Text(std::string& value, const Where& where) {
        SkipBlanks();
        if (pos_ >= s_.size()) return FileError::Make(err::kInputPastEnd, where.Text());
        std::string_view raw;
        if (s_[pos_] == '"') {
            const std::size_t start = ++pos_;
            // We never write a line break inside a text, so a text must close on its own
            // line; an open quote would otherwise swallow the fields after it.
            const std::size_t close = s_.find_first_of("\"\r\n", start);
            if (close == std::string_view::npos || s_[close] != '"')
                return FileError::Make(err::kTypeMismatch,
                                       where.Text() + ": missing closing quote");
            raw = s_.substr(start, close - start);
            pos_ = close + 1;
            // Anything between the closing quote and the delimiter is ignored.
            while (pos_ < s_.size() && !IsDelimiter(s_[pos_])) ++pos_;
            ConsumeDelimiter();
        } else {
            const std::size_t start = pos_;
            while (pos_ < s_.size() && !IsDelimiter(s_[pos_])) ++pos_;
            raw = s_.substr(start, pos_ - start);
            while (!raw.empty() && IsBlank(raw.back())) raw.remove_suffix(1);
            ConsumeDelimiter();
        }
        value = Cp1252ToUtf8(raw);
        return {};
    }

  private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }
    static bool IsDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void SkipBlanks() {
        while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
    }
    void ConsumeDelimiter() {
        if (pos_ >= s_.size()) return;
        if (s_[pos_] == ',') {
            ++pos_;
        } else if (s_[pos_] == '\r') {
            ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
        } else if (s_[pos_] == '\n') {
            ++pos_;
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

// One character in, one byte out: the text can never add or remove a field.
std::string FileText(const std::string& utf8) {
    std::string bytes = Utf8ToCp1252(utf8);
    for (char& c : bytes) {
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return bytes;
}

}  // namespace

FileError EncodeRecords(const ProfileRecords& records, std::string& bytes) {
    std::string out;
    out.reserve(100 * 64);
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        for (int f = 0; f < ProfileRecords::kNumbers; ++f) {
            const float v = records.numbers[k][f];
            if (!std::isfinite(v))
                return FileError::Make(err::kOverflow, "record " + std::to_string(k) + ", field " +
                                                           std::to_string(f + 1));
            out += FloatToText(v);
            out += ',';
        }
        out += '"' + FileText(records.notes[k]) + "\"\r\n";
    }
    for (const auto& line : records.trailer) out += '"' + FileText(line) + "\"\r\n";
    bytes = std::move(out);
    return {};
}

FileError DecodeRecords(std::string_view bytes, ProfileRecords& records) {
    FieldReader in(bytes);
    ProfileRecords r = records;
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        const auto record = static_cast<std::size_t>(k);
        for (int f = 0; f < ProfileRecords::kNumbers; ++f)
            if (FileError e = in.Number(r.numbers[k][f], {"record", record, f + 1})) return e;
        if (FileError e = in.Text(r.notes[k], {"record", record, 7})) return e;
    }
    r.trailerCount = 0;
    for (int t = 0; t < ProfileRecords::kTrailer && !in.AtEnd(); ++t) {
        if (FileError e = in.Text(r.trailer[t], {"text line", static_cast<std::size_t>(t + 1)}))
            return e;
        r.trailerCount = t + 1;
    }
    records = std::move(r);
    return {};
}

FileError DecodeNumbers(std::string_view bytes, std::size_t count, std::vector<float>& values) {
    FieldReader in(bytes);
    std::vector<float> out(count);
    for (std::size_t j = 0; j < count; ++j)
        if (FileError e = in.Number(out[j], {"value", j + 1})) return e;
    values = std::move(out);
    return {};
}

ProfileKind LooksLike(const ProfileRecords& records) {
    bool columns = false;      // anything but 0 in fields 2 to 6
    bool breakpoints = false;  // a frequency or level (fields 2 and 4) of a random profile
    for (int k = 1; k <= ProfileRecords::kRecords; ++k)
        for (int f = 1; f < ProfileRecords::kNumbers; ++f)
            if (records.numbers[k][f] != 0.0f) {
                columns = true;
                breakpoints = breakpoints || f == 1 || f == 3;
            }
    const float first = records.numbers[1][0];
    const bool shapeCode = first >= 1.0f && first <= 9.0f && first == std::floor(first);
    if (columns && !shapeCode) return ProfileKind::Random;
    if (!breakpoints && shapeCode) return ProfileKind::Shock;
    return ProfileKind::Unknown;
}

FileError CheckProfileKind(const ProfileRecords& records, ProfileKind wanted) {
    const ProfileKind kind = LooksLike(records);
    if (kind == ProfileKind::Unknown || kind == wanted) return {};
    const std::string first = FormatGeneral(records.numbers[1][0]);
    if (kind == ProfileKind::Shock)
        return FileError::Make(err::kTypeMismatch,
                               "the file looks like a shock profile (pulse shape " + first +
                                   " in record 1, no breakpoints): Tessalt opens it, as does "
                                   "vibcalc shock");
    return FileError::Make(err::kTypeMismatch,
                           "the file looks like a random profile (breakpoints, and " + first +
                               " in record 1 where a pulse shape 1 to 9 belongs): Morvane opens "
                               "it, as does vibcalc random");
}

FileError ReadRecordFile(FileSystem& fs, const std::string& path, ProfileRecords& records) {
    std::string bytes;
    if (FileError e = fs.Read(path, bytes)) return e;
    return DecodeRecords(bytes, records);
}

FileError WriteRecordFile(FileSystem& fs, const std::string& path, const ProfileRecords& records) {
    std::string bytes;
    if (FileError e = EncodeRecords(records, bytes)) return e;
    return fs.Write(path, bytes);
}

}  // namespace vib
