#include "menus.h"
#include "names.h"

#include "shell/shell_menus.h"
#include "shock/view.h"

namespace vib::shock::app {

using shell::Item;
using shell::Mark;
using shell::Separator;
using shell::Submenu;

const char* const kShapeItems[8] = {names::mnuShockShapeHalfsine, names::mnuShockShapeTPSaw,
                                    names::mnuShockShapeIPSaw,    names::mnuShockShapeTriangle,
                                    names::mnuShockShapeTrap,     names::mnuShockShapeQuarter,
                                    names::mnuShockShapeCusp,     names::mnuShockShapeSineBurst};

std::vector<shell::MenuItem> TessaltMenuTree() {
    return {
        Submenu(names::mnuFile, "&File",
                {Item(names::mnuFileOpenProfile, "&Open Profile"),
                 Item(names::mnuFileSaveProfile, "&Save Profile"), Separator(),
                 Item(names::mnuFilePrinterSetup, "Printer Setup"), shell::PrintColorMenu(),
                 Item(names::mnuFilePrint, "&Print Report"), Separator(),
                 Item(names::mnuExit, "E&xit")}),
        Submenu(names::mnuSystem, "&System",
                {shell::UnitsMenu(), shell::SeparatorsMenu(),
                 Item(names::mnuSystemManualSteps, "Manual Mode Steps"), Separator(),
                 Item(names::mnuSystemMaxD, "Max. &Displacement"),
                 Item(names::mnuSystemMaxV, "Max. &Velocity"),
                 Item(names::mnuSystemMaxA, "Max. &Acceleration"), Separator(),
                 shell::MovingMassItem(), shell::MaxForceItem()}),
        Submenu(names::mnuShock, "&Shock Setup",
                {Submenu(names::mnuShockShape, "&Pulse Shape",
                         {Item(names::mnuShockShapeHalfsine, "Half-Sine", Mark::Off),
                          Item(names::mnuShockShapeTriangle, "Triangle", Mark::Off),
                          Item(names::mnuShockShapeTrap, "Trapezoid", Mark::Off),
                          Item(names::mnuShockShapeIPSaw, "I. P. Sawtooth", Mark::Off),
                          Item(names::mnuShockShapeTPSaw, "T. P. Sawtooth", Mark::Off),
                          Item(names::mnuShockShapeQuarter, "Quarter-Sine", Mark::Off),
                          Item(names::mnuShockShapeCusp, "Parabolic Cusp", Mark::Off),
                          Item(names::mnuShockShapeSineBurst, "Sine Burst", Mark::Off),
                          Item(names::mnuShockShapeCustom, "Custom Shape", Mark::Off)}),
                 Item(names::mnuShockAmplitude, "Pulse &Amplitude"),
                 Submenu(names::mnuShockDuration, "Pulse &Duration",
                         {Item(names::mnuShockDurationTime, "Enter Time"),
                          Item(names::mnuShockDurationFreq, "Enter Frequency")}),
                 Submenu(names::mnuShockPolarity, "Polarity",
                         {Item(names::mnuShockPolarityPos, "Positive", Mark::Off),
                          Item(names::mnuShockPolarityNeg, "Negative", Mark::Off)}),
                 Submenu(names::mnuShockComp, "Compensation Mode",
                         {Item(names::mnuShockCompAuto, "Automatic Compensation", Mark::On),
                          Item(names::mnuShockCompManual, "Manual Compensation", Mark::Off)}),
                 Submenu(names::mnuShockCompLevels, "Compensation Levels",
                         {Item(names::mnuShockCompLevelsPre, "Pre-pulse Compensation"),
                          Item(names::mnuShockCompLevelsPost, "Post-pulse Compensation")})}),
        Submenu(names::mnuTest, "&Test Setup",
                {Item(names::mnuTestTitle, "&Title"), Item(names::mnuTestSubTitle1, "Sub Title #1"),
                 Item(names::mnuTestSubTitle2, "Sub Title #2"), Separator()}),
        Submenu(names::mnuView, "&View",
                {Item(names::mnuViewTest, "&Test Profile", Mark::On),
                 Item(names::mnuViewSRS, "Shock Response Spectrum", Mark::Off), Separator(),
                 Item(names::mnuViewAcc, "Acceleration", Mark::Off),
                 Item(names::mnuViewVel, "&Velocity", Mark::On),
                 Item(names::mnuViewDisp, "&Displacement", Mark::On),
                 Item(names::mnuViewAbort, "&Abort Limits", Mark::Off), Separator(),
                 Item(names::mnuViewRefresh, "&Refresh Screen       X"),
                 shell::PlotBackgroundMenu(), shell::XAxisMenu(),
                 Submenu(names::mnuViewYaxis, "&Y-Axis Scale",
                         {Item(names::mnuViewYaxisIn, "Zoom In"),
                          Item(names::mnuViewYaxisOut, "Zoom Out")}),
                 Separator(), Item(names::mnuViewResponse, "Maximax Response Spectrum", Mark::Off),
                 Item(names::mnuViewResponseQ, "Response Spectrum Q...")}),
        shell::ToolsMenu(names::mnuToolsCopyData),
        shell::HelpMenu("&About Software"),
    };
}

std::vector<std::pair<const char*, bool>> TessaltMarks(const ShockState& s) {
    std::vector<std::pair<const char*, bool>> marks;
    // The custom shape's mark is its command's alone: the standard items follow codes
    // 1 to 8, and code 9 leaves them as they are.
    if (const auto shape = s.PulseShape(); shape && shape != Shape::Custom) {
        for (int code = 1; code <= 8; ++code)
            marks.emplace_back(kShapeItems[code - 1], static_cast<int>(*shape) == code);
    }
    marks.emplace_back(names::mnuViewResponse, s.View.response);
    const float polarity = s.P[param::kPolarity];
    if (polarity == 1.0f || polarity == 2.0f) {
        marks.emplace_back(names::mnuShockPolarityPos, polarity == 1.0f);
        marks.emplace_back(names::mnuShockPolarityNeg, polarity == 2.0f);
    }
    // A profile saved with manual compensation opens with its mode ticked.
    const float mode = s.P[param::kCompMode];
    if (mode == 0.0f || mode == 1.0f) {
        marks.emplace_back(names::mnuShockCompAuto, mode == 0.0f);
        marks.emplace_back(names::mnuShockCompManual, mode == 1.0f);
    }
    marks.emplace_back(names::mnuViewDisp, TraceShown(s, kDispShown));
    marks.emplace_back(names::mnuViewVel, TraceShown(s, kVelShown));
    marks.emplace_back(names::mnuViewAcc, TraceShown(s, kAccShown));
    marks.emplace_back(names::mnuViewTest, s.View.test);
    marks.emplace_back(names::mnuViewSRS, s.View.srs);
    return marks;
}

}  // namespace vib::shock::app
