#include "random/model.h"

#include <gtest/gtest.h>

#include "random/spectrum.h"

namespace vib::random {
namespace {

TEST(RandomDefaults, StartUpState) {
    RandomState s;
    InitDefaults(s);
    EXPECT_EQ(s.Params[prm::RangeIndex], 3);
    EXPECT_EQ(s.Params[prm::LinesIndex], 1);
    EXPECT_EQ(s.Params[prm::MaxA], 100);
    EXPECT_EQ(s.Params[prm::MaxD], 1000);
    EXPECT_EQ(s.Params[prm::MaxV], 100);
    EXPECT_EQ(s.Params[prm::Reserved31], 5);
    EXPECT_EQ(s.Params[0], 2);
    EXPECT_EQ(s.Params[1], 600);
    EXPECT_EQ(s.Params[29], 0.1f);
    EXPECT_EQ(s.Params[38], 0.5f);
    EXPECT_EQ(s.Params[61], 2000);
    EXPECT_EQ(s.Params[83], 1);
    EXPECT_EQ(s.Params[84], 0);
    EXPECT_EQ(s.Params[100], 0);
    EXPECT_EQ(s.Freq[4], 2000);
    EXPECT_EQ(s.Asd[2], 0.1f);
    EXPECT_EQ(s.Freq[5], 0);
    EXPECT_EQ(s.Reserved1[1], 3);
    EXPECT_EQ(s.AbortDb[0], 6);
    EXPECT_EQ(s.AbortDb[100], 6);
    EXPECT_EQ(s.ProfileName, " DEFAULT PROFILE");
    EXPECT_EQ(s.PlotLabels[1], "10-6");
    EXPECT_EQ(s.PlotLabels[10], "1000");
    EXPECT_EQ(s.PlotLabels[14], "Ch#4");
    EXPECT_EQ(s.PlotLabels[17], "G^2/Hz.");
    EXPECT_EQ(s.LineCount, 400);
    EXPECT_EQ(s.Spectrum.size(), 513u);
}

TEST(SetupLines, TableAndUnknownIndex) {
    RandomState s;
    InitDefaults(s);
    const struct {
        float index;
        int count, size;
        float spacing;
    } rows[] = {{0, 200, 256, 2.5f},
                {1, 400, 512, 1.25f},
                {2, 800, 1024, 0.625f},
                {3, 1600, 2048, 0.3125f}};
    for (const auto& r : rows) {
        s.Params[prm::LinesIndex] = r.index;
        SetupLines(s);
        EXPECT_EQ(s.LineCount, r.count);
        EXPECT_EQ(s.SpectrumSize, r.size);
        EXPECT_EQ(s.BaseLineSpacing, r.spacing);
        EXPECT_EQ(s.Spectrum.size(), std::size_t(r.size) + 1);
    }
    s.Spectrum[5] = 42;
    s.Params[prm::LinesIndex] = 7;  // unknown: settings kept, arrays renewed
    SetupLines(s);
    EXPECT_EQ(s.LineCount, 1600);
    EXPECT_EQ(s.Spectrum[5], 0);
}

TEST(NewProfile, FlatAcrossTheRangeKeepingTheRest) {
    RandomState s;
    InitDefaults(s);
    RecomputeModel(s);
    s.Comment[1] = "first";
    s.AbortDb[2] = 3;
    s.Freq[60] = 77;
    s.Comment[60] = "kept";
    NewProfileModel(s);
    EXPECT_EQ(s.Freq[1], 10);
    EXPECT_EQ(s.Freq[2], 2000);
    EXPECT_EQ(s.Asd[1], 0.001f);
    EXPECT_EQ(s.Asd[2], 0.001f);
    EXPECT_EQ(s.Freq[3], 0);
    EXPECT_EQ(s.Asd[4], 0);
    EXPECT_EQ(s.Comment[1], "first");
    EXPECT_EQ(s.AbortDb[2], 3);
    EXPECT_EQ(s.Freq[60], 77);

    s.Params[prm::RangeIndex] = 0;
    s.TestTitle = "Bracket test 7";
    s.ProfileName = "/p/bracket.prf";
    RecomputeModel(s);
    NewProfileModel(s);
    EXPECT_EQ(s.Freq[1], 1.25f);
    EXPECT_EQ(s.Freq[2], 250);
    // Neither the title nor the file of the last profile stays with the new one.
    EXPECT_EQ(s.TestTitle, kStartTitle);
    EXPECT_EQ(s.ProfileName, " DEFAULT PROFILE");
}

}  // namespace
}  // namespace vib::random
