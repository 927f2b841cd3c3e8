#pragma once
// Morvane's own object names; the shared ones come from the shell, so names::X finds both.

#include "shell/names.h"

namespace vib::random::app::names {

using namespace shell::names;

inline constexpr char Grid1[] = "Grid1";
inline constexpr char Label1[] = "Label1";
inline constexpr char Label14[] = "Label14";
inline constexpr char Text1[] = "Text1";
inline constexpr char cmdAccept[] = "cmdAccept";
inline constexpr char cmdCancel[] = "cmdCancel";
inline constexpr char cmdUpdate[] = "cmdUpdate";
inline constexpr char frmMVR[] = "frmMVR";
inline constexpr char frmProfile[] = "frmProfile";
inline constexpr char lblComp[] = "lblComp";
inline constexpr char lblInst[] = "lblInst";
inline constexpr char lblSegmentStatus[] = "lblSegmentStatus";
inline constexpr char mnuFileNew[] = "mnuFileNew";
inline constexpr char mnuProfile[] = "mnuProfile";
inline constexpr char mnuProfileFreq[] = "mnuProfileFreq";
inline constexpr char mnuProfileFreq1000[] = "mnuProfileFreq1000";
inline constexpr char mnuProfileFreq2000[] = "mnuProfileFreq2000";
inline constexpr char mnuProfileFreq250[] = "mnuProfileFreq250";
inline constexpr char mnuProfileFreq4000[] = "mnuProfileFreq4000";
inline constexpr char mnuProfileFreq500[] = "mnuProfileFreq500";
inline constexpr char mnuProfileLines[] = "mnuProfileLines";
inline constexpr char mnuProfileLines1600[] = "mnuProfileLines1600";
inline constexpr char mnuProfileLines200[] = "mnuProfileLines200";
inline constexpr char mnuProfileLines400[] = "mnuProfileLines400";
inline constexpr char mnuProfileLines800[] = "mnuProfileLines800";
inline constexpr char mnuProfileModify[] = "mnuProfileModify";
inline constexpr char mnuTestAbort[] = "mnuTestAbort";
inline constexpr char mnuTestAbortLimits[] = "mnuTestAbortLimits";
inline constexpr char mnuToolsCopyClipboard[] = "mnuToolsCopyClipboard";
inline constexpr char mnuToolsExportBreakpoints[] = "mnuToolsExportBreakpoints";
inline constexpr char mnuToolsImportBreakpoints[] = "mnuToolsImportBreakpoints";
inline constexpr char mnuViewResponse[] = "mnuViewResponse";
inline constexpr char mnuViewYaxisMax[] = "mnuViewYaxisMax";
inline constexpr char mnuViewYaxisMin[] = "mnuViewYaxisMin";
inline constexpr char mnuViewYmax1[] = "mnuViewYmax1";
inline constexpr char mnuViewYmax10[] = "mnuViewYmax10";
inline constexpr char mnuViewYmax100[] = "mnuViewYmax100";
inline constexpr char mnuViewYmax1x10[] = "mnuViewYmax1x10";
inline constexpr char mnuViewYmax1x100[] = "mnuViewYmax1x100";
inline constexpr char mnuViewYmin1x100[] = "mnuViewYmin1x100";
inline constexpr char mnuViewYmin1x1000[] = "mnuViewYmin1x1000";
inline constexpr char mnuViewYmin1x10000[] = "mnuViewYmin1x10000";
inline constexpr char mnuViewYmin1x100000[] = "mnuViewYmin1x100000";
inline constexpr char mnuViewYmin1x1000000[] = "mnuViewYmin1x1000000";

}  // namespace vib::random::app::names
