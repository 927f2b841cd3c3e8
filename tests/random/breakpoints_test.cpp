// Profiles as standards write them: slopes, the exact integrals, and breakpoint lists
// from spreadsheets and CSV files. Figures are the standards' own or closed forms.
#include <gtest/gtest.h>

#include <cmath>
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

TEST(BreakpointTable, ExportThenImportGivesBackEveryBreakpoint) {
    std::mt19937 random(20);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    RandomState s = Defaults();
    for (int k = 1; k <= kEditableEntries; ++k) {
        s.Freq[k] = StoreSingle(1 + 40 * k + unit(random));
        s.Asd[k] = StoreSingle(std::pow(10.0, -6 + 6 * unit(random)));
        s.AbortDb[k] = StoreSingle(12 * unit(random));
        s.Comment[k] = k % 3 ? "point \"" + std::to_string(k) + "\", Mitte  " : "";
    }
    s.Comment[7] = "Grüße";
    const std::string csv = BreakpointCsv(s);
    EXPECT_EQ(csv.rfind("frequency_hz,asd,abort_db,comment\r\n", 0), 0u);
    RandomState back = Defaults();
    const BreakpointTable t = ReadBreakpointTable(csv, 1, kCLocale, '.', 6, TableSource::File);
    ASSERT_EQ(t.problem, "");
    ASSERT_EQ(ImportBreakpoints(t.rows, back), "");
    for (int k = 1; k <= kEditableEntries; ++k) {
        EXPECT_EQ(back.Freq[k], s.Freq[k]) << k;
        EXPECT_EQ(back.Asd[k], s.Asd[k]) << k;
        EXPECT_EQ(back.AbortDb[k], s.AbortDb[k]) << k;
        EXPECT_EQ(back.Comment[k], s.Comment[k]) << k;
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
        {"20\t0,01\n", 1, kCLocale, "Line 1: the ASD level '0,01' is not a number.", 0},
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

TEST(BreakpointTable, CopiedCellsAreTabSeparatedWithoutTheGridsBlanks) {
    RandomState s = Defaults();
    s.Comment[3] = "a\tb";
    const EditorGrid g = LoadEditorGrid(s, ',');
    EXPECT_EQ(CopiedCells(g, 2, 1, 3, 4), "100\t0,1\t6\t ( G^2/Hz. )\n500\t0,1\t6\ta b\n");
}

}  // namespace
}  // namespace vib::random
