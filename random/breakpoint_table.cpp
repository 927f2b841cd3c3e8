#include "breakpoint_table.h"

#include <algorithm>
#include <cmath>

#include "platform/codepage.h"
#include "spectrum.h"

namespace vib::random {
namespace {

struct Line {
    int number;  // 1-based, as an editor counts the text's lines
    std::vector<std::string> fields;
};

// Splits into lines and fields; a quoted field may hold separators, line ends and
// doubled quotes.
std::vector<Line> SplitLines(std::string_view text, char separator) {
    std::vector<Line> lines;
    Line line{1, {std::string()}};
    int number = 1;
    bool quoted = false, atFieldStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = line.fields.back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++number;
                field += c;
            }
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
        } else if (c == separator) {
            line.fields.emplace_back();
            atFieldStart = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(std::move(line));
            line = Line{++number, {std::string()}};
            atFieldStart = true;
        } else {
            field += c;
            atFieldStart = false;
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

// How many lines hold `c` outside quotes, of how many that hold anything. As in
// SplitLines, a quote opens a quoted field only where a field starts (after any of the
// separators the list may have), and a doubled quote inside one is a quote.
std::pair<int, int> LinesWith(std::string_view text, char c) {
    int with = 0, lines = 0;
    bool quoted = false, found = false, any = false, fieldStart = true;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char t = i < text.size() ? text[i] : '\n';
        if (quoted) {
            if (t == '"' && i + 1 < text.size() && text[i + 1] == '"')
                ++i;
            else if (t == '"')
                quoted = false;
            continue;
        }
        if (t == '\n' || t == '\r') {
            with += found;
            lines += any;
            found = any = false;
            fieldStart = true;
            continue;
        }
        quoted = t == '"' && fieldStart;
        found = found || t == c;
        any = any || (t != ' ' && t != '\t') || t == c;
        fieldStart = t == ',' || t == ';' || t == '\t';
    }
    return {with, lines};
}

std::string Trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return std::string(t);
}

// A decimal-comma clipboard without tabs or semicolons is one column of numbers, unless a
// line holds what no single number does: a quote or two commas.
bool OneNumberALine(std::string_view text) {
    int commas = 0;
    for (char c : text) {
        if (c == '"') return false;
        if (c == '\n') commas = 0;
        if (c == ',' && ++commas > 1) return false;
    }
    return true;
}

// What a number field can mean before the list's decimal point is known. The marks are
// "." and ","; a blank (space, no-break or narrow no-break space) only ever groups.
struct FieldReading {
    std::string value;      // "." as decimal point, no groups
    std::string thousands;  // an ambiguous field's reading with its mark as a group
    char mark = 0;          // an ambiguous field's one mark
    char decimal = 0;       // the mark the field shows to be a decimal point
};

std::size_t BlankLength(std::string_view t) {
    if (t.starts_with(' ')) return 1;
    if (t.starts_with("\xC2\xA0")) return 2;
    if (t.starts_with("\xE2\x80\xAF")) return 3;
    return 0;
}

// A group separator is read only where nothing else is possible: both marks (the last
// one is the decimal point), one mark several times, or blanks; groups are then well
// formed, and a first group of 0 is never one. A single mark with exactly three digits
// after it and a first group of 1 to 3 digits, not 0, is ambiguous: "1.000".
std::optional<FieldReading> ReadMarks(std::string_view t) {
    std::string sign;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        if (t[0] == '-') sign = "-";
        t.remove_prefix(1);
    }
    std::vector<std::string> groups{std::string()};
    std::string marks;  // between the groups: '.', ',' or ' ' for any blank
    std::size_t i = 0;
    while (i < t.size()) {
        if (t[i] >= '0' && t[i] <= '9') {
            groups.back() += t[i++];
        } else if (const std::size_t blank = BlankLength(t.substr(i)); blank != 0) {
            marks += ' ';
            groups.emplace_back();
            i += blank;
        } else if (t[i] == '.' || t[i] == ',') {
            marks += t[i++];
            groups.emplace_back();
        } else {
            break;
        }
    }
    const std::string exponent(t.substr(i));
    if (!exponent.empty() && exponent[0] != 'E' && exponent[0] != 'e') return std::nullopt;

    auto count = [&marks](char m) { return std::count(marks.begin(), marks.end(), m); };
    const auto dots = count('.'), commas = count(','), blanks = count(' ');
    FieldReading r;
    std::size_t point = std::string::npos;  // index in `marks` of the decimal point
    if (dots > 0 && commas > 0) {
        if (blanks > 0 || count(marks.back()) != 1) return std::nullopt;
        point = marks.size() - 1;
    } else if (dots + commas == 1) {
        point = marks.find_first_of(".,");
        const std::string& whole = groups[0];
        if (blanks == 0 && groups[1].size() == 3 && !whole.empty() && whole.size() <= 3 &&
            whole[0] != '0' && exponent.empty()) {
            r.mark = marks[point];
            r.thousands = sign + whole + groups[1];
        }
    } else if (!marks.empty() && count(marks[0]) != static_cast<std::ptrdiff_t>(marks.size())) {
        return std::nullopt;  // groups of mixed marks
    }
    if (point != std::string::npos && point != marks.size() - 1) return std::nullopt;
    const std::size_t wholeGroups = point == std::string::npos ? groups.size() : point + 1;
    std::string digits;
    for (std::size_t g = 0; g < wholeGroups; ++g) {
        const std::size_t n = groups[g].size();
        if (wholeGroups > 1 && (g == 0 ? n == 0 || n > 3 || groups[g][0] == '0' : n != 3))
            return std::nullopt;
        digits += groups[g];
    }
    const std::string fraction = point == std::string::npos ? "" : groups.back();
    if (digits.empty() && fraction.empty()) return std::nullopt;
    r.value = sign + (digits.empty() ? "0" : digits) + (fraction.empty() ? "" : "." + fraction) +
              exponent;
    if (point != std::string::npos && r.mark == 0) r.decimal = marks[point];
    return r;
}

// The decimal point the list's numbers show: '.' or ',', or 0 where none shows one or
// both are shown.
struct ListMarks {
    bool dot = false, comma = false;
    char Decimal() const { return dot == comma ? 0 : dot ? '.' : ','; }
};

std::string ReadingText(const std::string& canonical, char decimal = '.') {
    return FormatGeneral(ParseLocaleNumber(canonical, kCLocale).value_or(0), decimal);
}

// "Line 3: '1.000' reads as 1 or 1000; write 1 or 1000". Where the decimal reading has
// three decimals itself, the advice adds a fourth, which no thousands group has.
std::string AmbiguityProblem(int line, const std::string& field, const FieldReading& r) {
    std::string decimal = ReadingText(r.value, r.mark);
    if (const auto p = decimal.find(r.mark); p != std::string::npos && decimal.size() == p + 4)
        decimal += '0';
    const std::string thousands = ReadingText(r.thousands);
    return "Line " + std::to_string(line) + ": '" + field + "' reads as " + ReadingText(r.value) +
           " or " + thousands + "; write " + decimal + " or " + thousands;
}

std::string LineProblem(int line, const std::string& what) {
    return "Line " + std::to_string(line) + ": " + what + ".";
}

}  // namespace

namespace {

BreakpointTable ReadRows(std::string_view text, int firstColumn, NumberLocale locale,
                         char gridDecimal, std::optional<float> defaultAbortDb,
                         TableSource source) {
    BreakpointTable table;
    std::string utf8(text);
    if (utf8.rfind("\xEF\xBB\xBF", 0) == 0) utf8.erase(0, 3);
    if (!IsValidUtf8(utf8)) utf8 = Cp1252ToUtf8(utf8);

    // A spreadsheet's copy always has tabs; a semicolon list has one on every line, so a
    // comma list whose comment holds one stays a comma list.
    const auto [tabLines, lines] = LinesWith(utf8, '\t');
    const int semicolonLines = LinesWith(utf8, ';').first;
    char separator = ',';
    if (tabLines > 0)
        separator = '\t';
    else if (semicolonLines > 0 && semicolonLines == lines)
        separator = ';';
    else if (source == TableSource::Clipboard && locale.decimal == ',' && OneNumberALine(utf8))
        separator = '\t';  // one column, each line one decimal-comma number
    const std::vector<Line> split = SplitLines(utf8, separator);

    // The list's decimal point, from every number field that shows one.
    ListMarks marks;
    for (const Line& line : split)
        for (std::size_t j = 0; j < line.fields.size() && firstColumn + static_cast<int>(j) < 4;
             ++j)
            if (const auto r = ReadMarks(Trimmed(line.fields[j]))) {
                marks.dot = marks.dot || r->decimal == '.';
                marks.comma = marks.comma || r->decimal == ',';
            }

    bool started = false;
    float lastFreq = 0;
    int lastLine = 0;
    for (const Line& line : split) {
        bool empty = true;
        for (const std::string& f : line.fields)
            if (!Trimmed(f).empty()) empty = false;
        if (empty) continue;
        TableRow row;
        for (std::size_t j = 0; j < line.fields.size(); ++j) {
            const int column = firstColumn + static_cast<int>(j);
            if (column >= kGridColumns) break;
            const std::string field = Trimmed(line.fields[j]);
            if (column == 4) {
                // A comment keeps its text; a line end inside it would break the profile's line.
                std::string comment = line.fields[j];
                for (char& c : comment)
                    if (c == '\r' || c == '\n') c = ' ';
                row[column] = comment;
                continue;
            }
            const char* name = column == 1   ? "the frequency"
                               : column == 2 ? "the ASD level"
                                             : "the abort limit";
            if (field.empty() && column == 3) {
                row[column] =
                    defaultAbortDb ? CellNumberText(*defaultAbortDb, gridDecimal) : std::string();
                continue;
            }
            if (column == 2)
                if (const auto slope = ParseSlope(field)) {
                    row[column] = FormatGeneral(*slope, gridDecimal) + " dB/oct  ";
                    continue;
                }
            const auto reading = ReadMarks(field);
            std::optional<double> v;
            if (reading && reading->mark != 0) {
                // Only the rest of the list tells 1.000 (one) from 1.000 (a thousand).
                if (marks.Decimal() == 0) {
                    table.problem = AmbiguityProblem(line.number, field, *reading);
                    return table;
                }
                v = ParseLocaleNumber(
                    reading->mark == marks.Decimal() ? reading->value : reading->thousands,
                    kCLocale);
            } else if (reading) {
                v = ParseLocaleNumber(reading->value, kCLocale);
            }
            if (!v) {
                // Text before the first row of numbers is a header.
                if (!started && j == 0) break;
                table.problem = LineProblem(
                    line.number, field.empty()
                                     ? name + std::string(" is missing")
                                     : name + std::string(" '") + field + "' is not a number");
                return table;
            }
            const float stored = StoreSingle(*v);
            if (!std::isfinite(stored)) {
                table.problem =
                    LineProblem(line.number, name + std::string(" is too large for a number"));
                return table;
            }
            if (column != 3 && !(stored > 0.0f)) {
                table.problem = LineProblem(line.number,
                                            name + std::string(" must be above 0 on log-log axes"));
                return table;
            }
            // A segment that does not rise covers no line of the spectrum.
            if (column == 1 && lastLine != 0 && !(stored > lastFreq)) {
                table.problem = LineProblem(
                    line.number, "the frequency " + FormatGeneral(stored) +
                                     " Hz does not rise above the " + FormatGeneral(lastFreq) +
                                     " Hz of line " + std::to_string(lastLine));
                return table;
            }
            if (column == 1) {
                lastFreq = stored;
                lastLine = line.number;
            }
            row[column] = CellNumberText(stored, gridDecimal);
        }
        if (!row[firstColumn]) continue;  // a header line
        started = true;
        // A row that starts at the frequency also needs its level.
        if (firstColumn == 1 && !row[2]) {
            table.problem = LineProblem(line.number, "the ASD level is missing");
            return table;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace

BreakpointTable ReadBreakpointTable(std::string_view text, int firstColumn, NumberLocale locale,
                                    char gridDecimal, std::optional<float> defaultAbortDb,
                                    TableSource source) {
    BreakpointTable table =
        ReadRows(text, firstColumn, locale, gridDecimal, defaultAbortDb, source);
    if (!table.problem.empty()) table.rows.clear();
    return table;
}

std::string ImportBreakpoints(const std::vector<TableRow>& rows, RandomState& s) {
    const int n = static_cast<int>(rows.size());
    if (n > kEditableEntries)
        return "The list has " + std::to_string(n) + " breakpoints; a profile holds at most " +
               std::to_string(kEditableEntries) + ".";
    if (n < 2) return "The list needs at least two breakpoints to make a segment.";
    EditorGrid grid;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= 3; ++c) grid[r][c] = rows[r - 1][c].value_or("");
    if (const auto problem = ResolveSlopes(grid, '.', n)) return SlopeProblemMessage(*problem);
    for (int r = 1; r <= n; ++r) {
        s.Freq[r] = CellValue(grid[r][1]);
        s.Asd[r] = CellValue(grid[r][2]);
        s.AbortDb[r] = grid[r][3].empty() ? s.Param(prm::DefaultAbortDb) : CellValue(grid[r][3]);
        s.Comment[r] = rows[r - 1][4].value_or("");
    }
    for (int r = n + 1; r <= kEditableEntries; ++r) {
        s.Freq[r] = 0;
        s.Asd[r] = 0;
    }
    return {};
}

namespace {

// The shortest text that reads back to the value, with a fourth decimal where three
// would read as a thousands group too (1.1250), so the list never needs its neighbours.
std::string ListNumberText(float v) {
    std::string text = FloatToText(v);
    if (const auto r = ReadMarks(text); r && r->mark != 0) text += '0';
    return text;
}

}  // namespace

std::string BreakpointCsv(const RandomState& s) {
    auto quoted = [](const std::string& text) {
        // Any separator the reader could take, so the list reads back as written.
        if (text.find_first_of(",;\t\"\r\n") == std::string::npos) return text;
        std::string out = "\"";
        for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
        return out + "\"";
    };
    std::string csv = std::string(kBreakpointCsvHeader) + "\r\n";
    const int count = ActiveBreakpoints(s);
    for (int k = 1; k <= count; ++k)
        csv += ListNumberText(s.Freq[k]) + "," + ListNumberText(s.Asd[k]) + "," +
               ListNumberText(s.AbortDb[k]) + "," + quoted(s.Comment[k]) + "\r\n";
    return csv;
}

std::string CopiedCells(const EditorGrid& grid, int top, int left, int bottom, int right) {
    std::string out;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            std::string cell = grid[r][c];
            if (cell.size() >= 2 && cell.compare(cell.size() - 2, 2, "  ") == 0)
                cell.resize(cell.size() - 2);
            for (char& ch : cell)
                if (ch == '\t' || ch == '\r' || ch == '\n') ch = ' ';
            out += cell;
            if (c < right) out += '\t';
        }
        out += '\n';
    }
    return out;
}

}  // namespace vib::random
