// Whatever the user does, with whatever answers and whatever profile or waveshape was
// opened, every stored value stays finite and Save Profile writes a file that reopens to
// the same state: seeded random command sequences through the window.
#include <QAction>
#include <QMenu>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "command_sequences.h"
#include "shock/profile_file.h"
#include "shock/synthesis.h"
#include "tessalt_fixture.h"

namespace vib::shock::app {
namespace {

// Numbers beyond and at the edge of single precision, the bounds of the commands, zero,
// text and Cancel (nullopt).
const std::optional<std::string> kAnswers[] = {
    "1E39", "-1E39", "3.4E38", "-3.4E38", "3.4028235E38", "1E-45", "0",   "1", "1.5",       "0.5",
    "5",    "15",    "25",     "42",      "200",          "1000",  "abc", "",  std::nullopt};

// What the file dialogs may return: the profile the sequence saved, every file of the
// seed corpus (good and damaged), a missing file, an EXE name and Cancel.
std::vector<std::optional<std::string>> DialogAnswers(const MemoryFileSystem& fs) {
    std::vector<std::optional<std::string>> out = {"saved.prf", "missing.prf", "run.exe",
                                                   std::nullopt};
    for (const auto& [name, bytes] : fs.files) out.push_back(name);
    return out;
}

void LoadCorpus(MemoryFileSystem& fs) {
    const std::filesystem::path corpus = std::filesystem::path(VIB_TEST_DATA) / "corpus";
    for (const char* folder : {"shock", "wave"}) {
        for (const auto& entry : std::filesystem::directory_iterator(corpus / folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            fs.files[entry.path().filename().string()] = bytes.str();
        }
    }
}

template <class Array>
bool AllFinite(const Array& a) {
    return std::all_of(a.begin(), a.end(), [](float v) { return std::isfinite(v); });
}

// The sequences run in shards, each a test of its own, so that they run side by side.
constexpr int kShards = 4;
constexpr int kSequencesPerShard = 750;

class PropertyTest : public TessaltTest, public ::testing::WithParamInterface<int> {
  protected:
    // Every menu command, the zoom, refresh and origin keys, a click on the plot and a
    // lapse of the readout's timer.
    std::vector<testing::Command> Commands() {
        std::vector<testing::Command> out = testing::MenuCommands(w());
        for (char key : {'X', 'x', 'Y', 'y', 'J', 'W'})
            out.push_back({std::string("key ") + key, [this, key] { Key(key); }});
        out.push_back({"click", [this] { ClickPlot(); }});
        out.push_back({"timer", [this] {
                           t.clock.seconds += 4;
                           timer->Fire();
                       }});
        return out;
    }

    // The start-up state, whatever the previous sequence left, with the check marks a
    // recompute sets, but with the three traces hidden: drawing is most of a command's
    // time and none of its results (the test pass integrates and checks all the same),
    // and the trace items are among the commands.
    void Restart() {
        InitDefaults(s());
        for (int entry : {kAccShown, kVelShown, kDispShown}) s().P[entry] = 1;
        for (const char* item : {"mnuViewSRS", "mnuViewAbort", "mnuShockShapeCustom"})
            w().SetChecked(item, false);
        w().SetChecked("mnuViewTest", true);
        w().SyncMenuChecks();
        SynthesizePulse(s());
    }

    // Save Profile through the window, then the file opened into a second state.
    void ExpectSavedFileReopensToTheSameState() {
        t.box.shown.clear();
        t.files.answers = {"check.prf"};
        Trigger("mnuFileSaveProfile");
        ASSERT_TRUE(t.box.shown.empty()) << t.box.shown[0].title << ": " << t.box.shown[0].text;
        ShockState b;
        InitDefaults(b);
        const FileError opened = OpenShockProfile(fs, "check.prf", b);
        ASSERT_FALSE(opened) << opened.description << " " << opened.detail;
        const ShockState& a = s();
        for (int k = 1; k <= kLastParam; ++k) {
            ASSERT_EQ(b.P[k], a.P[k]) << "P(" << k << ")";
            ASSERT_EQ(b.ProfileCol2[k], a.ProfileCol2[k]) << k;
            ASSERT_EQ(b.ProfileCol3[k], a.ProfileCol3[k]) << k;
            ASSERT_EQ(b.ProfileCol4[k], a.ProfileCol4[k]) << k;
            ASSERT_EQ(b.ProfileCol5[k], a.ProfileCol5[k]) << k;
            ASSERT_EQ(b.ProfileCol6[k], a.ProfileCol6[k]) << k;
            ASSERT_EQ(b.ProfileNote[k], a.ProfileNote[k]) << k;
        }
        EXPECT_EQ(b.TestTitle, Text("lblTestTitle"));
        EXPECT_EQ(b.SubTitle1, a.SubTitle1);
        EXPECT_EQ(b.SubTitle2, a.SubTitle2);
        EXPECT_EQ(b.FileText1, a.FileText1);
        EXPECT_EQ(b.FileText2, a.FileText2);
    }
};

// A small picture is quicker to clear at every redraw.
void Shrink(TessaltWindow& window) {
    window.setWindowState(Qt::WindowNoState);
    window.resize(320, 240);
    QCoreApplication::processEvents();
}

TEST_P(PropertyTest, AnyCommandsLeaveFiniteValuesThatSaveAndReopen) {
    LoadCorpus(fs);
    const testing::Answers dialogAnswers = DialogAnswers(fs);
    const std::vector<testing::Command> commands = Commands();
    const testing::Answers answers(std::begin(kAnswers), std::end(kAnswers));
    Shrink(w());
    const std::map<std::string, std::string> files = fs.files;

    const int first = GetParam() * kSequencesPerShard;
    for (int seed = first; seed < first + kSequencesPerShard; ++seed) {
        Restart();
        fs.files = files;  // a save may have replaced a damaged file
        t.box.shown.clear();
        t.input.asked.clear();
        t.printer.calls.clear();
        t.clipboard.images.clear();
        const std::string log =
            testing::RunSequence(unsigned(seed), 6, commands, answers, dialogAnswers, t);
        SCOPED_TRACE(log);
        ASSERT_TRUE(AllFinite(s().P));
        for (const ParamArray* col : {&s().ProfileCol2, &s().ProfileCol3, &s().ProfileCol4,
                                      &s().ProfileCol5, &s().ProfileCol6})
            ASSERT_TRUE(AllFinite(*col));
        ASSERT_TRUE(AllFinite(s().W));
        ASSERT_TRUE(AllFinite(std::array{s().PeakAcc, s().PeakVel, s().PeakDisp}));
        ASSERT_NO_FATAL_FAILURE(ExpectSavedFileReopensToTheSameState());
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, PropertyTest, ::testing::Range(0, kShards));

}  // namespace
}  // namespace vib::shock::app
