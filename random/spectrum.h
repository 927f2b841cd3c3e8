#pragma once
// The line spectrum of the breakpoint profile and the three results a shaker must meet.

#include <string>

#include "model.h"

namespace vib::random {

// RangeFactor, Spectrum (100 x sqrt(ASD in G^2/Hz) per line, 1e-6 where no segment
// reaches), LineAbortDb and StartLine.
//
// A breakpoint of the active profile whose frequency or ASD is 0, negative or not finite
// has no logarithm: a segment with such an end covers no line, so its lines keep the
// floor and 0 dB, and no NaN or infinity can reach the results.
void ComputeSpectrum(RandomState& s);

// Gref (G rms), Vref (in/s, three-sigma peak) and Dref (mils peak-to-peak, three-sigma)
// from lines 1 to LineCount - 1.
void ComputeResults(RandomState& s);

// The computing part of a recompute: SetupLines, ComputeSpectrum, ComputeResults. The
// window adds its menu checkmarks before and its redraw after.
void RecomputeModel(RandomState& s);

// True when the results (and the line spacing behind them) are finite numbers: a
// profile whose levels overflow them can be neither shown nor saved and opened again.
bool ResultsFinite(const RandomState& s);

// True when the breakpoint at `entry` has a usable frequency and ASD (both finite and
// above 0); the editor uses it to tell the user which rows cannot be drawn.
bool BreakpointUsable(const RandomState& s, int entry);

// Number of breakpoints in the active profile: entries 1.. up to the first entry k+1
// (k = 1..50) whose frequency is exactly 0.
int ActiveBreakpoints(const RandomState& s);

// The first breakpoint of the active profile whose frequency does not rise above the
// one before it (both above 0), 0 where they all rise: such a segment covers no line,
// and the one after it overlays the segments before.
int FirstNotRising(const RandomState& s);

// The message that names that breakpoint, for the window and the batch tool; empty
// where they all rise.
std::string NotRisingMessage(const RandomState& s);

}  // namespace vib::random
