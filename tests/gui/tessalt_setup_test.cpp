// The Shock Setup commands and Manual Mode Steps with scripted input boxes.
#include "shock/app/pulse_setup.h"
#include "shock/synthesis.h"
#include "tessalt_fixture.h"

namespace vib::shock::app {
namespace {

class SetupTest : public TessaltTest {
  protected:
    // Runs a command with one scripted answer.
    void Answer(const char* item, const std::string& answer) {
        t.input.answers = {answer};
        Trigger(item);
    }
    // The boxes of the commands, without the limit boxes their redraws may add.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> out;
        for (const testing::ShownBox& b : t.box.shown)
            if (b.text.find("> System") == std::string::npos) out.push_back(b.text);
        return out;
    }
    float P(int k) { return s().P[static_cast<std::size_t>(k)]; }
};

TEST_F(SetupTest, AmplitudeBoundsPromptsAndRedraw) {
    Answer("mnuShockAmplitude", "0.4");
    ASSERT_EQ(t.input.asked.size(), 1u);
    EXPECT_EQ(t.input.asked[0].prompt, "Enter Shock Pulse Amplitude in G-peak");
    EXPECT_EQ(t.input.asked[0].title, "Setup Shock Pulse");
    EXPECT_EQ(t.input.asked[0].proposed, "15");
    Answer("mnuShockAmplitude", "250");
    ASSERT_EQ(t.box.shown.size(), 2u);
    for (const testing::ShownBox& b : t.box.shown) {
        EXPECT_EQ(b.text, " The Number must be between 0.5 and 200.");
        EXPECT_EQ(b.title, " Out Of Bounds");
        EXPECT_EQ(b.buttons, BoxButtons::Ok);
        EXPECT_EQ(b.icon, BoxIcon::None);
    }
    EXPECT_EQ(P(param::kAmplitude), 15.0f);

    for (const char* nothing : {"", "abc", "12x"}) Answer("mnuShockAmplitude", nothing);
    t.input.answers.clear();
    Trigger("mnuShockAmplitude");  // Cancel
    EXPECT_EQ(P(param::kAmplitude), 15.0f);
    EXPECT_EQ(t.box.shown.size(), 2u);

    Trigger("mnuViewSRS");
    Answer("mnuShockAmplitude", "0.5");
    EXPECT_EQ(P(param::kAmplitude), 0.5f);
    EXPECT_TRUE(w().Checked("mnuViewTest"));  // switched on like a recompute does
    EXPECT_FALSE(w().Checked("mnuViewSRS"));
    Answer("mnuShockAmplitude", "200");
    EXPECT_EQ(P(param::kAmplitude), 200.0f);
    EXPECT_EQ(s().Aeff, 200.0f);
    EXPECT_EQ(Text("lblAref").substr(0, 12), " Gref = 199.");
}

TEST_F(SetupTest, ResponseSpectrumQKeptInEntry88WithinItsBounds) {
    for (const char* q : {"0.4", "100.5"}) Answer("mnuViewResponseQ", q);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, " The Number must be between 0.5 and 100."));
    EXPECT_EQ(t.box.shown.back().title, " Out Of Bounds");
    EXPECT_EQ(P(88), 0.0f);
    EXPECT_EQ(t.input.asked[0].proposed, "10");  // 0 reads as 10
    Answer("mnuViewResponseQ", "25");
    EXPECT_EQ(P(88), 25.0f);
    Answer("mnuViewResponseQ", "0.5");
    EXPECT_EQ(P(88), 0.5f);
}

TEST_F(SetupTest, MetricAmplitudeHasTheBoundsConvertedFromG) {
    // An amplitude converted from G is offered and accepted as it stands.
    for (const char* g : {"42", "200", "0.5"}) {
        Trigger("mnuSystemUnitsEnglish");
        Answer("mnuShockAmplitude", g);
        Trigger("mnuSystemUnitsMetric");
        const float converted = P(param::kAmplitude);
        t.input.answers.clear();
        Trigger("mnuShockAmplitude");
        Answer("mnuShockAmplitude", t.input.asked.back().proposed);
        EXPECT_EQ(P(param::kAmplitude), converted) << g;
    }
    EXPECT_TRUE(BoxTexts().empty());
    for (const char* ms2 : {"4.9", "1961.5"}) Answer("mnuShockAmplitude", ms2);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>(2, " The Number must be between 4.9035 and 1961.4."));
    EXPECT_EQ(t.box.shown.back().title, " Out Of Bounds");
    Answer("mnuShockAmplitude", "4.9035");
    EXPECT_EQ(P(param::kAmplitude), 4.9035f);
    Answer("mnuShockAmplitude", "300");  // far above 200 G's bound in m/s^2: accepted
    EXPECT_EQ(P(param::kAmplitude), 300.0f);
    Trigger("mnuSystemUnitsHybrid");
    Answer("mnuShockAmplitude", "201");
    EXPECT_EQ(BoxTexts().back(), " The Number must be between 0.5 and 200.");
}

TEST_F(SetupTest, AmplitudePromptFollowsUnitsAndHybridAsksInG) {
    Trigger("mnuSystemUnitsMetric");
    Answer("mnuShockAmplitude", "100");
    EXPECT_EQ(t.input.asked.back().prompt, "Enter Shock Pulse Amplitude in M/Sec^2");
    EXPECT_EQ(P(param::kAmplitude), 100.0f);
    Trigger("mnuSystemUnitsHybrid");
    Answer("mnuShockAmplitude", "20");
    EXPECT_EQ(t.input.asked.back().prompt, "Enter Shock Pulse Amplitude in G-peak");
    EXPECT_EQ(P(param::kAmplitude), 20.0f);
    EXPECT_EQ(s().Aeff, 20.0f);
    EXPECT_EQ(Text("lblAref"), " Gref = 19.99 G-PK ");
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(SetupTest, DurationTimeEdgesSetRateAndRebuildThePulse) {
    Answer("mnuShockDurationTime", "0.5");
    EXPECT_EQ(t.input.asked[0].prompt, "Shock Pulse Duration In Msec.");
    EXPECT_EQ(t.input.asked[0].title, "Setup Shock Pulse");
    EXPECT_EQ(t.input.asked[0].proposed, "10");
    EXPECT_EQ(P(param::kRateIndex), 4.0f);
    EXPECT_EQ(s().RATEF, 8.0f);
    EXPECT_FLOAT_EQ(s().N, 5.12f);
    Answer("mnuShockDurationTime", "100");
    EXPECT_EQ(P(param::kRateIndex), 1.0f);
    EXPECT_FLOAT_EQ(s().N, 128.0f);
    Answer("mnuShockDurationTime", "101");
    Answer("mnuShockDurationTime", "0.4");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, " The Number must be between 0.5 and 100."));
    EXPECT_EQ(P(param::kDurationMs), 100.0f);
    EXPECT_EQ(t.box.shown.back().title, " Out Of Bounds");
}

TEST_F(SetupTest, RateTableRowsAndTheClosedGaps) {
    const struct {
        const char* ms;
        float index;
    } rows[] = {{"4.99", 4},  {"5", 3},      {"19.99", 3}, {"19.995", 3}, {"20", 2},
                {"39.99", 2}, {"39.995", 2}, {"40", 1},    {"12", 3},     {"3", 4}};
    for (const auto& row : rows) {
        Answer("mnuShockDurationTime", row.ms);
        EXPECT_EQ(P(param::kRateIndex), row.index) << row.ms;
        // Every accepted duration rebuilds the pulse at its rate.
        EXPECT_EQ(s().N, StoreSingle(P(param::kDurationMs) * 1.28 * s().RATEF)) << row.ms;
    }
    // The table's row ends are Single values.
    EXPECT_EQ(RateIndexFor(19.99f), 3);
    EXPECT_EQ(RateIndexFor(std::nextafter(19.99f, 20.0f)), 3);
    EXPECT_EQ(RateIndexFor(std::nextafter(20.0f, 0.0f)), 3);
    EXPECT_EQ(RateIndexFor(std::nextafter(40.0f, 0.0f)), 2);
    EXPECT_EQ(RateIndexFor(std::nextafter(5.0f, 0.0f)), 4);
}

TEST_F(SetupTest, FrequencyEntryNotesInOrder) {
    Answer("mnuShockDurationFreq", "50");
    EXPECT_EQ(t.input.asked[0].prompt, "Shock Pulse Duration Entered In Hertz");
    EXPECT_EQ(t.input.asked[0].proposed, "50");
    EXPECT_TRUE(t.box.shown.empty());
    EXPECT_EQ(P(param::kDurationMs), 10.0f);
    EXPECT_EQ(P(param::kRateIndex), 3.0f);

    Answer("mnuShockDurationFreq", "25");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kLowFrequencyNote});
    EXPECT_EQ(t.box.shown[0].title, "");
    EXPECT_EQ(P(param::kDurationMs), 20.0f);
    EXPECT_EQ(s().RATEF, 2.0f);

    t.box.shown.clear();
    Answer("mnuShockDurationFreq", "600");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kShortPulseNote, kBelowOneMsNote}));
    EXPECT_FLOAT_EQ(P(param::kDurationMs), 500.0f / 600.0f);
    EXPECT_EQ(s().RATEF, 8.0f);

    t.box.shown.clear();
    Answer("mnuShockDurationFreq", "2");  // refused, and still the notes
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{" The Number must be between 5 and 1000.",
                                                    kLongPulseNote, kLowFrequencyNote}));
    EXPECT_EQ(t.box.shown[0].title, " Out Of Bounds");
    EXPECT_FLOAT_EQ(P(param::kDurationMs), 500.0f / 600.0f);

    t.box.shown.clear();
    Answer("mnuShockDurationFreq", "1000");
    EXPECT_EQ(P(param::kDurationMs), 0.5f);
    Answer("mnuShockDurationFreq", "");
    EXPECT_EQ(P(param::kDurationMs), 0.5f);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kShortPulseNote, kBelowOneMsNote}));
}

TEST_F(SetupTest, AcceptingTheOfferedFrequencyKeepsTheDuration) {
    for (const char* ms : {"10", "3", "7.3", "0.7"}) {
        Answer("mnuShockDurationTime", ms);
        const float before = P(param::kDurationMs);
        t.input.answers.clear();
        Trigger("mnuShockDurationFreq");
        Answer("mnuShockDurationFreq", t.input.asked.back().proposed);
        EXPECT_EQ(P(param::kDurationMs), before) << ms;
    }
}

TEST_F(SetupTest, SineBurstFromAFrequencyIsTwiceAsFast) {
    Trigger("mnuShockShapeSineBurst");
    Answer("mnuShockDurationFreq", "100");
    EXPECT_EQ(P(param::kShape), CodeOf(Shape::SineBurst));
    EXPECT_EQ(P(param::kDurationMs), 5.0f);  // one cycle of a 200 Hz sine
    EXPECT_EQ(P(param::kRateIndex), 3.0f);
}

TEST_F(SetupTest, ShapesAreRadioItemsAndCustomStandsApart) {
    const struct {
        const char* item;
        float code;
    } shapes[] = {{"mnuShockShapeHalfsine", 1}, {"mnuShockShapeTPSaw", 2},
                  {"mnuShockShapeIPSaw", 3},    {"mnuShockShapeTriangle", 4},
                  {"mnuShockShapeTrap", 5},     {"mnuShockShapeQuarter", 6},
                  {"mnuShockShapeCusp", 7},     {"mnuShockShapeSineBurst", 8}};
    for (const auto& shape : shapes) {
        Trigger(shape.item);
        EXPECT_EQ(P(param::kShape), shape.code);
        for (const auto& other : shapes)
            EXPECT_EQ(w().Checked(other.item), &other == &shape) << other.item;
        EXPECT_EQ(s().CompLevel, AutoCompLevel(ShapeOf(shape.code)));
    }
    t.files.answers = {std::nullopt};
    Trigger("mnuShockShapeCustom");
    Trigger("mnuShockShapeCusp");
    EXPECT_TRUE(w().Checked("mnuShockShapeCusp"));
    EXPECT_FALSE(w().Checked("mnuShockShapeCustom"));
    EXPECT_FALSE(w().Checked("mnuShockShapeSineBurst"));
}

TEST_F(SetupTest, PolarityAndCompensationModeRedrawInTheViewShown) {
    t.clock.time = "10:07";
    Trigger("mnuShockPolarityNeg");
    EXPECT_EQ(P(param::kPolarity), 2.0f);
    EXPECT_TRUE(w().Checked("mnuShockPolarityNeg"));
    EXPECT_FALSE(w().Checked("mnuShockPolarityPos"));
    EXPECT_EQ(Text("lblTime"), " 10:07");
    Trigger("mnuShockPolarityPos");
    EXPECT_EQ(P(param::kPolarity), 1.0f);
    EXPECT_TRUE(w().Checked("mnuShockPolarityPos"));
    EXPECT_FALSE(w().Checked("mnuShockPolarityNeg"));

    // Manual levels of 13 % against the automatic 16.7 %: the results change at once.
    const std::string dref = Text("lblDref");
    Trigger("mnuShockCompAuto");
    Trigger("mnuShockCompManual");
    EXPECT_NE(Text("lblDref"), dref);
    Trigger("mnuShockCompAuto");
    EXPECT_EQ(Text("lblDref"), dref);

    Trigger("mnuViewSRS");  // the spectrum stays the view shown
    Trigger("mnuShockCompManual");
    EXPECT_TRUE(w().Checked("mnuViewSRS"));
    EXPECT_FALSE(w().Checked("mnuViewTest"));
}

TEST_F(SetupTest, CompensationModesAndTheirLevels) {
    Trigger("mnuShockCompManual");
    EXPECT_EQ(P(param::kCompMode), 1.0f);
    EXPECT_EQ(P(param::kPreLevel), 16.7f);  // levels of at least 1 stay
    EXPECT_TRUE(w().Checked("mnuShockCompManual"));
    EXPECT_FALSE(w().Checked("mnuShockCompAuto"));

    Trigger("mnuShockCompAuto");
    EXPECT_EQ(P(param::kCompMode), 0.0f);
    EXPECT_EQ(P(param::kPreLevel), 13.0f);
    EXPECT_EQ(P(param::kPostLevel), 13.0f);
    Trigger("mnuShockCompManual");
    EXPECT_EQ(P(param::kPreLevel), 13.0f);
    EXPECT_EQ(P(param::kPostLevel), 13.0f);

    s().P[param::kPreLevel] = 0.5f;
    Trigger("mnuShockCompManual");
    EXPECT_EQ(P(param::kPreLevel), 13.0f);

    // The synthesis runs at once: W follows the mode before any redraw.
    const SampleArray manual = s().W;
    Trigger("mnuShockCompAuto");
    EXPECT_NE(s().W, manual);
}

TEST_F(SetupTest, LevelCommandsOfferTheShapesAutomaticLevel) {
    Answer("mnuShockCompLevelsPre", "30");
    EXPECT_EQ(t.input.asked[0].prompt,
              "Shock Pulse Pre-compensation Pulse In %; the default value is 16.7.");
    EXPECT_EQ(t.input.asked[0].title, "Setup Shock Pulse");
    EXPECT_EQ(t.input.asked[0].proposed, "16.7");
    Answer("mnuShockCompLevelsPost", "0.5");
    EXPECT_EQ(t.input.asked[1].prompt,
              "Shock Pulse Post-compensation Pulse In %; the default value is 16.7.");
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>(
                  2, " The Number must be between 1 and 25; the default value is 16.7."));
    EXPECT_EQ(t.box.shown[1].title, " Out Of Bounds");
    EXPECT_EQ(P(param::kPreLevel), 16.7f);
    EXPECT_EQ(P(param::kPostLevel), 16.7f);

    Trigger("mnuShockCompManual");
    const SampleArray before = s().W;
    Answer("mnuShockCompLevelsPre", "25");
    Answer("mnuShockCompLevelsPost", "1");
    EXPECT_EQ(P(param::kPreLevel), 25.0f);
    EXPECT_EQ(P(param::kPostLevel), 1.0f);
    EXPECT_NE(s().W, before);  // recomputed with the manual levels

    const struct {
        const char* shape;
        const char* offer;
    } offers[] = {{"mnuShockShapeTrap", "23.58"},
                  {"mnuShockShapeCusp", "8.5"},
                  {"mnuShockShapeTriangle", "13.1"},
                  {"mnuShockShapeQuarter", "16.7"}};
    for (const auto& o : offers) {
        Trigger(o.shape);
        Answer("mnuShockCompLevelsPost", "");
        EXPECT_EQ(t.input.asked.back().proposed, o.offer) << o.shape;
    }
    EXPECT_EQ(P(param::kPostLevel), 1.0f);  // the manual level is kept, not the offer
}

TEST_F(SetupTest, ManualStepsNeverOfferZeroAndKeepOnlyPositiveNumbers) {
    s().P[kManualStepEntry] = 0;
    Answer("mnuSystemManualSteps", "-1");
    EXPECT_EQ(t.input.asked[0].prompt, " Enter the Manual Mode Level step size multiplier");
    EXPECT_EQ(t.input.asked[0].title, " Setup Manual Mode stepsize");
    EXPECT_EQ(t.input.asked[0].proposed, "0.1");
    EXPECT_EQ(P(kManualStepEntry), 0.1f);
    Answer("mnuSystemManualSteps", "0");
    EXPECT_EQ(P(kManualStepEntry), 0.1f);
    Answer("mnuSystemManualSteps", "0.25");
    EXPECT_EQ(P(kManualStepEntry), 0.25f);
    Answer("mnuSystemManualSteps", "1E39");  // infinite in single precision: no number
    EXPECT_EQ(P(kManualStepEntry), 0.25f);
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(SetupTest, NumbersAreReadInTheUsersLocale) {
    t.services.locale = kDecimalCommaLocale;
    Answer("mnuShockDurationTime", "12,5");
    EXPECT_EQ(P(param::kDurationMs), 12.5f);
    Answer("mnuShockDurationTime", "");
    EXPECT_EQ(t.input.asked.back().proposed, "12,5");
}

}  // namespace
}  // namespace vib::shock::app
