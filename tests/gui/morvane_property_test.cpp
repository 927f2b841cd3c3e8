// Whatever the user does and answers, Morvane holds only finite numbers, and Save
// Profile writes a file that opens to the same state: thousands of seeded random command
// sequences through the window, with hostile answers and hostile profiles.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>
#include <random>

#include "command_sequences.h"
#include "morvane_fixture.h"
#include "random/app/profile_editor.h"
#include "random/profile_file.h"

namespace vib::random::app {
namespace {

const testing::Answers kAnswers = {"1E39", "-1E39",      "3.4E38", "-3.4E38", "0",
                                   "1.5",  "abc",        "",       "2",       "1e-45",
                                   "-6",   "1E+0000001", "12",     "1,000.5", std::nullopt};
// The profiles the open dialog may name, the one each check saves among them.
const testing::Answers kFiles = {"/p/edge.prf",  "/p/start.prf", "/p/damaged.prf",
                                 "/p/check.prf", "/p/run.exe",   std::nullopt};

class MorvaneProperty : public MorvaneFixture {
  protected:
    void SetUp() override {
        MorvaneFixture::SetUp();
        // A small window without the abort lines keeps thousands of redraws quick; the
        // drawing stores nothing.
        Trigger("mnuViewAbort");
        w().setWindowState(Qt::WindowNoState);
        w().resize(320, 240);
        QCoreApplication::processEvents();
        // Profiles to open: one at the edge of the single-precision range, whose next
        // unit switch would overflow, and one damaged on its last record.
        RandomState edge = s();
        edge.Param(prm::MaxA) = 3.4e38f;
        edge.Param(prm::MaxV) = 3e38f;
        edge.Asd[2] = edge.Asd[3] = 1e20f;
        EXPECT_FALSE(SaveRandomProfile(files, "/p/edge.prf", "EDGE", edge));
        EXPECT_FALSE(SaveRandomProfile(files, "/p/start.prf", "START", s()));
        std::string damaged = files.files["/p/start.prf"];
        damaged.resize(damaged.size() * 9 / 10);
        files.files["/p/damaged.prf"] = damaged;
    }

    // Every menu command, the zoom and refresh keys, and edits taken over in the editor.
    std::vector<testing::Command> Commands() {
        std::vector<testing::Command> out = testing::MenuCommands(w());
        for (char key : std::string("XxYyZzJ"))
            out.push_back({std::string("key ") + key, [this, key] { Key(key); }});
        out.push_back({"editor update", [this] { EditAndUpdate(); }});
        return out;
    }

    void EditAndUpdate() {
        Trigger("mnuProfileModify");
        ProfileEditor* editor = w().Editor();
        auto* grid = editor->findChild<QTableWidget*>("Grid1");
        for (int n = int(rng() % 3); n >= 0; --n) {
            grid->setCurrentCell(1 + int(rng() % 5), 1 + int(rng() % 3));
            const auto& text = kAnswers[rng() % kAnswers.size()];
            editor->findChild<QLineEdit*>("Text1")->setText(
                QString::fromStdString(text.value_or("")));
            editor->findChild<QPushButton*>("cmdAccept")->click();
        }
        editor->findChild<QPushButton*>("cmdUpdate")->click();
    }

    // Every stored number is finite, and the profile saved now opens to the same state.
    void CheckProperty() {
        const RandomState& now = s();
        for (int k = 0; k < kTableSize; ++k) {
            const auto i = static_cast<std::size_t>(k);
            for (float v : {now.Params[i], now.Freq[i], now.Asd[i], now.AbortDb[i],
                            now.Reserved1[i], now.Reserved2[i]})
                ASSERT_TRUE(std::isfinite(v)) << "entry " << k;
        }
        t.box.shown.clear();
        t.files.answers = {"/p/check.prf"};
        Trigger("mnuFileSaveProfile");
        ASSERT_TRUE(t.box.shown.empty()) << t.box.shown[0].title << " " << t.box.shown[0].detail;
        RandomState back;
        InitDefaults(back);
        const FileError reopened = OpenRandomProfile(files, "/p/check.prf", "", back);
        ASSERT_FALSE(reopened) << reopened.description << " " << reopened.detail;
        for (int k = 1; k < kTableSize; ++k) {
            const auto i = static_cast<std::size_t>(k);
            ASSERT_EQ(back.Params[i], now.Params[i]) << "entry " << k;
            ASSERT_EQ(back.Freq[i], now.Freq[i]) << k;
            ASSERT_EQ(back.Asd[i], now.Asd[i]) << k;
            ASSERT_EQ(back.AbortDb[i], now.AbortDb[i]) << k;
            ASSERT_EQ(back.Comment[i], now.Comment[i]) << k;
        }
        ASSERT_EQ(back.TestTitle, Text("lblTestTitle"));
        ASSERT_EQ(back.SubTitle1, now.SubTitle1);
    }

    std::mt19937 rng{20261209};
};

TEST_F(MorvaneProperty, StoredValuesStayFiniteAndSavedProfilesReopenWhole) {
    const std::vector<testing::Command> commands = Commands();
    for (int sequence = 0; sequence < 3000; ++sequence) {
        const std::string log =
            testing::RunSequence(unsigned(sequence), 2, commands, kAnswers, kFiles, t);
        SCOPED_TRACE(log);
        CheckProperty();
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace vib::random::app
