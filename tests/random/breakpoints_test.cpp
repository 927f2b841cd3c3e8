// Profiles as standards write them: slopes, the exact integrals, and breakpoint lists
// from spreadsheets and CSV files. Figures are the standards' own or closed forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "platform/files.h"
#include "random/breakpoint_table.h"
#include "random/exact.h"
#include "random/profile_file.h"
#include "random/spectrum.h"

namespace vib::random {
namespace {

RandomState Defaults() {
    RandomState s;
    InitDefaults(s);
    return s;
}

// The editor's grid with rows of (frequency, ASD) texts and nothing after them.
EditorGrid Grid(std::initializer_list<std::pair<const char*, const char*>> rows) {
    EditorGrid g;
    int r = 1;
    for (auto [f, a] : rows) {
        g[r][1] = f;
        g[r][2] = a;
        g[r][3] = "6";
        ++r;
    }
    return g;
}

TEST(Slopes, TheFormsAStandardIsTypedIn) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"+3 dB/oct", 3},       {"-6db/oct", -6},
        {"0 dB/oct", 0},        {"3dB/OCT  ", 3},
        {" -1,5 dB/oct", -1.5}, {"+.5 dB/oct", 0.5},
        {"3 dB", {}},           {"dB/oct", {}},
        {"3 dB/octave", {}},    {"0.04", {}},
        {"1e1 dB/oct", {}},     {"3 dB/oct x", {}},
        {"inf dB/oct", {}},     {"", {}}};
    for (const auto& [text, slope] : cases) EXPECT_EQ(ParseSlope(text), slope) << text;
}

// NAVMAT P-9492 as its slopes: 0.01 G^2/Hz at 20 Hz, +3 dB/oct to 80 Hz, flat to
// 350 Hz, -3 dB/oct to 2000 Hz, 6.06 G rms.
TEST(Slopes, NavmatProfileFromItsSlopes) {
    EditorGrid g =
        Grid({{"20", "0.01"}, {"80", "+3 dB/oct"}, {"350", "0 dB/oct"}, {"2000", "-3 dB/oct"}});
    ASSERT_FALSE(ResolveSlopes(g, ','));
    const double expected[] = {0.03981, 0.03981, 0.007009};
    for (int r = 2; r <= 4; ++r) {
        EXPECT_NEAR(CellValue(g[r][2]), expected[r - 2], expected[r - 2] * 1e-3) << r;
        EXPECT_NE(g[r][2].find(','), std::string::npos) << "shown in the locale's form";
    }
    RandomState s = Defaults();
    EXPECT_TRUE(TakeOverEditorGrid(g, s).empty());
    EXPECT_NEAR(ExactResultsOf(s).gref, 6.06, 0.0606);
}

// Comments through the editor's grid, three load-update cycles each: no cycle changes a
// comment, a unit caption is never stored in its place, and what the user types in its
// place (Accept adds the grid's two blanks) is.
TEST(EditorComments, NoLoadAndUpdateCycleChangesAComment) {
    const struct {
        float units;
        int row;
        const char* stored;
        const char* typed;  // typed into the cell before the first update, or nothing
        const char* after;
    } cases[] = {
        {0, 1, "imported note", nullptr, "imported note"},
        {0, 2, "", nullptr, ""},
        {1, 1, "x", nullptr, "x"},
        {1, 2, "knee  ", nullptr, "knee  "},  // its own blanks stay, none are added
        {2, 2, "y", nullptr, "y"},
        {0, 3, "knee", nullptr, "knee"},
        {0, 40, "", nullptr, ""},
        {0, 1, "old", "typed  ", "typed"},
        {1, 2, "old", "  ", ""},
        {0, 3, "old", "new  ", "new"},
        {0, 2, " ( G^2/Hz. )", nullptr, " ( G^2/Hz. )"},  // as files of the original hold it
    };
    for (const auto& c : cases) {
        RandomState s = Defaults();
        s.Params[prm::UnitsIndex] = c.units;
        s.Comment[c.row] = c.stored;
        for (int cycle = 0; cycle < 3; ++cycle) {
            EditorGrid g = LoadEditorGrid(s, '.');
            if (c.typed && cycle == 0) g[c.row][4] = c.typed;
            TakeOverEditorGrid(g, s);
            EXPECT_EQ(s.Comment[c.row], c.after) << c.row << " " << c.stored << " " << cycle;
        }
    }
}

// A spreadsheet's block goes to the grid, a single value to the edit box.
TEST(EditorClipboard, ABlockIsMoreThanOneField) {
    const std::pair<const char*, bool> cases[] = {
        {"5000\t0.026\tHz\n", true}, {"20\n80\n", true},
        {"20\r\n80", true},          {"0.026", false},
        {"0,04\r\n", false},         {"+3 dB/oct\n", false},
        {"note; see 3", false},      {"", false}};
    for (const auto& [text, block] : cases) EXPECT_EQ(IsClipboardBlock(text), block) << text;
    EXPECT_EQ(ClipboardValue("0,04\r\n"), "0,04");
}

TEST(Slopes, ASlopeWithoutAUsablePointBeforeItStopsTheUpdate) {
    const std::pair<EditorGrid, int> cases[] = {
        {Grid({{"20", "3 dB/oct"}, {"80", "0.04"}}), 1},
        {Grid({{"20", "0"}, {"80", "3 dB/oct"}}), 2},
        {Grid({{"20", "0.01"}, {"", "3 dB/oct"}}), 2},
        {Grid({{"20", "0.01"}, {"80", "0"}, {"90", "3 dB/oct"}}), 3},
        {Grid({{"20", "0.01"}, {"80", "-9999 dB/oct"}}), 2},
    };
    for (auto [g, row] : cases) {
        const EditorGrid before = g;
        const auto problem = ResolveSlopes(g, '.');
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->row, row);
        EXPECT_EQ(g[row][2], before[row][2]);
        EXPECT_NE(SlopeProblemMessage(*problem).find("Point " + std::to_string(row)),
                  std::string::npos);
    }
}

// Closed forms: a flat level integrates to A (f2 - f1); A1 (f/f1)^(n-1) f^-n to
// A1 f1^(1-n) ln r, where the general form's x is exactly 0.
TEST(ExactIntegrals, SegmentsAgainstTheirClosedForms) {
    EXPECT_NEAR(SegmentIntegral({20, 0.04}, {2000, 0.04}, 0), 0.04 * 1980, 1e-9);
    EXPECT_NEAR(SegmentIntegral({20, 0.01}, {40, 0.02}, 0), 0.01 * 20 * 3 / 2, 1e-12);
    // b = 1 - 1e-9: within rounding of the limit, not 0/0.
    EXPECT_NEAR(SegmentIntegral({10, 1}, {100, 10.0 * (1 - 1e-9)}, 2), 0.1 * std::log(10.0), 1e-8);
    EXPECT_NEAR(SegmentIntegral({10, 1}, {100, 1000}, 4), 1e-3 * std::log(10.0), 1e-12);
    EXPECT_EQ(SegmentIntegral({100, 1}, {100, 2}, 0), 0);  // not ascending
    EXPECT_EQ(SegmentIntegral({200, 1}, {100, 2}, 0), 0);
    EXPECT_EQ(SegmentIntegral({100, 0}, {200, 2}, 0), 0);
    EXPECT_EQ(SegmentSlopeDbPerOctave({20, 0.01}, {80, 0.04}).value_or(0),
              10 * std::log10(4.0) / 2);
}

// Each example's exact G rms against the figure its standard prints; NAVMAT's
// displacement line sum (52.1 mils) against the exact 45.9: the lines' coarseness.
TEST(ExactIntegrals, ExamplesGiveTheFiguresTheirStandardsPrint) {
    LocalFileSystem files;
    const std::pair<const char*, double> cases[] = {{"navmat-p9492", 6.06},
                                                    {"gevs-qualification", 14.1},
                                                    {"gevs-acceptance", 10.0},
                                                    {"gevs-workmanship", 6.8}};
    for (const auto& [name, grms] : cases) {
        RandomState s = Defaults();
        ASSERT_FALSE(
            OpenRandomProfile(files, std::string(VIB_EXAMPLES "/random/") + name + ".prf", "", s))
            << name;
        EXPECT_NEAR(ExactResultsOf(s).gref, grms, grms * 0.01) << name;
        EXPECT_NE(s.TestTitle.find(name[0] == 'n' ? "NAVMAT" : "GEVS"), std::string::npos);
        if (name[0] == 'n') {
            EXPECT_NEAR(s.Dref, 52.1, 0.05);
            EXPECT_NEAR(ExactResultsOf(s).dref, 45.9, 0.05);
            EXPECT_NEAR(ExactResultsOf(s).vref, 6.21, 0.01);
        }
    }
}

TEST(ExactIntegrals, MetricLevelsGiveTheSameGrmsWithTheLineSumsFactor) {
    RandomState s = Defaults();
    const double english = ExactResultsOf(s).gref;
    s.Params[prm::UnitsIndex] = 1;
    for (int k = 1; k <= 4; ++k) s.Asd[k] = StoreSingle(s.Asd[k] * 96.16);
    EXPECT_NEAR(ExactResultsOf(s).gref, english, english * 5e-4);
}

TEST(SegmentStatus, TheSelectedSegmentTheRunningAndTheWholeProfile) {
    const EditorGrid g =
        Grid({{"20", "0.01"}, {"80", "+3 dB/oct"}, {"350", "0.04"}, {"2000", "0.007"}});
    // 80 to 350 Hz at 0.03981 (the slope's level) to 0.04: about flat, sqrt(0.0399 x 270).
    const std::string row3 = SegmentStatus(g, 3, Units::English, '.');
    EXPECT_NE(row3.find("Segment 80 - 350 Hz: +0.01 dB/oct, 3.28 G-RMS"), std::string::npos)
        << row3;
    EXPECT_NE(row3.find("up to 350 Hz 3.5 G-RMS"), std::string::npos) << row3;
    EXPECT_NE(row3.find("whole profile 6.06 G-RMS (exact)"), std::string::npos) << row3;
    EXPECT_NE(SegmentStatus(g, 1, Units::English, '.').find("starts the profile"),
              std::string::npos);
    // The same levels read as (m/s^2)^2/Hz: 6.06 x 0.102 x 9.807.
    EXPECT_NE(SegmentStatus(g, 9, Units::Metric, ',').find("6,1 M/S^2"), std::string::npos);
    const std::string bad =
        SegmentStatus(Grid({{"20", "3 dB/oct"}, {"80", "1"}}), 2, Units::English, '.');
    EXPECT_NE(bad.find("Point 1"), std::string::npos) << bad;
}

// Random profiles of 2 to 50 rising breakpoints, every fourth with only values that
// print with exactly three decimals or none (20.125 Hz, 1.375 G^2/Hz, 6 dB), so no
// field tells the reader the decimal point; the others with any digits.
TEST(BreakpointTable, EveryExportReadsBackToTheSameValues) {
    std::mt19937 random(20);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    bool threeDecimals = false;
    auto value = [&](float low, float high) {
        const float v = low + (high - low) * unit(random);
        if (!threeDecimals) return v;
        const float odd[] = {0, 0.125f, 0.375f, 0.625f, 0.875f};
        return StoreSingle(std::floor(v) + odd[random() % 5]);
    };
    for (int profile = 0; profile < 300; ++profile) {
        threeDecimals = profile % 4 == 0;
        RandomState s = Defaults();
        const int count = 2 + static_cast<int>(random() % (kEditableEntries - 1));
        float freq = 0;
        for (int k = 1; k <= kEditableEntries; ++k) {
            freq = StoreSingle(freq + value(1.0f, 80.0f));
            s.Freq[k] = k <= count ? freq : 0;
            s.Asd[k] = random() % 3 || threeDecimals
                           ? value(1.0f, 999.0f)
                           : StoreSingle(std::pow(10.0, -6 * unit(random)));
            s.AbortDb[k] = value(-12.0f, 12.0f);
            s.Comment[k] = k % 3 ? "point \"" + std::to_string(k) + "\", Mitte; 1.000  " : "";
        }
        s.Comment[1] = "Grüße";
        const std::string csv = BreakpointCsv(s);
        EXPECT_EQ(csv.rfind("frequency_hz,asd,abort_db,comment\r\n", 0), 0u);
        RandomState back = Defaults();
        const BreakpointTable t = ReadBreakpointTable(csv, 1, kCLocale, '.', 6, TableSource::File);
        ASSERT_EQ(t.problem, "") << csv;
        ASSERT_EQ(ImportBreakpoints(t.rows, back), "");
        for (int k = 1; k <= count; ++k) {
            ASSERT_EQ(back.Freq[k], s.Freq[k]) << k << csv;
            ASSERT_EQ(back.Asd[k], s.Asd[k]) << k << csv;
            ASSERT_EQ(back.AbortDb[k], s.AbortDb[k]) << k << csv;
            ASSERT_EQ(back.Comment[k], s.Comment[k]) << k;
        }
        EXPECT_EQ(BreakpointCsv(back), csv);
    }
}

TEST(BreakpointTable, WhatTheReaderRefusesAndWhatItLeavesOut) {
    struct Case {
        const char* text;
        int firstColumn;
        NumberLocale locale;
        const char* problem;  // "" when read
        std::size_t rows;
    };
    const Case cases[] = {
        {"20\t0.01\n\n80\t0.04\n", 1, kCLocale, "", 2},
        {"0,01\n0,04\n", 2, kDecimalCommaLocale, "", 2},  // one column copied
        {"20\t0,01\n", 1, kDecimalCommaLocale, "", 1},
        {"20\t0,01\n", 1, kCLocale, "", 1},  // no other reading in any language
        {"f,a\nHz,G2\n20,0.01,,x,extra\n", 1, kCLocale, "", 1},
        {"20,0.01\n80,zero\n", 1, kCLocale, "Line 2: the ASD level 'zero' is not a number.", 0},
        {"20,0.01\n-80,0.04\n", 1, kCLocale,
         "Line 2: the frequency must be above 0 on log-log axes.", 0},
        {"20\n", 1, kCLocale, "Line 1: the ASD level is missing.", 0},
        {"20,1e39\n", 1, kCLocale, "Line 1: the ASD level is too large for a number.", 0},
        {"20;1.000,5\n", 1, kCLocale, "", 1},
        {"20,0.01,6,\"x;y\"\n80,0.04,6,a\"b;c\n", 1, kCLocale, "", 2},  // a comma list
    };
    for (const Case& c : cases) {
        const BreakpointTable t =
            ReadBreakpointTable(c.text, c.firstColumn, c.locale, '.', 6, TableSource::Clipboard);
        EXPECT_EQ(t.problem, c.problem) << c.text;
        EXPECT_EQ(t.rows.size(), c.rows) << c.text;
    }
    // An empty abort limit takes the profile's default; fields past the comments are dropped.
    const BreakpointTable t = ReadBreakpointTable("f,a\nHz,G2\n20,0.01,,x,extra\n", 1, kCLocale,
                                                  '.', 4.5f, TableSource::File);
    EXPECT_EQ(t.rows[0][3], "4.5  ");
    EXPECT_EQ(t.rows[0][4], "x");
    EXPECT_EQ(
        *ReadBreakpointTable("20;1.000,5\n", 1, kCLocale, '.', 6, TableSource::File).rows[0][2],
        "1000.5  ");

    std::string many;
    for (int k = 1; k <= 51; ++k) many += std::to_string(k * 10) + ",0.01\n";
    RandomState s = Defaults();
    EXPECT_NE(ImportBreakpoints(
                  ReadBreakpointTable(many, 1, kCLocale, '.', 6, TableSource::File).rows, s),
              "");
    EXPECT_EQ(s.Freq[4], 2000);  // unchanged
}

// The first row's ASD level, read as a file in English and pasted in a decimal-comma
// language: the same in both, or refused with the same reason.
struct LevelCase {
    const char* text;
    float asd;            // the first row's level when read
    const char* problem;  // "" when read
};

void ExpectLevels(const LevelCase* cases, std::size_t count) {
    const std::pair<NumberLocale, TableSource> ways[] = {
        {kCLocale, TableSource::File},
        {kDecimalCommaLocale, TableSource::File},
        {kCLocale, TableSource::Clipboard},
        {kDecimalCommaLocale, TableSource::Clipboard}};
    for (std::size_t i = 0; i < count; ++i)
        for (const auto& [locale, source] : ways) {
            const LevelCase& c = cases[i];
            const BreakpointTable t = ReadBreakpointTable(c.text, 1, locale, '.', 6, source);
            EXPECT_EQ(t.problem, c.problem) << c.text;
            if (!*c.problem && !t.rows.empty() && t.rows[0][2]) {
                EXPECT_EQ(CellValue(*t.rows[0][2]), c.asd) << c.text;
            }
            EXPECT_EQ(t.rows.empty(), *c.problem != '\0') << c.text;
        }
}

TEST(BreakpointTable, ANumberIsNeverReadAsAnotherNumber) {
    const LevelCase cases[] = {
        // Lists that read 1000 times too high before.
        {"20;0.001;6", 0.001f, ""},
        {"80;0.040;6", 0.04f, ""},
        {"20\t0,001\t6", 0.001f, ""},
        {"20,\"0,001\",6", 0.001f, ""},
        // A group separator where nothing else is possible.
        {"20;1.000,5;6", 1000.5f, ""},
        {"20\t1,000.5\t6", 1000.5f, ""},
        {"20;1.000.000;6", 1e6f, ""},
        {"20;1\u00A0000,5;6", 1000.5f, ""},
        {"20;0.001,5;6", 0, "Line 1: the ASD level '0.001,5' is not a number."},
        {"20;1.2.3;6", 0, "Line 1: the ASD level '1.2.3' is not a number."},
        {"20;1.000E-3;6", 0.001f, ""},
        // One mark before three digits: the rest of the list decides, or nothing does.
        {"20;1.000;6", 0, "Line 1: '1.000' reads as 1 or 1000; write 1 or 1000"},
        {"f;asd\n20;1\n80;1.000\n", 0, "Line 3: '1.000' reads as 1 or 1000; write 1 or 1000"},
        {"20;1.000;6\n80;0,5;6", 1000, ""},
        {"20;1.000;6\n80;0.5;6", 1, ""},
        {"20;1.000;6\n80;0.0401;6", 1, ""},
        {"20;1.000;6\n80;0.5;6\n90;0,5;6", 0,
         "Line 1: '1.000' reads as 1 or 1000; write 1 or 1000"},
        {"20;12,345;6", 0, "Line 1: '12,345' reads as 12.345 or 12345; write 12,3450 or 12345"},
    };
    ExpectLevels(cases, std::size(cases));
}

// Lists as spreadsheets in English, German and French write them, their headers in the
// files' code page: thousands groups in the frequencies, three decimals in the levels.
TEST(BreakpointTable, ListsAsSpreadsheetsExportThem) {
    const std::pair<const char*, std::string> lists[] = {
        {"English CSV",
         "Frequency (Hz),ASD (g\xB2/Hz),Abort (dB)\r\n20,0.010,6\r\n80,0.040,6\r\n"
         "350,0.040,6\r\n\"2,000\",0.007,6\r\n"},
        {"English copy", "20\t0.01\t6\n80\t0.04\t6\n350\t0.04\t6\n2,000\t0.007\t6\n"},
        {"German CSV",
         "Frequenz (Hz);ASD (g\xB2/Hz);Abbruch (dB)\r\n20;0,010;6\r\n80;0,040;6\r\n"
         "350;0,040;6\r\n2.000;0,007;6\r\n"},
        {"German copy", "20\t0,01\t6\n80\t0,04\t6\n350\t0,04\t6\n2.000\t0,007\t6\n"},
        {"French CSV, no-break space",
         "Fr\xE9quence (Hz);DSP (g\xB2/Hz);Seuil (dB)\r\n20;0,01;6\r\n80;0,04;6\r\n"
         "350;0,04;6\r\n2\xA0"
         "000;0,007;6\r\n"},
        {"French UTF-8, narrow no-break space",
         "Fréquence;DSP\r\n20;0,01\r\n80;0,04\r\n350;0,04\r\n2\u202F000;0,007\r\n"},
        {"French typed", "20;0,01;6\n80;0,04;6\n350;0,04;6\n2 000;0,007;6\n"},
    };
    const float freq[] = {20, 80, 350, 2000}, asd[] = {0.01f, 0.04f, 0.04f, 0.007f};
    for (const auto& [name, text] : lists)
        for (const NumberLocale locale : {kCLocale, kDecimalCommaLocale}) {
            const BreakpointTable t =
                ReadBreakpointTable(text, 1, locale, '.', 6, TableSource::File);
            ASSERT_EQ(t.problem, "") << name;
            RandomState s = Defaults();
            ASSERT_EQ(ImportBreakpoints(t.rows, s), "") << name;
            for (int k = 1; k <= 4; ++k) {
                EXPECT_EQ(s.Freq[k], freq[k - 1]) << name << " " << k;
                EXPECT_EQ(s.Asd[k], asd[k - 1]) << name << " " << k;
            }
        }
}

// Every value a spreadsheet may show for `text`: blanks dropped, then either mark as
// the decimal point (where it stands once) and the other dropped, or both dropped.
std::vector<float> PlausibleReadings(std::string text) {
    for (const char* blank : {"\u00A0", "\u202F", " "})
        for (std::size_t p; (p = text.find(blank)) != std::string::npos;)
            text.erase(p, std::string_view(blank).size());
    std::vector<float> readings;
    for (const char decimal : {'.', ',', '\0'}) {
        if (decimal && std::count(text.begin(), text.end(), decimal) != 1) continue;
        std::string plain;
        for (char c : text)
            if (c == decimal)
                plain += '.';
            else if (c != '.' && c != ',')
                plain += c;
        readings.push_back(StoreSingle(std::strtod(plain.c_str(), nullptr)));
    }
    return readings;
}

// Random lists in the three languages' ways, with or without thousands groups and with
// fixed decimals as a spreadsheet shows them; a quarter of the fields are then written
// the other way or mangled. A list written one way reads as written or is refused; no
// list reads a value that is none of its field's readings.
TEST(BreakpointTable, NoAcceptedListReadsAnotherValue) {
    std::mt19937 random(29);
    auto below = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
    const char* const blanks[] = {" ", "\u00A0", "\u202F"};
    int read = 0, refused = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const int language = below(3);  // English, German, French
        const char separator = language == 0 ? (below(2) ? ',' : '\t') : (below(2) ? ';' : '\t');
        std::string list;
        std::vector<std::string> texts;
        std::vector<float> intended;
        bool mixed = false;
        const int rows = 1 + below(4);
        for (int r = 0; r < rows; ++r) {
            // Digits and decimals as a spreadsheet's fixed format shows them.
            const int decimals = below(5);
            std::string whole = std::to_string(below(3) ? below(1000) : below(2000000));
            std::string fraction;
            for (int d = 0; d < decimals; ++d) fraction += char('0' + below(10));
            intended.push_back(StoreSingle(std::strtod((whole + "." + fraction).c_str(), nullptr)));
            const char decimal = language == 0 ? '.' : ',';
            const std::string group = language == 0 ? "," : language == 1 ? "." : blanks[below(3)];
            if (below(2))
                for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
                    whole.insert(static_cast<std::size_t>(at), group);
            std::string text = whole + (decimals ? decimal + fraction : "");
            if (below(4) == 0) {
                mixed = true;
                const char swap[] = {'.', ',', ' '};
                for (char& c : text)
                    if ((c == '.' || c == ',') && below(2)) c = swap[below(3)];
            }
            texts.push_back(text);
            const bool quote = separator == ',' && text.find(',') != std::string::npos;
            list += std::to_string(10 * (r + 1)) + separator + (quote ? "\"" + text + "\"" : text) +
                    separator + "6\n";
        }
        const BreakpointTable t = ReadBreakpointTable(list, 1, kCLocale, '.', 6, TableSource::File);
        if (!t.problem.empty()) {
            ++refused;
            continue;
        }
        ++read;
        ASSERT_EQ(t.rows.size(), texts.size()) << list;
        for (std::size_t r = 0; r < texts.size(); ++r) {
            const float got = CellValue(*t.rows[r][2]);
            const std::vector<float> plausible = PlausibleReadings(texts[r]);
            EXPECT_NE(std::find(plausible.begin(), plausible.end(), got), plausible.end())
                << list << " row " << r << " reads " << got;
            if (!mixed) {
                EXPECT_EQ(got, intended[r]) << list << " row " << r;
            }
        }
    }
    // Both outcomes are exercised.
    std::printf("%d read, %d refused\n", read, refused);
    EXPECT_GT(read, 1000);
    EXPECT_GT(refused, 100);
}

TEST(BreakpointTable, FrequenciesThatDoNotRiseAreRefusedNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"20,0.01\n100,0.04\n80,0.04\n",
         "Line 3: the frequency 80 Hz does not rise above the 100 Hz of line 2."},
        {"20,0.01\n100,0.04\n100,+3 dB/oct\n",
         "Line 3: the frequency 100 Hz does not rise above the 100 Hz of line 2."},
        {"f,a\n\n2000\t0.01\n\n20\t0.04\n",
         "Line 5: the frequency 20 Hz does not rise above the 2000 Hz of line 3."},
        {"20,0.01\n80,0.04\n", ""},
    };
    for (const auto& [text, problem] : cases)
        for (const TableSource source : {TableSource::File, TableSource::Clipboard})
            EXPECT_EQ(ReadBreakpointTable(text, 1, kCLocale, '.', 6, source).problem, problem)
                << text;
    // A block of levels alone has no frequencies to compare.
    EXPECT_EQ(ReadBreakpointTable("0.04\n0.01\n", 2, kCLocale, '.', 6, TableSource::File).problem,
              "");
}

TEST(BreakpointTable, AStoredProfileThatDoesNotRiseIsNamedAtItsFirstPoint) {
    struct Case {
        std::vector<float> freq;
        int first;
    };
    const Case cases[] = {
        {{10, 100, 500, 2000}, 0}, {{10, 100, 15, 2000}, 3}, {{10, 100, 100, 2000}, 3},
        {{2000, 500, 100, 10}, 2}, {{10, -5, 100, 2000}, 0},  // unusable points have their own
                                                              // message
    };
    for (const Case& c : cases) {
        RandomState s = Defaults();
        for (std::size_t k = 0; k < c.freq.size(); ++k) s.Freq[k + 1] = c.freq[k];
        EXPECT_EQ(FirstNotRising(s), c.first) << c.freq[2];
        EXPECT_EQ(NotRisingMessage(s).empty(), c.first == 0);
    }
    RandomState s = Defaults();
    s.Freq[3] = 15;
    EXPECT_EQ(NotRisingMessage(s),
              "Point 3 (15 Hz) does not rise above point 2 (100 Hz), so the results are not those "
              "of the profile as entered: enter the points in rising frequency.");
}

TEST(BreakpointTable, CopiedCellsAreTabSeparatedWithoutTheGridsBlanks) {
    RandomState s = Defaults();
    s.Comment[3] = "a\tb";
    const EditorGrid g = LoadEditorGrid(s, ',');
    EXPECT_EQ(CopiedCells(g, 2, 1, 3, 4), "100\t0,1\t6\t ( G^2/Hz. )\n500\t0,1\t6\ta b\n");
}

}  // namespace
}  // namespace vib::random
