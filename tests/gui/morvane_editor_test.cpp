// Morvane's profile editor, New Profile and the profile file commands, with scripted
// boxes and dialogs and an in-memory file system.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "morvane_fixture.h"
#include "platform/memory_file_system.h"
#include "random/app/profile_editor.h"
#include "random/checks.h"
#include "random/spectrum.h"
#include "tests/support/scripted_services.h"

namespace vib::random::app {
namespace {

class MorvaneEditorTest : public MorvaneFixture {
  protected:
    QTableWidget* Grid() { return w().Editor()->findChild<QTableWidget*>("Grid1"); }
    QString Cell(int r, int c) { return Grid()->item(r, c)->text(); }
    void Press(const char* button) { w().Editor()->findChild<QPushButton*>(button)->click(); }
    // Selects a cell, types into the edit box and accepts, as a user does.
    void Enter(int r, int c, const QString& text) {
        Grid()->setCurrentCell(r, c);
        w().Editor()->findChild<QLineEdit*>("Text1")->setText(text);
        Press("cmdAccept");
    }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& b : t.box.shown) texts.push_back(b.text);
        return texts;
    }
};

TEST_F(MorvaneEditorTest, LoadsTheModelIntoTheGrid) {
    Trigger("mnuProfileModify");
    ProfileEditor* editor = w().Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), "frmProfile");
    EXPECT_EQ(editor->windowTitle(), "Modify Profile");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(Grid()->rowCount(), 51);
    EXPECT_EQ(Grid()->columnCount(), 5);
    EXPECT_EQ(Cell(0, 1), "  FREQ.-Hz.");
    EXPECT_EQ(Cell(0, 4), "  COMMENTS");
    EXPECT_EQ(Cell(7, 0), "7  ");
    EXPECT_EQ(Cell(2, 1), "100  ");
    EXPECT_EQ(Cell(1, 2), "0.001  ");
    EXPECT_EQ(Cell(1, 3), "6  ");
    EXPECT_EQ(Cell(1, 4), " English units ");
    EXPECT_EQ(Cell(2, 4), " ( G^2/Hz. )");
    EXPECT_EQ(Cell(3, 4), "  ");
    EXPECT_EQ(Grid()->currentRow(), 1);
    EXPECT_EQ(Grid()->currentColumn(), 1);
    EXPECT_EQ(editor->findChild<QPushButton*>("cmdAccept")->text(), " Accept Value");
    EXPECT_EQ(editor->findChild<QPushButton*>("cmdCancel")->text(), "  Close");
    EXPECT_TRUE(editor->findChild<QLabel*>("Label1")->text().startsWith("  Select And Enter"));
    // Accept right away puts row 50's comment text into row 1, column 1.
    Press("cmdAccept");
    EXPECT_EQ(Cell(1, 1), "    ");
}

TEST_F(MorvaneEditorTest, DecimalCommaRepairAndLeadingNumbers) {
    Trigger("mnuProfileModify");
    Enter(1, 2, "0,04");
    EXPECT_EQ(Cell(1, 2), "0.04  ");
    Enter(2, 1, "1,000");         // the comma is a decimal point: 1, not 1000
    Enter(3, 2, "0.00000000,5");  // a comma at position 11 stays and ends the number
    EXPECT_EQ(Cell(3, 2), "0.00000000,5  ");
    Press("cmdUpdate");
    EXPECT_EQ(s().Asd[1], 0.04f);
    EXPECT_EQ(s().Freq[2], 1.0f);
    EXPECT_EQ(s().Asd[3], 0.0f);
}

TEST_F(MorvaneEditorTest, LowFrequencyWarning) {
    Trigger("mnuProfileModify");
    Press("cmdUpdate");
    EXPECT_TRUE(t.box.shown.empty());  // 0.001 against 0.1
    Enter(1, 2, "0.05");               // exactly 6 dB below passes
    Press("cmdUpdate");
    EXPECT_TRUE(t.box.shown.empty());
    Enter(1, 2, "0.06");
    Press("cmdUpdate");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text.rfind("Warning: For best results", 0), 0u);
    EXPECT_EQ(t.box.shown[0].title, "Profile Setup Parameters");
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(s().Asd[1], 0.06f);  // the update goes on
}

TEST_F(MorvaneEditorTest, CommentsAndTheEndOfTheProfile) {
    Trigger("mnuProfileModify");
    Enter(3, 4, "knee");
    Enter(3, 1, "");
    Press("cmdUpdate");
    EXPECT_EQ(s().Comment[1], "");  // the unit captions are no comments
    EXPECT_EQ(s().Comment[2], "");
    EXPECT_EQ(s().Comment[3], "knee");
    EXPECT_EQ(s().Comment[4], "");
    EXPECT_EQ(s().Freq[3], 0.0f);  // rows 4 and later still hold values, but the profile ends
    EXPECT_EQ(s().Freq[4], 2000.0f);
    EXPECT_EQ(s().Spectrum[100], 1e-6f);
    // A load and an update give the comments back as they were.
    Press("cmdCancel");
    QCoreApplication::processEvents();
    EXPECT_EQ(w().Editor(), nullptr);
    Trigger("mnuProfileModify");
    Press("cmdUpdate");
    EXPECT_EQ(s().Comment[3], "knee");
    EXPECT_EQ(s().Comment[4], "");
}

// Return in the edit box accepts as the button does; a long status line wraps inside the
// window instead of widening it; the line under the instructions names the slopes.
TEST_F(MorvaneEditorTest, ReturnLongStatusAndTheSlopeLine) {
    Trigger("mnuProfileModify");
    ProfileEditor* editor = w().Editor();
    auto* text1 = editor->findChild<QLineEdit*>("Text1");
    Grid()->setCurrentCell(2, 1);
    text1->setText("123.456789");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(text1, &enter);
    EXPECT_EQ(Cell(2, 1), "123.456789  ");

    const int width = editor->width();
    Enter(1, 1, "10.1234567");
    Enter(2, 1, "100.123456");
    Enter(2, 2, "0.123456789");
    Enter(1, 2, "0.000123456789");
    Grid()->setCurrentCell(2, 1);
    const QString status = editor->findChild<QLabel*>("lblSegmentStatus")->text();
    ASSERT_GT(QFontMetrics(editor->font()).horizontalAdvance(status), width)
        << status.toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(editor->width(), width);
    EXPECT_LE(editor->minimumSizeHint().width(), width);

    const QString label = editor->findChild<QLabel*>("Label1")->text();
    EXPECT_TRUE(label.startsWith(QString(kEditorInstructions) + "\n"));
    EXPECT_TRUE(label.contains("+3 dB/oct"));
}

TEST_F(MorvaneEditorTest, OneInstanceBroughtForwardWithoutReloading) {
    Trigger("mnuProfileModify");
    ProfileEditor* first = w().Editor();
    Enter(5, 1, "3000");
    Trigger("mnuProfileModify");
    EXPECT_EQ(w().Editor(), first);
    EXPECT_EQ(Cell(5, 1), "3000  ");
}

// A command that changes the breakpoints or the units underneath an open editor loads
// the grid afresh, so Update never writes back another profile or another unit system;
// one that leaves them alone keeps what was typed.
TEST_F(MorvaneEditorTest, OpenEditorFollowsTheModel) {
    Trigger("mnuProfileModify");
    Enter(6, 1, "3000");
    Trigger("mnuProfileFreq1000");  // breakpoints untouched: the typing stays
    EXPECT_EQ(Cell(6, 1), "3000  ");
    Trigger("mnuProfileFreq2000");
    const float gref = s().Gref;

    Trigger("mnuSystemUnitsMetric");
    EXPECT_EQ(Cell(6, 1), "0  ");
    EXPECT_EQ(Cell(2, 2), "9.616  ");
    EXPECT_EQ(Cell(1, 4), " Metric Units ) ");
    EXPECT_EQ(Cell(2, 4), "( M^2/S^3 )");
    Press("cmdUpdate");
    EXPECT_NEAR(s().Gref, gref, gref * 5e-4);  // not read as (m/s^2)^2/Hz a second time
    EXPECT_EQ(s().Comment[2], "");

    Trigger("mnuSystemUnitsHybrid");
    EXPECT_EQ(Cell(2, 4), " ( G^2/Hz. )");  // Hybrid levels are G^2/Hz

    Enter(3, 2, "0.5");  // typed, then replaced by New Profile's flat profile
    Trigger("mnuFileNew");
    EXPECT_EQ(Cell(2, 1), "2000  ");
    EXPECT_EQ(Cell(3, 1), "0  ");
    Press("cmdUpdate");
    EXPECT_EQ(s().Freq[3], 0.0f);
    EXPECT_EQ(s().Asd[2], 0.001f);

    t.input.answers = {"3"};
    Trigger("mnuTestAbortLimits");
    EXPECT_EQ(Cell(1, 3), "3  ");

    t.files.answers = {"/p/a.prf"};
    Trigger("mnuFileSaveProfile");
    Enter(2, 1, "1500");
    Press("cmdUpdate");
    Enter(2, 1, "1800");  // typed, then replaced by the file opened
    t.files.answers = {"/p/a.prf"};
    Trigger("mnuFileOpenProfile");
    EXPECT_EQ(Cell(2, 1), "2000  ");
}

TEST_F(MorvaneEditorTest, TestLevelBoxesAfterUpdate) {
    Trigger("mnuProfileModify");
    Enter(1, 1, "4");
    Press("cmdUpdate");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsgFreqTooLow});
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::None);
    EXPECT_EQ(t.box.shown[0].title, "");
    t.box.shown.clear();
    Enter(1, 1, "5");
    Enter(4, 1, "2000.5");
    Press("cmdUpdate");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsgFreqTooHigh});
    t.box.shown.clear();
    Enter(4, 1, "2000");
    s().Params[prm::MaxA] = 7.9f;
    Press("cmdUpdate");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kMsgAccOverLimit});
    t.box.shown.clear();
    s().Params[prm::MaxA] = s().Gref;  // equality passes
    Press("cmdUpdate");
    EXPECT_TRUE(t.box.shown.empty());
}

// A profile that does not rise is kept, as a stored file must stay readable, and the box
// names its first point that does not, after an update and after opening it.
TEST_F(MorvaneEditorTest, APointThatDoesNotRiseIsNamedInABox) {
    Trigger("mnuProfileModify");
    Enter(3, 1, "50");
    Press("cmdUpdate");
    const std::string expected = NotRisingMessage(s());
    EXPECT_EQ(expected.rfind("Point 3 (50 Hz) does not rise above point 2 (100 Hz)", 0), 0u);
    ASSERT_FALSE(t.box.shown.empty());
    EXPECT_EQ(t.box.shown[0].text, expected);
    EXPECT_EQ(t.box.shown[0].title, kProfileSetupTitle);
    EXPECT_EQ(s().Freq[3], 50.0f);

    t.files.answers = {"/p/falls.prf"};
    Trigger("mnuFileSaveProfile");
    Trigger("mnuFileNew");
    t.box.shown.clear();
    t.files.answers = {"/p/falls.prf"};
    Trigger("mnuFileOpenProfile");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{expected});
}

TEST_F(MorvaneEditorTest, UnusablePointsAreReportedAndNeverReachTheLabels) {
    Trigger("mnuProfileModify");
    Enter(2, 2, "0");
    Enter(3, 2, "-0.1");
    Enter(4, 3, "1e99");
    Press("cmdUpdate");
    ASSERT_FALSE(t.box.shown.empty());
    const std::string& text = t.box.shown[0].text;
    EXPECT_NE(text.find("Point 2:"), std::string::npos) << text;
    EXPECT_NE(text.find("Point 3:"), std::string::npos);
    EXPECT_NE(text.find("Point 4: the abort limit is too large"), std::string::npos);
    EXPECT_EQ(s().AbortDb[4], 0.0f);
    for (const char* label : {"lblDref", "lblVref", "lblAref"}) {
        const QString shown = w().findChild<QLabel*>(label)->text();
        EXPECT_FALSE(shown.contains("NaN") || shown.contains("Inf")) << shown.toStdString();
    }
}

// Levels whose results would overflow are not taken over: such a profile could be saved
// but never opened again.
TEST_F(MorvaneEditorTest, LevelsWithResultsBeyondAnyNumberAreNotTakenOver) {
    Trigger("mnuProfileModify");
    const RandomState before = s();
    Enter(2, 2, "3.4E38");
    Enter(3, 2, "3.4E38");
    Press("cmdUpdate");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, kResultsTooLarge);
    EXPECT_EQ(s().Asd, before.Asd);
    EXPECT_EQ(s().Gref, before.Gref);
    EXPECT_EQ(Cell(2, 2), "3.4E38  ");  // kept in the grid to be mended
}

TEST_F(MorvaneEditorTest, NewProfileShowsTheEditorWithAFlatProfile) {
    s().Comment[1] = "kept";
    s().TestTitle = "Bracket test 7";
    s().ProfileName = "/p/bracket.prf";
    Trigger("mnuViewRefresh");
    const std::string oldAref = Text("lblAref");
    Trigger("mnuFileNew");
    // Recomputed and redrawn: the flat 0.001 G^2/Hz from 10 to 2000 Hz gives 1.41 G rms,
    // under the title and name of a new profile.
    EXPECT_NEAR(s().Gref, 1.41, 0.005);
    EXPECT_NE(Text("lblAref"), oldAref);
    EXPECT_NE(Text("lblAref").find("1.41"), std::string::npos) << Text("lblAref");
    EXPECT_EQ(Text("lblTestTitle"), kStartTitle);
    EXPECT_EQ(s().ProfileName, " DEFAULT PROFILE");
    ASSERT_NE(w().Editor(), nullptr);
    EXPECT_EQ(s().Freq[1], 10.0f);
    EXPECT_EQ(s().Freq[2], 2000.0f);
    EXPECT_EQ(s().Freq[3], 0.0f);
    EXPECT_EQ(Cell(2, 1), "2000  ");
    EXPECT_EQ(s().Comment[1], "kept");
}

TEST_F(MorvaneEditorTest, SaveAndOpenThroughTheCommands) {
    s().Params[prm::UnitsIndex] = 1;
    s().Params[prm::RangeIndex] = 2;
    s().Asd[2] = 9.616f;
    s().TestTitle = "Bracket test 7";
    t.files.answers = {"/p/test.prf"};
    Trigger("mnuFileSaveProfile");
    ASSERT_EQ(t.files.saved.size(), 1u);
    EXPECT_EQ(t.files.saved[0].title, "QTR-8 Save Profile");
    EXPECT_EQ(
        t.files.saved[0].filter,
        "All Profiles (QTRFileR.*)|QTRFileR.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*");
    EXPECT_EQ(t.files.saved[0].filterIndex, 1);
    EXPECT_EQ(t.files.saved[0].fileName, "QTRFileR.*");
    ASSERT_TRUE(files.files.count("/p/test.prf"));

    // A fresh program opens it and shows the same settings, title and numbers.
    testing::TestServices t2(&files);
    MorvaneProgram second{t2.services};
    second.Start();
    t2.files.answers = {"/p/test.prf"};
    second.Window().findChild<QAction*>("mnuFileOpenProfile")->trigger();
    EXPECT_EQ(t2.files.opened[0].title, "QTR-8 Open Profile");
    EXPECT_EQ(second.State().Params[prm::UnitsIndex], 1);
    EXPECT_TRUE(second.Window().Checked("mnuProfileFreq1000"));
    EXPECT_TRUE(second.Window().Checked("mnuSystemUnitsMetric"));
    EXPECT_EQ(second.State().Asd[2], 9.616f);
    EXPECT_EQ(second.Window().Label("lblTestTitle")->text(), "Bracket test 7");
    EXPECT_EQ(second.State().ProfileName, "/p/test.prf");
    RandomState expected = s();
    RecomputeModel(expected);
    EXPECT_EQ(second.State().Gref, expected.Gref);
    EXPECT_EQ(second.State().Spectrum, expected.Spectrum);
}

TEST_F(MorvaneEditorTest, CancelAndExeQuestion) {
    const RandomState before = s();
    Trigger("mnuFileOpenProfile");  // no answer queued: Cancel changes nothing
    Trigger("mnuFileSaveProfile");
    Trigger("mnuViewRefresh");
    EXPECT_EQ(s().ProfileName, " DEFAULT PROFILE");
    EXPECT_EQ(Text("lblProfile"), "   DEFAULT PROFILE");
    EXPECT_EQ(s().Params, before.Params);
    EXPECT_EQ(s().Freq, before.Freq);
    EXPECT_TRUE(files.files.empty());

    // A name without an extension is saved as a .prf, and the label names it at once.
    t.files.answers = {"/p/s1"};
    Trigger("mnuFileSaveProfile");
    EXPECT_TRUE(files.files.count("/p/s1.prf"));
    EXPECT_EQ(Text("lblProfile"), "  s1.prf");
    files.files.clear();

    t.files.answers = {"/p/run.ExE"};
    t.box.answers = {BoxAnswer::No};
    Trigger("mnuFileSaveProfile");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(
        t.box.shown[0].text,
        "You have chosen EXE as the file extension; do you want to continue to save this file?");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Stop);
    EXPECT_TRUE(files.files.empty());
    t.files.answers = {"/p/exe.prf"};  // EXE earlier in the name asks nothing
    Trigger("mnuFileSaveProfile");
    EXPECT_EQ(t.box.shown.size(), 1u);
    EXPECT_TRUE(files.files.count("/p/exe.prf"));
}

TEST_F(MorvaneEditorTest, UnreadableFilesShowTheErrorBoxAndChangeNothing) {
    s().ProfileName = "/p/old.prf";
    const RandomState before = s();
    files.files["/p/short.prf"] = "1,2,3,4,5,6,\"x\"\r\n";
    t.files.answers = {"/p/short.prf"};
    t.box.answers = {BoxAnswer::Retry, BoxAnswer::Cancel};
    Trigger("mnuFileOpenProfile");
    ASSERT_EQ(t.box.shown.size(), 2u);  // Retry read the file again and failed again
    EXPECT_EQ(t.box.shown[0].text, "Input past end of file");
    EXPECT_EQ(t.box.shown[0].title, "Error #  62 Occured");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(t.box.shown[0].detail.rfind("record 2, field 1", 0), 0u) << t.box.shown[0].detail;
    EXPECT_EQ(s().Params, before.Params);
    EXPECT_EQ(s().Freq, before.Freq);
    EXPECT_EQ(s().ProfileName, "/p/old.prf");

    // What the box says under its text: where the file went wrong and what was found.
    t.box.shown.clear();
    files.files["/p/word.prf"] = "1,2,3,abc,5,6,\"x\"\r\n";
    t.files.answers = {"/p/word.prf"};
    Trigger("mnuFileOpenProfile");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, "Type mismatch");
    EXPECT_EQ(t.box.shown[0].detail, "record 1, field 4: \"abc\" is not a number");

    t.box.shown.clear();
    t.files.answers = {"/p/missing.prf"};
    Trigger("mnuFileOpenProfile");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, "File not found");
    EXPECT_EQ(t.box.shown[0].title, "Error #  53 Occured");

    // A failed save keeps the old file.
    files.files["/p/keep.prf"] = "old";
    files.failNextWrite = 61;
    t.box.shown.clear();
    t.files.answers = {"/p/keep.prf"};
    Trigger("mnuFileSaveProfile");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].title, "Error #  61 Occured");
    EXPECT_EQ(files.files["/p/keep.prf"], "old");
}

}  // namespace
}  // namespace vib::random::app

namespace vib::random::app {
namespace {

// Every file of the seed corpus through the window's Open command: damaged files show
// the error box once and change nothing, good files open without a box.
using MorvaneCorpus = MorvaneFixture;

TEST_F(MorvaneCorpus, DamagedFilesShowTheBoxAndChangeNothing) {
    const std::filesystem::path folder = std::filesystem::path(VIB_TEST_DATA) / "corpus" / "random";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const bool bad = name.rfind("bad-", 0) == 0;
        const bool good = name.rfind("ok-", 0) == 0;
        if (!bad && !good) continue;
        ++files;
        LocalFileSystem disk;
        testing::TestServices u(&disk);
        MorvaneProgram other{u.services};
        other.Start();
        const RandomState before = other.State();
        u.files.answers = {entry.path().string()};
        other.Window().findChild<QAction*>("mnuFileOpenProfile")->trigger();
        if (bad) {
            ASSERT_EQ(u.box.shown.size(), 1u) << name;
            EXPECT_EQ(u.box.shown[0].buttons, BoxButtons::RetryCancel) << name;
            EXPECT_EQ(u.box.shown[0].title.rfind("Error # ", 0), 0u) << name;
            EXPECT_EQ(other.State().Params, before.Params) << name;
            EXPECT_EQ(other.State().Freq, before.Freq) << name;
            EXPECT_EQ(other.State().Gref, before.Gref) << name;
        } else {
            EXPECT_TRUE(u.box.shown.empty()) << name;
            EXPECT_EQ(other.State().ProfileName, entry.path().string());
        }
        for (const char* label : {"lblDref", "lblVref", "lblAref"}) {
            const QString text = other.Window().Label(label)->text();
            EXPECT_FALSE(text.contains("NaN") || text.contains("Inf")) << name;
        }
    }
    EXPECT_GT(files, 10);
}

}  // namespace
}  // namespace vib::random::app
