#include "breakpoint_table.h"

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

// A field's number, with a decimal comma where the block allows one; a thousands
// separator is taken only in well-formed groups, so "1.000,5" is 1000.5 and "0.04" 0.04.
std::optional<double> FieldNumber(const std::string& text, bool decimalComma) {
    if (decimalComma)
        if (const auto v = ParseLocaleNumber(text, kDecimalCommaLocale)) return v;
    return ParseLocaleNumber(text, kCLocale);
}

std::string LineProblem(int line, const std::string& what) {
    return "Line " + std::to_string(line) + ": " + what + ".";
}

}  // namespace

namespace {

BreakpointTable ReadRows(std::string_view text, int firstColumn, NumberLocale locale,
                         char gridDecimal, float defaultAbortDb, TableSource source) {
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
    else if (source == TableSource::Clipboard && locale.decimal == ',')
        separator = '\t';  // one column, each line one decimal-comma number
    const bool decimalComma = separator == ';' || (separator == '\t' && locale.decimal == ',');

    bool started = false;
    for (const Line& line : SplitLines(utf8, separator)) {
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
                row[column] = CellNumberText(defaultAbortDb, gridDecimal);
                continue;
            }
            if (column == 2)
                if (const auto slope = ParseSlope(field)) {
                    row[column] = FormatGeneral(*slope, gridDecimal) + " dB/oct  ";
                    continue;
                }
            const auto v = FieldNumber(field, decimalComma);
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
                                    char gridDecimal, float defaultAbortDb, TableSource source) {
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
        csv += FloatToText(s.Freq[k]) + "," + FloatToText(s.Asd[k]) + "," +
               FloatToText(s.AbortDb[k]) + "," + quoted(s.Comment[k]) + "\r\n";
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
