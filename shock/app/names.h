#pragma once
// Tessalt's own object names; the shared ones come from the shell, so names::X finds both.

#include "shell/names.h"

namespace vib::shock::app::names {

using namespace shell::names;

inline constexpr char Timer1[] = "Timer1";
inline constexpr char frmTSL[] = "frmTSL";
inline constexpr char lblAbort[] = "lblAbort";
inline constexpr char lblStatus[] = "lblStatus";
inline constexpr char lblXaxis[] = "lblXaxis";
inline constexpr char mnuShock[] = "mnuShock";
inline constexpr char mnuShockAmplitude[] = "mnuShockAmplitude";
inline constexpr char mnuShockComp[] = "mnuShockComp";
inline constexpr char mnuShockCompAuto[] = "mnuShockCompAuto";
inline constexpr char mnuShockCompLevels[] = "mnuShockCompLevels";
inline constexpr char mnuShockCompLevelsPost[] = "mnuShockCompLevelsPost";
inline constexpr char mnuShockCompLevelsPre[] = "mnuShockCompLevelsPre";
inline constexpr char mnuShockCompManual[] = "mnuShockCompManual";
inline constexpr char mnuShockDuration[] = "mnuShockDuration";
inline constexpr char mnuShockDurationFreq[] = "mnuShockDurationFreq";
inline constexpr char mnuShockDurationTime[] = "mnuShockDurationTime";
inline constexpr char mnuShockPolarity[] = "mnuShockPolarity";
inline constexpr char mnuShockPolarityNeg[] = "mnuShockPolarityNeg";
inline constexpr char mnuShockPolarityPos[] = "mnuShockPolarityPos";
inline constexpr char mnuShockShape[] = "mnuShockShape";
inline constexpr char mnuShockShapeCusp[] = "mnuShockShapeCusp";
inline constexpr char mnuShockShapeCustom[] = "mnuShockShapeCustom";
inline constexpr char mnuShockShapeHalfsine[] = "mnuShockShapeHalfsine";
inline constexpr char mnuShockShapeIPSaw[] = "mnuShockShapeIPSaw";
inline constexpr char mnuShockShapeQuarter[] = "mnuShockShapeQuarter";
inline constexpr char mnuShockShapeSineBurst[] = "mnuShockShapeSineBurst";
inline constexpr char mnuShockShapeTPSaw[] = "mnuShockShapeTPSaw";
inline constexpr char mnuShockShapeTrap[] = "mnuShockShapeTrap";
inline constexpr char mnuShockShapeTriangle[] = "mnuShockShapeTriangle";
inline constexpr char mnuSystemManualSteps[] = "mnuSystemManualSteps";
inline constexpr char mnuToolsCopyData[] = "mnuToolsCopyData";
inline constexpr char mnuViewAcc[] = "mnuViewAcc";
inline constexpr char mnuViewDisp[] = "mnuViewDisp";
inline constexpr char mnuViewResponse[] = "mnuViewResponse";
inline constexpr char mnuViewResponseQ[] = "mnuViewResponseQ";
inline constexpr char mnuViewSRS[] = "mnuViewSRS";
inline constexpr char mnuViewTest[] = "mnuViewTest";
inline constexpr char mnuViewVel[] = "mnuViewVel";
inline constexpr char mnuViewYaxisIn[] = "mnuViewYaxisIn";
inline constexpr char mnuViewYaxisOut[] = "mnuViewYaxisOut";
inline constexpr char spnXaxis[] = "spnXaxis";
inline constexpr char spnYaxis[] = "spnYaxis";

}  // namespace vib::shock::app::names
