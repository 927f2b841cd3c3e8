// Every published example opens from Help > Open Example in its own window, with the
// boxes it should give and its title on screen. Opened from the command line in the other
// window, each is refused in the error box naming the program that opens it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "morvane_fixture.h"
#include "tessalt_fixture.h"

namespace vib {
namespace {

// The example files of one kind, copied into the window's in-memory file system.
std::vector<std::string> CopyExamples(const std::string& kind, MemoryFileSystem& files) {
    std::vector<std::string> paths;
    for (const auto& e : std::filesystem::directory_iterator(VIB_EXAMPLES "/" + kind)) {
        std::ifstream in(e.path(), std::ios::binary);
        files.files[e.path().string()] = {std::istreambuf_iterator<char>(in), {}};
        paths.push_back(e.path().string());
    }
    return paths;
}

class MorvaneExamples : public random::app::MorvaneFixture {};
class TessaltExamples : public shock::app::TessaltTest {};

TEST_F(MorvaneExamples, EachOpensWithoutABox) {
    const auto paths = CopyExamples("random", files);
    ASSERT_EQ(paths.size(), 4u);
    for (const std::string& path : paths) {
        t.files.answers = {path};
        Trigger("mnuHelpOpenExample");
        EXPECT_EQ(t.files.opened.back().folder, VIB_EXAMPLES "/random");
        EXPECT_EQ(s().ProfileName, path);
        EXPECT_NE(Text("lblTestTitle").find("G rms"), std::string::npos) << path;
    }
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(TessaltExamples, EachOpensWithTheDisplacementBoxOnlyWhereItNeedsMoreStroke) {
    const auto paths = CopyExamples("shock", fs);
    ASSERT_EQ(paths.size(), 5u);
    for (const std::string& path : paths) {
        const std::size_t boxes = t.box.shown.size();
        t.files.answers = {path};
        Trigger("mnuHelpOpenExample");
        QApplication::processEvents();
        const bool stroke =
            path.find("50g") != std::string::npos || path.find("30g-18ms") != std::string::npos;
        ASSERT_EQ(t.box.shown.size(), boxes + (stroke ? 1 : 0)) << path;
        if (stroke) {
            EXPECT_EQ(t.box.shown.back().text, " Test Displacement > System D Limit ");
        }
        EXPECT_EQ(s().ProfileName, path);
        EXPECT_NE(Text("lblTestTitle").find(" ms"), std::string::npos) << path;
    }
}

// The profile a command line names opens as File > Open does: the other kind's in the
// error box (Cancel here), which names the program that opens it, and nothing changes.
void ExpectOtherKindRefused(const std::vector<std::string>& paths, shell::ShellWindow& window,
                            const std::string& profileName, testing::ScriptedMessageBox& boxes,
                            const char* opener) {
    ASSERT_FALSE(paths.empty());
    for (const std::string& path : paths) {
        const std::string before = profileName;
        const std::size_t shown = boxes.shown.size();
        window.OpenStartProfile(path);
        ASSERT_EQ(boxes.shown.size(), shown + 1) << path;
        const testing::ShownBox& box = boxes.shown.back();
        EXPECT_EQ(box.title, "Error #  13 Occured") << path;
        EXPECT_EQ(box.text, "Type mismatch") << path;
        EXPECT_NE(box.detail.find(opener), std::string::npos) << box.detail;
        EXPECT_EQ(profileName, before) << path;
    }
}

TEST_F(MorvaneExamples, ShockExamplesFromTheCommandLineAreRefusedNamingTessalt) {
    ExpectOtherKindRefused(CopyExamples("shock", files), w(), s().ProfileName, t.box, "Tessalt");
    const std::string navmat = CopyExamples("random", files).front();
    w().OpenStartProfile(navmat);
    EXPECT_EQ(s().ProfileName, navmat);
}

TEST_F(TessaltExamples, RandomExamplesFromTheCommandLineAreRefusedNamingMorvane) {
    ExpectOtherKindRefused(CopyExamples("random", fs), w(), s().ProfileName, t.box, "Morvane");
}

}  // namespace
}  // namespace vib
