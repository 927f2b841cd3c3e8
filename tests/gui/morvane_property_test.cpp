// Whatever the user does and answers, Morvane holds only finite numbers, and Save
// Profile writes a file that opens to the same state: thousands of seeded random command
// sequences through the window, with hostile answers and hostile profiles.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>
#include <random>

#include "morvane_fixture.h"
#include "random/app/profile_editor.h"
#include "random/profile_file.h"

namespace vib::random::app {
namespace {

const char* const kAnswers[] = {"1E39", "-1E39", "3.4E38", "-3.4E38",    "0",  "1.5",     "abc",
                                "",     "2",     "1e-45",  "1E+0000001", "-6", "1,000.5", "12"};
const char* const kMenuCommands[] = {
    "mnuSystemUnitsEnglish", "mnuSystemUnitsMetric", "mnuSystemUnitsHybrid", "mnuSystemMaxA",
    "mnuSystemMaxD",         "mnuSystemMaxV",        "mnuTestAbortLimits",   "mnuProfileFreq500",
    "mnuProfileFreq4000",    "mnuProfileLines200",   "mnuProfileLines1600",  "mnuFileNew",
    "mnuViewYmax100",        "mnuViewYmin1x1000000", "mnuTestSubTitle1",     "mnuViewRefresh"};

class MorvaneProperty : public MorvaneFixture {
  protected:
    void SetUp() override {
        MorvaneFixture::SetUp();
        // Without the abort lines a redraw draws a third of the lines: thousands of
        // redraws stay quick, and the lines store nothing.
        Trigger("mnuViewAbort");
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

    std::string Answer() { return kAnswers[rng() % std::size(kAnswers)]; }

    void RandomCommand() {
        t.input.answers = {Answer()};
        switch (rng() % 6) {
            case 0:
            case 1:
                Trigger(kMenuCommands[rng() % std::size(kMenuCommands)]);
                break;
            case 2: {
                const char* const names[] = {"/p/edge.prf", "/p/start.prf", "/p/damaged.prf",
                                             "/p/check.prf"};
                t.files.answers = {std::string(names[rng() % std::size(names)])};
                Trigger("mnuFileOpenProfile");
                break;
            }
            case 3:
                EditAndUpdate();
                break;
            default:
                Key("XxYyZzJ"[rng() % 7]);
                break;
        }
        t.files.answers.clear();
    }

    void EditAndUpdate() {
        Trigger("mnuProfileModify");
        ProfileEditor* editor = w().Editor();
        auto* grid = editor->findChild<QTableWidget*>("Grid1");
        for (int n = int(rng() % 3); n >= 0; --n) {
            grid->setCurrentCell(1 + int(rng() % 5), 1 + int(rng() % 3));
            editor->findChild<QLineEdit*>("Text1")->setText(QString::fromStdString(Answer()));
            editor->findChild<QPushButton*>("cmdAccept")->click();
        }
        editor->findChild<QPushButton*>("cmdUpdate")->click();
    }

    // Every stored number is finite, and the profile saved now opens to the same state.
    void CheckProperty(int sequence) {
        const RandomState& now = s();
        for (int k = 0; k < kTableSize; ++k) {
            const auto i = static_cast<std::size_t>(k);
            for (float v : {now.Params[i], now.Freq[i], now.Asd[i], now.AbortDb[i],
                            now.Reserved1[i], now.Reserved2[i]})
                ASSERT_TRUE(std::isfinite(v)) << "sequence " << sequence << ", entry " << k;
        }
        t.box.shown.clear();
        t.files.answers = {"/p/check.prf"};
        Trigger("mnuFileSaveProfile");
        ASSERT_TRUE(t.box.shown.empty()) << "sequence " << sequence << ": " << t.box.shown[0].title
                                         << " " << t.box.shown[0].detail;
        RandomState back;
        InitDefaults(back);
        const FileError reopened = OpenRandomProfile(files, "/p/check.prf", "", back);
        ASSERT_FALSE(reopened) << "sequence " << sequence << ": " << reopened.description << " "
                               << reopened.detail;
        for (int k = 1; k < kTableSize; ++k) {
            const auto i = static_cast<std::size_t>(k);
            ASSERT_EQ(back.Params[i], now.Params[i]) << "sequence " << sequence << ", entry " << k;
            ASSERT_EQ(back.Freq[i], now.Freq[i]) << sequence;
            ASSERT_EQ(back.Asd[i], now.Asd[i]) << sequence;
            ASSERT_EQ(back.AbortDb[i], now.AbortDb[i]) << sequence;
            ASSERT_EQ(back.Comment[i], now.Comment[i]) << sequence;
        }
        ASSERT_EQ(back.TestTitle, Text("lblTestTitle"));
        ASSERT_EQ(back.SubTitle1, now.SubTitle1);
    }

    std::mt19937 rng{20261209};
};

TEST_F(MorvaneProperty, StoredValuesStayFiniteAndSavedProfilesReopenWhole) {
    for (int sequence = 0; sequence < 3000; ++sequence) {
        for (int n = 1 + int(rng() % 2); n > 0; --n) RandomCommand();
        CheckProperty(sequence);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace vib::random::app
