#include "random/profile_file.h"

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "random/spectrum.h"

namespace vib::random {
namespace {

using vib::MemoryFileSystem;

RandomState Started() {
    RandomState s;
    InitDefaults(s);
    RecomputeModel(s);
    return s;
}

// Compares everything a profile carries, entries 1 to 100.
void ExpectSameProfile(const RandomState& a, const RandomState& b) {
    for (int k = 1; k <= 100; ++k) {
        ASSERT_EQ(a.Params[k], b.Params[k]) << k;
        ASSERT_EQ(a.Freq[k], b.Freq[k]) << k;
        ASSERT_EQ(a.Asd[k], b.Asd[k]) << k;
        ASSERT_EQ(a.AbortDb[k], b.AbortDb[k]) << k;
        ASSERT_EQ(a.Reserved1[k], b.Reserved1[k]) << k;
        ASSERT_EQ(a.Reserved2[k], b.Reserved2[k]) << k;
        ASSERT_EQ(a.Comment[k], b.Comment[k]) << k;
    }
    EXPECT_EQ(a.FileText1, b.FileText1);
    EXPECT_EQ(a.FileText2, b.FileText2);
    EXPECT_EQ(a.SubTitle1, b.SubTitle1);
    EXPECT_EQ(a.SubTitle2, b.SubTitle2);
}

TEST(RandomProfileFile, SaveThenOpenRestoresEveryRecord) {
    MemoryFileSystem fs;
    RandomState saved = Started();
    for (int k = 1; k <= 100; ++k) {
        saved.Params[k] = k == 22 ? 1.0f : k == 6 ? 2.0f : float(k) / 7.0f;
        saved.Freq[k] = k <= 5 ? 20.0f * k : float(k) * 1.1f;
        saved.Asd[k] = 0.01f + float(k) * 1e-4f;
        saved.AbortDb[k] = float(k % 9);
        saved.Reserved1[k] = float(-k);
        saved.Reserved2[k] = float(k) * 1e-7f;
        saved.Comment[k] = "c" + std::to_string(k);
    }
    saved.Freq[6] = 0;
    saved.FileText1 = "f1";
    saved.FileText2 = "f2, with comma";
    saved.SubTitle1 = "s1 \xC2\xB5";
    saved.SubTitle2 = "s2";
    ASSERT_FALSE(SaveRandomProfile(fs, "/p.prf", "My title", saved));
    EXPECT_EQ(saved.TestTitle, "My title");

    RandomState opened = Started();
    opened.Params[0] = 99;
    ASSERT_FALSE(OpenRandomProfile(fs, "/p.prf", "screen title", opened));
    ExpectSameProfile(saved, opened);
    EXPECT_EQ(opened.TestTitle, "My title");
    EXPECT_EQ(opened.Params[0], 99);  // entry 0 is not stored
    // Opening recomputes with the loaded range, resolution and units.
    EXPECT_EQ(opened.RangeFactor, 2.0f);
    RandomState again = opened;
    RecomputeModel(again);
    EXPECT_EQ(opened.Gref, again.Gref);
}

TEST(RandomProfileFile, MetricThousandHertzReopensAsSaved) {
    MemoryFileSystem fs;
    RandomState s = Started();
    s.Params[prm::UnitsIndex] = 1;
    s.Params[prm::RangeIndex] = 2;
    s.Asd[2] = 9.616f;
    ASSERT_FALSE(SaveRandomProfile(fs, "m.prf", "t", s));
    RandomState o = Started();
    ASSERT_FALSE(OpenRandomProfile(fs, "m.prf", "t", o));
    EXPECT_EQ(o.Params[prm::UnitsIndex], 1);
    EXPECT_EQ(o.Params[prm::RangeIndex], 2);
    EXPECT_EQ(o.Asd[2], 9.616f);
}

TEST(RandomProfileFile, WithoutTrailerKeepsTheCurrentTexts) {
    MemoryFileSystem fs;
    RandomState s = Started();
    ASSERT_FALSE(SaveRandomProfile(fs, "a.prf", "file title", s));
    std::string& bytes = fs.files["a.prf"];
    bytes.resize(bytes.find("\"file title\""));
    RandomState o = Started();
    o.SubTitle1 = "mine";
    ASSERT_FALSE(OpenRandomProfile(fs, "a.prf", "on screen", o));
    EXPECT_EQ(o.TestTitle, "on screen");
    EXPECT_EQ(o.SubTitle1, "mine");
}

TEST(RandomProfileFile, ReservedEntry31ZeroReadsAsFive) {
    MemoryFileSystem fs;
    RandomState s = Started();
    s.Params[31] = 0;
    ASSERT_FALSE(SaveRandomProfile(fs, "a.prf", "t", s));
    RandomState o = Started();
    ASSERT_FALSE(OpenRandomProfile(fs, "a.prf", "t", o));
    EXPECT_EQ(o.Params[31], 5);
}

TEST(RandomProfileFile, FailedOpensChangeNothing) {
    MemoryFileSystem fs;
    RandomState s = Started();
    ASSERT_FALSE(SaveRandomProfile(fs, "good.prf", "t", s));
    const std::string good = fs.files["good.prf"];
    fs.files["short.prf"] = good.substr(0, good.size() / 2);
    std::string overflow = good;  // an ASD whose results would be infinite
    const auto rec2 = overflow.find("\r\n") + 2;
    overflow.replace(rec2, overflow.find("\r\n", rec2) - rec2, "6,100,0,3E+38,6,0,\"\"");
    fs.files["overflow.prf"] = overflow;
    std::string range = good;  // a range whose line spacing is beyond any number
    const auto rec6 = [&] {
        std::size_t p = 0;
        for (int i = 0; i < 5; ++i) p = range.find("\r\n", p) + 2;
        return p;
    }();
    range.replace(rec6, range.find(',', rec6) - rec6, "300");
    fs.files["range.prf"] = range;

    RandomState before = Started();
    before.Freq[2] = 123;
    before.SubTitle1 = "keep";
    RecomputeModel(before);
    const struct {
        const char* name;
        int number;
    } cases[] = {{"missing.prf", 53}, {"short.prf", 62}, {"overflow.prf", 6}, {"range.prf", 6}};
    for (const auto& c : cases) {
        RandomState o = before;
        const FileError e = OpenRandomProfile(fs, c.name, "t", o);
        EXPECT_EQ(e.number, c.number) << c.name;
        ExpectSameProfile(o, before);
        EXPECT_EQ(o.Gref, before.Gref);
        EXPECT_EQ(o.TestTitle, before.TestTitle);
    }
}

TEST(RandomProfileFile, FailedSaveKeepsTheOldFile) {
    MemoryFileSystem fs;
    fs.files["a.prf"] = "old";
    fs.failNextWrite = 61;
    RandomState s = Started();
    EXPECT_EQ(SaveRandomProfile(fs, "a.prf", "t", s).number, 61);
    EXPECT_EQ(fs.files["a.prf"], "old");
}

}  // namespace
}  // namespace vib::random
