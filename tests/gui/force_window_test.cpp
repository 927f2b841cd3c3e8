// The force check through both windows with scripted boxes: the label, the box, the
// report line and vibcalc's JSON say the same of one state. The hand calculation:
// 20 + 10 + 50 lb at 8.00105 G rms need 640.1 lbf rms; 600 lbf rated is -0.56 dB.
#include <QPushButton>

#include <nlohmann/json.hpp>

#include "morvane_fixture.h"
#include "platform/force.h"
#include "random/app/profile_editor.h"
#include "random/plot.h"
#include "random/profile_file.h"
#include "random/report.h"
#include "shock/profile_file.h"
#include "shock/report.h"
#include "tessalt_fixture.h"
#include "tests/support/vibcalc_run.h"

namespace vib {
namespace {

bool Visible(QWidget& w, const char* name) {
    return w.findChild<QLabel*>(name)->isVisible();
}
bool Printed(const testing::ScriptedPrinter& p, const std::string& text) {
    return std::find(p.calls.begin(), p.calls.end(), "print:" + text) != p.calls.end();
}
// Where the page prints `text`, as fractions of the page.
std::pair<double, double> PlaceOn(const std::vector<PageText>& page, const std::string& text) {
    for (const PageText& t : page)
        if (t.text == text) return {t.x, t.y};
    return {-1, -1};
}

// The leading number of a label such as "  Force = 2847 N rms ".
double ForceIn(const std::string& label) {
    return std::stod(label.substr(label.find('=') + 1));
}

class MorvaneForce : public random::app::MorvaneFixture {};

TEST_F(MorvaneForce, LabelBoxReportAndJsonAgree) {
    w().show();
    EXPECT_FALSE(Visible(w(), "lblForce"));  // no mass: the window as it always was
    t.input.answers = {"20", "10", "50", "600"};
    Trigger("mnuSystemMovingMass");
    Trigger("mnuSystemMaxForce");
    // The rated force below the need warns at once, with the label.
    const std::string exceeded = " Test Force 640 lbf rms > System Force Limit 600 lbf rms ";
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, exceeded);
    EXPECT_TRUE(Visible(w(), "lblForce"));
    EXPECT_EQ(Text("lblForce"), "  Force = 640 lbf rms ");

    // Update checks: the force box comes after the limit boxes.
    Trigger("mnuProfileModify");
    w().Editor()->findChild<QPushButton*>("cmdUpdate")->click();
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown.back().text, exceeded);

    Trigger("mnuFilePrint");
    const std::string line = "Moving mass 20 + 10 + 50 lb, force 640 lbf rms of 600 (-0.56 dB)";
    EXPECT_TRUE(Printed(t.printer, line));
    const auto screen = random::ScreenOf(s(), '.', {});
    EXPECT_EQ(PlaceOn(random::ReportTexts(s(), random::ReportInputsOf(s(), screen, "", '.')), line),
              std::make_pair(0.175, 0.855));

    ASSERT_FALSE(random::SaveRandomProfile(files, "force.prf", s().TestTitle, s()));
    const auto j = nlohmann::json::parse(testing::RunVibcalc({"random", "force.prf"}, &files).out);
    EXPECT_NEAR(j["force"]["required_lbf"].get<double>(), 80 * 8.00105, 0.01);
    EXPECT_NEAR(j["force"]["headroom_db"].get<double>(), -0.5617, 1e-3);
    EXPECT_EQ(j["messages"].back(), exceeded);

    // The same test in Metric: N, within 0.1 % of 640.1 lbf x 4.448.
    Trigger("mnuSystemUnitsMetric");
    EXPECT_NEAR(ForceIn(Text("lblForce")), 80 * 8.00105 * 4.448, 0.001 * 2847);
    EXPECT_NE(Text("lblForce").find(" N rms "), std::string::npos);
}

// The four entries are numbers in the written layout's param column and nothing else:
// a build that knows nothing of them reads every written value as it was.
TEST_F(MorvaneForce, MassesTouchOnlyTheirFourParameterEntries) {
    ASSERT_FALSE(random::SaveRandomProfile(files, "plain.prf", s().TestTitle, s()));
    t.input.answers = {"20", "10", "50", "600"};
    Trigger("mnuSystemMovingMass");
    Trigger("mnuSystemMaxForce");
    ASSERT_FALSE(random::SaveRandomProfile(files, "mass.prf", s().TestTitle, s()));
    ProfileRecords plain, mass;
    ASSERT_FALSE(ReadRecordFile(files, "plain.prf", plain));
    ASSERT_FALSE(ReadRecordFile(files, "mass.prf", mass));
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        auto expected = plain.numbers[k];
        if (k >= force::kArmatureLb && k <= force::kRatedLbf)
            expected[0] = std::array<float, 4>{20, 10, 50, 600}[k - force::kArmatureLb];
        EXPECT_EQ(mass.numbers[k], expected) << "record " << k;
        EXPECT_EQ(mass.notes[k], plain.notes[k]);
    }
}

class TessaltForce : public shock::app::TessaltTest {};

TEST_F(TessaltForce, LabelBoxAndReportOfThePeakForce) {
    w().show();
    EXPECT_FALSE(Visible(w(), "lblForce"));
    EXPECT_TRUE(Visible(w(), "lblStatus"));
    t.input.answers = {"20", "10", "50", "600"};
    Trigger("mnuSystemMovingMass");
    Trigger("mnuSystemMaxForce");
    // The start-up pulse peaks at 14.9955 G: 80 lb need 1199.6 lbf, over the 600 rated,
    // which warns at once.
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text.rfind(" Test Force ", 0), 0u);
    EXPECT_EQ(Text("lblForce"), "  Force = 1200 lbf pk ");
    EXPECT_FALSE(Visible(w(), "lblStatus"));

    // A new amplitude changes the peaks, so the limit check speaks again, force last.
    t.input.answers = {"20"};
    Trigger("mnuShockAmplitude");
    ASSERT_GT(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown.back().text.rfind(" Test Force ", 0), 0u);
    EXPECT_NEAR(ForceIn(Text("lblForce")), 80 * 20 * 0.99970, 2);

    Trigger("mnuFilePrint");
    EXPECT_TRUE(Printed(t.printer, Text("lblForce")));
    shock::ReportCaptions captions;
    captions.force = Text("lblForce");
    EXPECT_EQ(PlaceOn(shock::PageTexts(s(), captions), captions.force),
              std::make_pair(0.76, 0.755));
}

class TessaltResponse : public shock::app::TessaltTest {};

// The response spectra's own window: opened and closed from the View menu, checked while
// open, following the pulse, Q and the units, with its own readout.
TEST_F(TessaltResponse, WindowFollowsThePulseQAndUnits) {
    auto* item = w().findChild<QAction*>("mnuViewResponse");
    Trigger("mnuViewResponse");
    auto* window = w().findChild<QWidget*>("frmResponse");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(window->windowTitle().toStdString(), "Maximax Shock Response Spectrum, Q = 10");

    // A click reads the nearest natural frequency; at 1917.8 Hz the oscillator follows
    // the 15 G pulse.
    auto* picture = window->findChild<QLabel*>("picResponse");
    const QPointF right(picture->width() * 0.955, picture->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, right, right, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(picture, &press);
    const std::string readout =
        window->findChild<QLabel*>("lblResponseCursor")->text().toStdString();
    EXPECT_EQ(readout.rfind("  Freq. = 1917.8 Hz, Test = 15", 0), 0u) << readout;
    Trigger("mnuViewRefresh");  // a redraw of the same pulse keeps the picture and readout
    EXPECT_EQ(window->findChild<QLabel*>("lblResponseCursor")->text().toStdString(), readout);

    t.input.answers = {"30"};
    Trigger("mnuShockAmplitude");
    t.input.answers = {"25"};
    Trigger("mnuViewResponseQ");
    EXPECT_EQ(window->windowTitle().toStdString(), "Maximax Shock Response Spectrum, Q = 25");
    QApplication::sendEvent(picture, &press);
    const std::string doubled =
        window->findChild<QLabel*>("lblResponseCursor")->text().toStdString();
    EXPECT_EQ(doubled.rfind("  Freq. = 1917.8 Hz, Test = 30", 0), 0u) << doubled;

    Trigger("mnuSystemUnitsMetric");  // 30 G = 294.2 m/s^2
    QApplication::sendEvent(picture, &press);
    EXPECT_NE(window->findChild<QLabel*>("lblResponseCursor")->text().toStdString().find("M/S^2"),
              std::string::npos);

    // While it is open the report's box shows the spectra instead of the time traces.
    Trigger("mnuFilePrint");
    EXPECT_TRUE(Printed(t.printer, "Maximax Shock Response Spectrum, Q = 25"));
    EXPECT_FALSE(Printed(t.printer, "MSEC"));

    window->close();
    EXPECT_FALSE(item->isChecked());
    Trigger("mnuViewResponse");
    EXPECT_TRUE(window->isVisible());
    Trigger("mnuViewResponse");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(item->isChecked());
}

}  // namespace
}  // namespace vib
