// Open Profile, Save Profile and Custom Shape through the window: dialogs, the error box
// with Retry, Cancel rules, and what a failure leaves.
#include "platform/recordfile.h"
#include "shock/profile_file.h"
#include "tessalt_fixture.h"

namespace vib::shock::app {
namespace {

constexpr const char* kProfileFilter =
    "All Profiles (QTRFileC.*)|QTRFileC.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*";

class FilesTest : public TessaltTest {
  protected:
    void Choose(std::optional<std::string> name) { t.files.answers = {std::move(name)}; }
    // A profile file as this program writes it, from a state changed by `edit`.
    std::string ProfileFile(const std::function<void(ShockState&)>& edit) {
        ShockState copy = s();
        edit(copy);
        std::string bytes;
        EXPECT_FALSE(EncodeRecords(ToRecords(copy), bytes));
        return bytes;
    }
    std::string Waveshape(int count, const char* value) {
        std::string out;
        for (int j = 0; j < count; ++j) out += std::string(value) + "\r\n";
        return out;
    }
};

TEST_F(FilesTest, TrapezoidSetUpSavedAndReopenedAfterARestart) {
    Trigger("mnuShockShapeTrap");
    t.input.answers = {"50", "6", "10", "20"};
    Trigger("mnuShockAmplitude");
    Trigger("mnuShockDurationTime");
    Trigger("mnuShockCompManual");
    Trigger("mnuShockCompLevelsPre");
    Trigger("mnuShockCompLevelsPost");
    Trigger("mnuShockPolarityNeg");
    Choose("/tests/QTRFileC.001");
    Trigger("mnuFileSaveProfile");
    ASSERT_EQ(t.files.saved.size(), 1u);
    EXPECT_EQ(t.files.saved[0].title, "QTR-8 Save Profile");
    EXPECT_EQ(t.files.saved[0].filter, kProfileFilter);
    EXPECT_EQ(t.files.saved[0].filterIndex, 1);
    EXPECT_EQ(t.files.saved[0].fileName, "QTRFileC.*");
    ASSERT_EQ(fs.files.count("/tests/QTRFileC.001"), 1u);
    EXPECT_EQ(s().ProfileName, "/tests/QTRFileC.001");
    Trigger("mnuViewRefresh");
    const ShockState saved = s();
    const std::string dref = Text("lblDref"), vref = Text("lblVref");

    testing::TestServices t2(&fs);
    TessaltProgram again(t2.services);
    again.Start();
    TessaltWindow& w2 = again.Window();
    t2.files.answers = {"/tests/QTRFileC.001"};
    w2.findChild<QAction*>("mnuFileOpenProfile")->trigger();
    ASSERT_EQ(t2.files.opened.size(), 1u);
    EXPECT_EQ(t2.files.opened[0].title, "QTR-8 Open Profile");
    EXPECT_EQ(t2.files.opened[0].filter,
              std::string(kProfileFilter) + "|All Profiles (QTRFileC.* *.prf)|QTRFileC.* *.prf");
    EXPECT_EQ(t2.files.opened[0].filterIndex, 4);
    EXPECT_EQ(t2.files.opened[0].fileName, "QTRFileC.*");
    const ShockState& opened = again.State();
    EXPECT_EQ(opened.P, saved.P);
    EXPECT_EQ(opened.W, saved.W);
    EXPECT_EQ(opened.P[param::kPreLevel], 10.0f);
    EXPECT_EQ(opened.P[param::kPostLevel], 20.0f);
    EXPECT_TRUE(w2.Checked("mnuShockShapeTrap"));
    EXPECT_TRUE(w2.Checked("mnuShockPolarityNeg"));
    EXPECT_FALSE(w2.Checked("mnuShockPolarityPos"));
    EXPECT_TRUE(w2.Checked("mnuShockCompManual"));
    EXPECT_FALSE(w2.Checked("mnuShockCompAuto"));
    EXPECT_EQ(w2.findChild<QLabel*>("lblDref")->text().toStdString(), dref);
    EXPECT_EQ(w2.findChild<QLabel*>("lblVref")->text().toStdString(), vref);
    EXPECT_EQ(w2.findChild<QLabel*>("lblProfile")->text().toStdString(), "QTRFileC.001");
}

TEST_F(FilesTest, OpenTakesTheTitleAndKeepsTheRateIndexOfTheFile) {
    fs.files["a.prf"] = ProfileFile([](ShockState& c) {
        c.P[param::kPolarity] = 2;
        c.P[param::kDurationMs] = 30;  // left at index 3 on purpose
        c.TestTitle = "DROP TEST 7";
        c.SubTitle1 = "fixture B";
    });
    Choose("a.prf");
    Trigger("mnuFileOpenProfile");
    EXPECT_EQ(Text("lblTestTitle"), "DROP TEST 7");
    EXPECT_EQ(s().SubTitle1, "fixture B");
    EXPECT_EQ(s().P[param::kRateIndex], 3.0f);
    EXPECT_FLOAT_EQ(s().N, 30 * 1.28f * 4);
    EXPECT_TRUE(w().Checked("mnuShockPolarityNeg"));
    EXPECT_FALSE(w().Checked("mnuShockPolarityPos"));
    for (const testing::ShownBox& b : t.box.shown) EXPECT_EQ(b.buttons, BoxButtons::Ok);
}

TEST_F(FilesTest, ProfileLabelShowsTheLastTwentyCharactersOfTheName) {
    Choose("/data/Stoß-Prüfung-Übersicht.prf");  // the last 20 bytes would cut the ü
    Trigger("mnuFileSaveProfile");
    Trigger("mnuViewRefresh");
    EXPECT_EQ(Text("lblProfile"), "rüfung-Übersicht.prf");
}

TEST_F(FilesTest, CancelledDialogsChangeNothing) {
    const auto before = s().P;
    Choose(std::nullopt);
    Trigger("mnuFileOpenProfile");
    Choose(std::nullopt);
    Trigger("mnuFileSaveProfile");
    Trigger("mnuViewRefresh");
    EXPECT_EQ(s().ProfileName, " DEFAULT PROFILE");
    EXPECT_EQ(Text("lblProfile"), " DEFAULT PROFILE");
    EXPECT_EQ(s().P, before);
    EXPECT_EQ(fs.reads + fs.writes, 0);
    EXPECT_TRUE(t.box.shown.empty());
}

// A name without an extension is saved as a .prf, so the dialog's patterns list it
// again, and the label names the saved file at once.
TEST_F(FilesTest, SaveWithoutExtensionAddsPrfAndNamesTheFile) {
    Choose("/tests/s1");
    Trigger("mnuFileSaveProfile");
    EXPECT_EQ(fs.files.count("/tests/s1.prf"), 1u);
    EXPECT_EQ(fs.files.count("/tests/s1"), 0u);
    EXPECT_EQ(Text("lblProfile"), "s1.prf");
}

TEST_F(FilesTest, ExeNameAsksFirstAndNoWritesNothing) {
    Choose("/tests/run.ExE");
    t.box.answers = {BoxAnswer::No};
    Trigger("mnuFileSaveProfile");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(
        t.box.shown[0].text,
        "You have chosen EXE as the file extension; do you want to continue to save this file?");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Stop);
    EXPECT_EQ(t.box.shown[0].title, "");
    EXPECT_EQ(fs.writes, 0);

    Choose("/tests/run.exe");
    t.box.answers = {BoxAnswer::Yes};
    Trigger("mnuFileSaveProfile");
    EXPECT_EQ(fs.files.count("/tests/run.exe"), 1u);
}

TEST_F(FilesTest, FailedOpenRetriesThenCancelChangesNothing) {
    const ShockState before = s();
    Choose("/tests/missing.prf");
    t.box.answers = {BoxAnswer::Retry, BoxAnswer::Cancel};
    Trigger("mnuFileOpenProfile");
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(fs.reads, 2);
    EXPECT_EQ(t.box.shown[0].title, "Error #  53 Occured");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(t.box.shown[0].text, ErrorDescription(53));
    EXPECT_EQ(t.box.shown[0].detail, "/tests/missing.prf");  // the box says which file
    EXPECT_EQ(s().P, before.P);
    EXPECT_EQ(s().ProfileName, before.ProfileName);
    EXPECT_EQ(s().TestTitle, before.TestTitle);
}

TEST_F(FilesTest, RetryAfterTheFileAppearsOpensIt) {
    fs.files["late.prf"] = ProfileFile([](ShockState& c) { c.P[param::kShape] = 4; });
    fs.failNextRead = err::kPermissionDenied;
    Choose("late.prf");
    t.box.answers = {BoxAnswer::Retry};
    Trigger("mnuFileOpenProfile");
    EXPECT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(s().P[param::kShape], 4.0f);
    EXPECT_TRUE(w().Checked("mnuShockShapeTriangle"));
    EXPECT_EQ(s().ProfileName, "late.prf");
}

TEST_F(FilesTest, ShortOrUncomputableProfilesAreRefused) {
    std::string bytes = ProfileFile([](ShockState&) {});
    fs.files["short.prf"] = bytes.substr(0, bytes.size() / 2);
    fs.files["zero.prf"] = ProfileFile([](ShockState& c) { c.P[param::kDurationMs] = 0; });
    const auto before = s().P;
    for (const char* name : {"short.prf", "zero.prf"}) {
        Choose(name);
        Trigger("mnuFileOpenProfile");
    }
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown[1].title, "Error #  380 Occured");
    EXPECT_EQ(s().P, before);
    EXPECT_EQ(s().ProfileName, " DEFAULT PROFILE");
}

TEST_F(FilesTest, FailedSaveKeepsTheOldFileAndName) {
    fs.files["/tests/QTRFileC.002"] = "old";
    fs.failNextWrite = err::kDiskFull;
    Choose("/tests/QTRFileC.002");
    Trigger("mnuFileSaveProfile");  // the box's default answer is Cancel
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].title, "Error #  61 Occured");
    EXPECT_EQ(fs.files["/tests/QTRFileC.002"], "old");
    EXPECT_EQ(s().ProfileName, " DEFAULT PROFILE");
}

TEST_F(FilesTest, WaveshapeOfOnesBecomesTheWholePulse) {
    fs.files["QTRWaveC.001"] = Waveshape(1024, "1.0");
    Choose("QTRWaveC.001");
    Trigger("mnuShockShapeCustom");
    ASSERT_EQ(t.files.opened.size(), 1u);
    EXPECT_EQ(t.files.opened[0].title, "QTR-8 Open Custom Waveshape");
    EXPECT_EQ(
        t.files.opened[0].filter,
        "All Waveshapes (QTRWaveC.*)|QTRWaveC.*|All WaveFiles (*.dat)|*.dat|All Files (*.*)|*.*");
    EXPECT_EQ(t.files.opened[0].filterIndex, 1);
    EXPECT_EQ(t.files.opened[0].fileName, "QTRWaveC.*");
    EXPECT_EQ(s().P[param::kShape], CodeOf(Shape::Custom));
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(s().W[i], 80.0f) << i;
    EXPECT_EQ(s().W[1024], 0.0f);
    EXPECT_EQ(s().WaveFileName, "QTRWaveC.001");
    EXPECT_TRUE(w().Checked("mnuShockShapeCustom"));
    EXPECT_FALSE(w().Checked("mnuShockShapeHalfsine"));
    EXPECT_EQ(Text("lblAref"), " Gref = 15 G-PK  ");
}

TEST_F(FilesTest, CancelledOrShortWaveshapeLeavesTheCustomShapeSelected) {
    const SampleArray pulse = s().W;
    Choose(std::nullopt);
    Trigger("mnuShockShapeCustom");
    EXPECT_EQ(s().P[param::kShape], CodeOf(Shape::Custom));
    EXPECT_TRUE(w().Checked("mnuShockShapeCustom"));
    EXPECT_FALSE(w().Checked("mnuShockShapeHalfsine"));
    EXPECT_EQ(s().W, pulse);  // rebuilt only at the next recompute

    fs.files["QTRWaveC.002"] = Waveshape(10, "0.5");
    Choose("QTRWaveC.002");
    t.box.answers = {BoxAnswer::Retry, BoxAnswer::Cancel};
    Trigger("mnuShockShapeCustom");
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(t.box.shown[0].title.substr(0, 8), "Error # ");
    EXPECT_EQ(s().CustomWave, SampleArray{});
    EXPECT_EQ(s().W, pulse);
    EXPECT_TRUE(w().Checked("mnuShockShapeCustom"));
}

}  // namespace
}  // namespace vib::shock::app
