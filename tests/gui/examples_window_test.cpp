// Every published example opens from Help > Open Example in its own window, with the
// boxes it should give and its title on screen.
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

}  // namespace
}  // namespace vib
