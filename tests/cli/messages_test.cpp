#include <gtest/gtest.h>

#include "cli/messages.h"
#include "cli/report_clock.h"

namespace vib::cli {
namespace {

TEST(SafeText, ControlsAndBrokenBytesShowAsHex) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain text, 1.5", "plain text, 1.5"},
        {"\x1b[31mred\x07", "\\x1B[31mred\\x07"},
        {"two\r\nlines\tand\x7f", "two\\x0D\\x0Alines\\x09and\\x7F"},
        {"Pr\xc3\xbc"
         "fung \xe2\x82\xac",
         "Pr\xc3\xbc"
         "fung \xe2\x82\xac"},  // UTF-8 stays
        {"\xc2\x9b"
         "2J",
         "\\xC2\\x9B2J"},  // C1 CSI as UTF-8
        {"\x9b"
         "2J \xff",
         "\\x9B2J \\xFF"},                               // bytes, not UTF-8
        {"\xc0\xaf \xe2\x82", "\\xC0\\xAF \\xE2\\x82"},  // overlong, cut short
        {"a\xe2\x80\xae"
         "b\xe2\x80\xa8",
         "a\\xE2\\x80\\xAEb\\xE2\\x80\\xA8"},  // bidi, separator
        {std::string("nul\0x", 5), "nul\\x00x"},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeText(c.in), c.out) << c.in;
}

TEST(SafeText, LongTextKeepsItsStartAndEnd) {
    std::string digits;
    for (int i = 0; i < 100; ++i) digits += char('0' + i % 10);
    const std::string cut = SafeText(digits + "END", 80);
    EXPECT_EQ(cut.size(), 80u);
    EXPECT_EQ(cut.rfind("0123456789", 0), 0u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "END");
    EXPECT_NE(cut.find("..."), std::string::npos);
    // Escapes count as the four characters they print, and are never split.
    const std::string escapes = SafeText(std::string(100, '\x1b'), 80);
    EXPECT_LE(escapes.size(), 80u);
    EXPECT_EQ((escapes.size() - 3) % 4, 0u) << escapes;
    EXPECT_EQ(SafeText(std::string(80, 'a'), 80), std::string(80, 'a'));
}

TEST(FileErrorLine, OneFormatForEveryError) {
    const std::string token = "\"" + std::string(5000, 'x') + "\x1b]0;\x07\"";
    const struct {
        std::string path;
        FileError error;
        std::string line;
    } cases[] = {
        {"p.prf", FileError::Make(53, "p.prf"), "vibcalc: p.prf: File not found (error 53)"},
        {"dir", FileError::Make(75, "dir is a folder"),
         "vibcalc: dir: Path/File access error (error 75): is a folder"},
        {"p.prf", FileError::Make(62, "record 100, field 7"),
         "vibcalc: p.prf: Input past end of file (error 62): record 100, field 7"},
        {"p.prf", FileError::Make(13, "record 2, field 3: \"1,5\" is not a number"),
         "vibcalc: p.prf: Type mismatch (error 13): record 2, field 3: \"1,5\" is not a number"},
        {"w\n.dat", FileError::Make(13, "value 9: \"\x1b[2J\" is not a number"),
         "vibcalc: w\\x0A.dat: Type mismatch (error 13): value 9: \"\\x1B[2J\" is not a "
         "number"},
        {"p.prf", FileError::Make(13, "record 1, field 1: " + token + " is not a number"),
         "vibcalc: p.prf: Type mismatch (error 13): record 1, field 1: \"" + std::string(51, 'x') +
             "...]0;\\x07\" is not a number"},
        {"out.pdf", FileError::Make(61, "out.pdf"), "vibcalc: out.pdf: Disk full (error 61)"},
        // One colon after the number, where the writer names the file with its own.
        {"loop", FileError::Make(75, "loop: too many symbolic links"),
         "vibcalc: loop: Path/File access error (error 75): too many symbolic links"},
    };
    for (const auto& c : cases) EXPECT_EQ(FileErrorLine(c.path, c.error), c.line);
}

TEST(ReportClock, SourceDateEpochReadsInUtcWithFixedPatterns) {
    const struct {
        const char* text;
        const char* time;  // nullptr: refused
        const char* date;
    } cases[] = {
        {"0", "00:00", "1970-01-01"},
        {"86400", "00:00", "1970-01-02"},
        {"1709989500", "13:05", "2024-03-09"},
        {"951782400", "00:00", "2000-02-29"},
        {"253402300799", "23:59", "9999-12-31"},
        {"253402300800", nullptr, nullptr},
        {"", nullptr, nullptr},
        {"-1", nullptr, nullptr},
        {" 86400", nullptr, nullptr},
        {"1e9", nullptr, nullptr},
        {"99999999999999999999", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto seconds = ParseSourceDateEpoch(c.text);
        ASSERT_EQ(seconds.has_value(), c.time != nullptr) << c.text;
        if (!seconds) continue;
        const EpochClock clock(*seconds);
        EXPECT_EQ(clock.TimeText(), c.time) << c.text;
        EXPECT_EQ(clock.DateText(), c.date) << c.text;
    }
    EXPECT_EQ(EpochClock(86400 + 3723).SecondsSinceMidnight(), 3723.0);
}

}  // namespace
}  // namespace vib::cli
