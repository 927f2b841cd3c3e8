#include "platform/recordfile.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/codepage.h"

namespace vib {
namespace {

ProfileRecords Sample() {
    ProfileRecords r;
    for (int k = 1; k <= 100; ++k) {
        for (int f = 0; f < 6; ++f) r.numbers[k][f] = float(k) * 0.1f + float(f) * 1e-6f - 3.0f;
        r.notes[k] = k % 3 == 0 ? "" : "note " + std::to_string(k) + ", with comma";
    }
    r.trailer = {"Title µ 10°C", "t1", "", "sub one", "sub two"};
    return r;
}

std::string Encoded(const ProfileRecords& r) {
    std::string bytes;
    EXPECT_FALSE(EncodeRecords(r, bytes));
    return bytes;
}

TEST(RecordFile, WritesTheLayoutAndReadsItBack) {
    const ProfileRecords in = Sample();
    const std::string bytes = Encoded(in);
    // 105 lines, each ending in CR LF.
    std::size_t lines = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') ++lines;
    EXPECT_EQ(lines, 105u);
    EXPECT_EQ(bytes.find('\n'), bytes.find('\r') + 1);
    EXPECT_EQ(bytes.substr(0, bytes.find('\r')),
              "-2.9,-2.899999,-2.899998,-2.899997,-2.899996,-2.899995,\"note 1, with comma\"");
    // "µ" and "°" are single bytes of the code page in the file.
    EXPECT_NE(bytes.find("\"Title \xB5 10\xB0"
                         "C\""),
              std::string::npos);

    ProfileRecords out;
    ASSERT_FALSE(DecodeRecords(bytes, out));
    EXPECT_EQ(out.numbers, in.numbers);
    EXPECT_EQ(out.notes, in.notes);
    EXPECT_EQ(out.trailer, in.trailer);
    EXPECT_EQ(out.trailerCount, 5);
}

TEST(RecordFile, AcceptsLineFeedsLooseBlanksAndOtherNumberForms) {
    std::string text;
    for (int k = 1; k <= 100; ++k)
        text += " .5 , 1E-06,-0.25,5.,+2,3e2 , \"c" + std::to_string(k) + "\"\n";
    text += "\"title\"\n\"a\"";  // only two trailer strings, no final line end
    ProfileRecords r;
    r.trailer = {"old0", "old1", "old2", "old3", "old4"};
    ASSERT_FALSE(DecodeRecords(text, r));
    EXPECT_EQ(r.numbers[7][0], 0.5f);
    EXPECT_EQ(r.numbers[7][1], 1e-6f);
    EXPECT_EQ(r.numbers[7][3], 5.0f);
    EXPECT_EQ(r.numbers[7][5], 300.0f);
    EXPECT_EQ(r.notes[100], "c100");
    EXPECT_EQ(r.trailerCount, 2);
    EXPECT_EQ(r.trailer[0], "title");
    EXPECT_EQ(r.trailer[1], "a");
    EXPECT_EQ(r.trailer[2], "old2");  // strings the file lacks keep their values
}

TEST(RecordFile, HundredRecordsWithoutTrailerRead) {
    ProfileRecords in = Sample();
    std::string bytes = Encoded(in);
    bytes.resize(bytes.find("\"Title"));
    ProfileRecords out;
    out.trailer = {"keep", "keep", "keep", "keep", "keep"};
    ASSERT_FALSE(DecodeRecords(bytes, out));
    EXPECT_EQ(out.trailerCount, 0);
    EXPECT_EQ(out.trailer[0], "keep");
}

TEST(RecordFile, RefusalsLeaveTheTargetUntouched) {
    const std::string good = Encoded(Sample());
    ProfileRecords untouched;
    untouched.notes[1] = "mine";

    struct Case {
        std::string bytes;
        int number;
    };
    std::string shortFile = good.substr(0, good.find("\r\n") + 2);  // one record only
    std::string word = good;
    word.replace(0, word.find(','), "abc");
    std::string huge = good;
    huge.replace(0, huge.find(','), "1e39");
    std::string nan = good;
    nan.replace(0, nan.find(','), "nan");
    std::string emptyField = good;
    emptyField.replace(0, emptyField.find(','), "");
    const Case cases[] = {{"", 62},
                          {shortFile, 62},
                          {word, 13},
                          {huge, 13},
                          {nan, 13},
                          {emptyField, 13},
                          {std::string("\x00\x01\xff\xfe garbage", 12), 13}};
    for (const auto& c : cases) {
        ProfileRecords r = untouched;
        const FileError e = DecodeRecords(c.bytes, r);
        EXPECT_EQ(e.number, c.number) << c.bytes.substr(0, 40);
        EXPECT_FALSE(e.description.empty());
        EXPECT_EQ(r.notes[1], "mine");
        EXPECT_EQ(r.numbers[1][0], 0.0f);
    }
    ProfileRecords r;
    EXPECT_EQ(DecodeRecords(word, r).detail.substr(0, 16), "record 1, field ");
}

TEST(RecordFile, MissingClosingQuoteIsRefused) {
    std::string bytes = Encoded(Sample());
    const auto pos = bytes.find("\"note 5");
    bytes.erase(bytes.find('"', pos + 1), 1);  // drop the closing quote of record 5
    ProfileRecords r;
    const FileError e = DecodeRecords(bytes, r);
    EXPECT_EQ(e.number, 13);
    EXPECT_EQ(e.detail, "record 5, field 7: missing closing quote");
    // The last text of a truncated file too.
    std::string cut = Encoded(Sample());
    cut.resize(cut.size() - 3);
    EXPECT_EQ(DecodeRecords(cut, r).number, 13);
}

TEST(RecordFile, TextsNeverShiftFields) {
    ProfileRecords in = Sample();
    in.notes[4] = "say \"hi\", then\r\nleave";
    in.notes[5] = "emoji \xF0\x9F\x98\x80 and \xE2\x82\xAC";  // outside the code page, and the euro
                                                              // sign inside it
    in.trailer[0] = "ab\xC3";                                 // malformed UTF-8
    ProfileRecords out;
    ASSERT_FALSE(DecodeRecords(Encoded(in), out));
    EXPECT_EQ(out.notes[4], "say 'hi', then  leave");
    EXPECT_EQ(out.notes[5], "emoji ? and \xE2\x82\xAC");
    EXPECT_EQ(out.trailer[0], "ab?");
    EXPECT_EQ(out.numbers, in.numbers);
    EXPECT_EQ(out.trailer[4], in.trailer[4]);
}

TEST(RecordFile, NonFiniteValuesAreNotWritten) {
    ProfileRecords in = Sample();
    in.numbers[42][3] = std::numeric_limits<float>::infinity();
    std::string bytes = "old";
    const FileError e = EncodeRecords(in, bytes);
    EXPECT_EQ(e.number, 6);
    EXPECT_EQ(bytes, "old");
}

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Cp1252ToUtf8("\xB5\xB0"), "\xC2\xB5\xC2\xB0");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // one character, one byte
}

TEST(Numbers, WaveshapeValuesAcrossCommasAndLines) {
    std::vector<float> v;
    ASSERT_FALSE(DecodeNumbers("1, 0.5\r\n-1\n.25,9,9,9", 4, v));
    EXPECT_EQ(v, (std::vector<float>{1, 0.5f, -1, 0.25f}));
    std::vector<float> keep{7};
    EXPECT_EQ(DecodeNumbers("1,2,3", 4, keep).number, 62);
    EXPECT_EQ(keep, std::vector<float>{7});
    EXPECT_EQ(DecodeNumbers("1,x,3,4", 4, keep).number, 13);
    // Values after the wanted count are not even looked at.
    EXPECT_FALSE(DecodeNumbers("1,2,3,4,garbage", 4, v));
}

}  // namespace
}  // namespace vib
