// What the boxes and file dialogs are asked to show, before any widget: the reason under
// a box's text, the joined profile filter, the file name in the profile box.
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/dialogs.h"

namespace vib {
namespace {

TEST(BoxReason, ShownWithoutAClickLongOnesAlsoBehindDetails) {
    const std::string line = "Line 3: '1.000' reads as 1 or 1000; write 1 or 1000";
    const std::string eight = "1\n2\n3\n4\n5\n6\n7\n8";
    const std::string wide(600, 'x');
    const std::string accents = std::string(kShownReasonBytes - 1, 'x') + "\xC3\xA9yz";
    struct Case {
        std::string detail, shown, behind;
    };
    const Case cases[] = {
        {"", "", ""},
        {line, line, ""},
        {"1\n2\n3\n4\n5\n6", "1\n2\n3\n4\n5\n6", ""},
        {eight, "1\n2\n3\n4\n5\n6 ...", eight},
        {wide, std::string(kShownReasonBytes, 'x') + " ...", wide},
        // never cut inside a character
        {accents, std::string(kShownReasonBytes - 1, 'x') + " ...", accents},
    };
    for (const Case& c : cases) {
        const BoxReason r = BoxReasonOf(c.detail);
        EXPECT_EQ(r.shown, c.shown) << c.detail;
        EXPECT_EQ(r.behindDetails, c.behind) << c.detail;
    }
}

TEST(JoinedFilter, AllProfilesOfBothNamesAfterTheWrittenOnesAndSelected) {
    struct Case {
        std::string filter, joined;
        int index;
    };
    const Case cases[] = {
        {"All Profiles (QTRFileR.*)|QTRFileR.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*",
         "All Profiles (QTRFileR.*)|QTRFileR.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*"
         "|All Profiles (QTRFileR.* *.prf)|QTRFileR.* *.prf",
         4},
        {"All Profiles (QTRFileC.*)|QTRFileC.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*",
         "All Profiles (QTRFileC.*)|QTRFileC.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*"
         "|All Profiles (QTRFileC.* *.prf)|QTRFileC.* *.prf",
         4},
        {"Lists (*.csv)|*.csv", "Lists (*.csv)|*.csv", 1},
    };
    for (const Case& c : cases) {
        const FileDialogRequest r =
            WithJoinedFilter({"QTR-8 Open Profile", c.filter, 1, "QTRFileR.*"}, "All Profiles");
        EXPECT_EQ(r.filter, c.joined);
        EXPECT_EQ(r.filterIndex, c.index);
        EXPECT_EQ(r.fileName, "QTRFileR.*");  // a cancel still returns the pattern
    }
}

TEST(ShownFileName, TheFileNotTheEndOfItsPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/dom/navmat-p9492.prf", "navmat-p9492.prf"},
        {"/p/a-very-long-profile-name-2024.prf", "rofile-name-2024.prf"},
        {" DEFAULT PROFILE", " DEFAULT PROFILE"},
        {"QTRFileR.001", "QTRFileR.001"},
        {"/p/\xC3\xA9preuve-de-choc-n\xC2\xB0"
         "12.prf",
         "uve-de-choc-n\xC2\xB0"
         "12.prf"},
        {"/p/", ""},
    };
    for (const auto& [path, shown] : cases) EXPECT_EQ(ShownFileName(path, 20), shown) << path;
}

}  // namespace
}  // namespace vib
