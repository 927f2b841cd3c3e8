#include "editor.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "exact.h"
#include "platform/numbers.h"
#include "plot.h"
#include "spectrum.h"

namespace vib::random {

const char* const kEditorInstructions =
    "  Select And Enter The Desired Values In The Table; Use Update Profile To Save Changes.     "
    "              If the ASD levels are specified in slopes use the following formulas:  The "
    "formula to calculate slope is    Slope = 10*Log( ASD2/ASD1 ), so the inverse formula is "
    "ASD2 = ASD1*Log-1( .1*Slope ). Calculate  the #Octaves with #Oct = 3.322*LOG(F2/F1) and "
    "multiply the #Octaves by the slope to get the Db  difference.Calculate the next point with "
    "the inverse slope formula.";

const char* const kEditorSlopeHint =
    "  The ASD column also takes a slope from the point before it, such as +3 dB/oct or "
    "-6 dB/oct; Update Profile works out the level.";

std::string ClipboardValue(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return std::string(text);
}

bool IsClipboardBlock(std::string_view text) {
    return ClipboardValue(text).find_first_of("\t\r\n") != std::string::npos;
}

namespace {

// What rows 1 and 2 of the comments column show in place of their comments.
constexpr const char* kUnitCaptions[] = {" English units ", " Metric Units ) ", " ( G^2/Hz. )",
                                         "( M^2/S^3 )"};

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

bool IsUnitCaption(std::string_view cell) {
    for (const char* caption : kUnitCaptions)
        if (WithoutTrailingBlanks(cell) == WithoutTrailingBlanks(caption)) return true;
    return false;
}

std::string CommentOfCell(std::string_view cell) {
    if (cell.size() >= 2 && cell.substr(cell.size() - 2) == "  ") cell.remove_suffix(2);
    return std::string(cell);
}

EditorGrid LoadEditorGrid(const RandomState& s, char decimal) {
    EditorGrid g;
    g[0] = {"  POINT #", "  FREQ.-Hz.", "  ASD LEVEL", "  ABORT-DB.", "  COMMENTS"};
    const bool english = s.UnitSystem() == Units::English;
    // Hybrid holds its levels in G^2/Hz, so its unit caption says so.
    const bool gLevels = english || s.UnitSystem() == Units::Hybrid;
    for (int r = 1; r < kGridRows; ++r) {
        g[r][0] = std::to_string(r) + "  ";
        g[r][1] = FormatGeneral(s.Freq[r], decimal) + "  ";
        g[r][2] = FormatGeneral(s.Asd[r], decimal) + "  ";
        g[r][3] = FormatGeneral(s.AbortDb[r], decimal) + "  ";
        g[r][4] = s.Comment[r] + "  ";
    }
    g[1][4] = kUnitCaptions[english ? 0 : 1];
    g[2][4] = kUnitCaptions[gLevels ? 2 : 3];
    return g;
}

EditorSource SourceOf(const RandomState& s) {
    EditorSource e;
    e.units = s.Param(prm::UnitsIndex);
    for (int r = 1; r < kGridRows; ++r) {
        e.freq[r] = s.Freq[r];
        e.asd[r] = s.Asd[r];
        e.abortDb[r] = s.AbortDb[r];
        e.comment[r] = s.Comment[r];
    }
    return e;
}

bool StillShows(const EditorSource& e, const RandomState& s) {
    if (e.units != s.Param(prm::UnitsIndex)) return false;
    for (int r = 1; r < kGridRows; ++r)
        if (e.freq[r] != s.Freq[r] || e.asd[r] != s.Asd[r] || e.abortDb[r] != s.AbortDb[r] ||
            e.comment[r] != s.Comment[r])
            return false;
    return true;
}

std::string DecimalCommaRepair(const std::string& text) {
    std::string out = text;
    int characters = 0;
    for (std::size_t i = 0; i < out.size() && characters < 10; ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if ((byte & 0xC0) == 0x80) continue;  // inside a multi-byte character
        ++characters;
        if (out[i] == ',') out[i] = '.';
    }
    return out;
}

float CellValue(const std::string& text) {
    return StoreSingle(LeadingNumber(DecimalCommaRepair(text)));
}

std::string CellNumberText(float value, char decimal) {
    std::string text = FloatToText(value);
    for (char& c : text)
        if (c == '.') c = decimal;
    return text + "  ";
}

std::optional<double> ParseSlope(std::string_view text) {
    const std::string repaired = DecimalCommaRepair(std::string(text));
    std::string_view t = repaired;
    auto skipBlanks = [&t] {
        while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    };
    auto take = [&t](std::string_view word) {
        if (t.size() < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(t[i])) != word[i]) return false;
        t.remove_prefix(word.size());
        return true;
    };
    skipBlanks();
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    // Digits with an optional point, at least one digit: from_chars would also take an
    // exponent, "inf" or "nan", which no slope is written with.
    std::size_t length = 0;
    bool digits = false, point = false;
    for (; length < t.size(); ++length) {
        const char c = t[length];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    if (std::from_chars(t.data(), t.data() + length, value).ec != std::errc{}) return std::nullopt;
    t.remove_prefix(length);
    skipBlanks();
    if (!take("db/oct")) return std::nullopt;
    skipBlanks();
    if (!t.empty()) return std::nullopt;
    return negative ? -value : value;
}

float LevelFromSlope(float previousAsd, float previousFreq, float freq, double slopeDb) {
    const double octaves = std::log2(double(freq) / previousFreq);
    return StoreSingle(previousAsd * std::pow(10.0, slopeDb * octaves / 10.0));
}

std::optional<UnusableRow> ResolveSlopes(EditorGrid& grid, char decimal, int rows) {
    auto usable = [](float v) { return std::isfinite(v) && v > 0.0f; };
    for (int r = 1; r <= rows && r < kGridRows; ++r) {
        const auto slope = ParseSlope(grid[r][2]);
        if (!slope) continue;
        if (r == 1) return UnusableRow{r, "a slope needs a point before it"};
        const float previousFreq = CellValue(grid[r - 1][1]);
        const float previousAsd = CellValue(grid[r - 1][2]);
        const float freq = CellValue(grid[r][1]);
        if (!usable(freq))
            return UnusableRow{r, "a slope needs a frequency above 0 on its own point"};
        if (!usable(previousFreq) || !usable(previousAsd))
            return UnusableRow{r,
                               "a slope needs a frequency and an ASD level above 0 on the "
                               "point before it"};
        const float level = LevelFromSlope(previousAsd, previousFreq, freq, *slope);
        if (!usable(level))
            return UnusableRow{r, "the slope gives a level that no number can hold"};
        grid[r][2] = CellNumberText(level, decimal);
    }
    return std::nullopt;
}

std::string SlopeProblemMessage(const UnusableRow& row) {
    return "Point " + std::to_string(row.row) + " gives its ASD level as a slope, but " +
           row.problem + ". The table was not taken over; enter a level for point " +
           std::to_string(row.row == 1 ? 1 : row.row - 1) + " and update again.";
}

std::string SegmentStatus(const EditorGrid& grid, int row, std::optional<Units> units,
                          char decimal) {
    EditorGrid g = grid;
    if (const auto problem = ResolveSlopes(g, '.'))
        return "  Point " + std::to_string(problem->row) + ": " + problem->problem + ".";
    std::vector<Breakpoint> points;
    for (int r = 1; r <= kEditableEntries; ++r) {
        // As the profile ends: before the first row after row 1 whose frequency is 0.
        const float freq = CellValue(g[r][1]);
        if (r > 1 && freq == 0.0f) break;
        points.push_back({freq, CellValue(g[r][2])});
    }
    const bool metric = units == Units::Metric;
    auto grms = [&](double g) { return GrmsText(g, units.value_or(Units::English), decimal); };
    auto segmentsGrms = [&](double integral) { return grms(GrmsOfIntegral(integral, metric)); };
    const std::string wholeText =
        "whole profile " + grms(ExactIntegrals(points, metric).gref) + " (exact)";
    const int count = static_cast<int>(points.size());
    if (row < 2 || row > count) {
        const char* where = row == 1 ? "starts the profile" : "is past the end of the profile";
        return "  Point " + std::to_string(row) + " " + where + ";  " + wholeText;
    }
    const Breakpoint& lo = points[row - 2];
    const Breakpoint& hi = points[row - 1];
    double running = 0;
    for (int k = 1; k < row; ++k) running += SegmentIntegral(points[k - 1], points[k], 0);
    std::string text = "  Segment " + FormatGeneral(lo.freq, decimal) + " - " +
                       FormatGeneral(hi.freq, decimal) + " Hz: ";
    if (const auto slope = SegmentSlopeDbPerOctave(lo, hi)) {
        const std::string number = FormatMask(*slope, "###.##", decimal);
        text += (*slope > 0 && number != "0" ? "+" : "") + number + " dB/oct, " +
                segmentsGrms(SegmentIntegral(lo, hi, 0));
    } else {
        text += "not used (a frequency or level of 0 or below, or not ascending)";
    }
    return text + ";  up to " + FormatGeneral(hi.freq, decimal) + " Hz " + segmentsGrms(running) +
           ";  " + wholeText;
}

std::vector<UnusableRow> TakeOverEditorGrid(const EditorGrid& grid, RandomState& s) {
    std::vector<UnusableRow> problems;
    static const char* const kColumnNames[] = {"", "frequency", "ASD level", "abort limit"};
    for (int r = 1; r < kGridRows; ++r) {
        float* targets[] = {nullptr, &s.Freq[r], &s.Asd[r], &s.AbortDb[r]};
        for (int c = 1; c <= 3; ++c) {
            float value = CellValue(grid[r][c]);
            if (!std::isfinite(value)) {
                problems.push_back({r, std::string("the ") + kColumnNames[c] +
                                           " is too large for a number and was read as 0"});
                value = 0.0f;
            }
            *targets[c] = value;
        }
        // The captions of rows 1 and 2 are no comments: the comment under them stays.
        if (r <= 2 && IsUnitCaption(grid[r][4])) continue;
        s.Comment[r] = CommentOfCell(grid[r][4]);
    }
    const int active = ActiveBreakpoints(s);
    if (active >= 2) {
        for (int r = 1; r <= active; ++r) {
            if (BreakpointUsable(s, r)) continue;
            problems.push_back(
                {r,
                 "a frequency or ASD level of 0 or below has no place on the log-log "
                 "axes; the segments on either side of this point are left out of "
                 "the spectrum and the results"});
        }
    }
    return problems;
}

std::string UnusableRowsMessage(const std::vector<UnusableRow>& rows) {
    std::string text = "Some points of the profile cannot be used as entered:";
    for (const auto& r : rows) text += "\nPoint " + std::to_string(r.row) + ": " + r.problem + ".";
    return text;
}

bool NeedsLowFrequencyWarning(const RandomState& s) {
    return s.Asd[1] > StoreSingle(double(s.Asd[2]) * 0.5);
}

}  // namespace vib::random
