#pragma once
// The profile editor's rules, apart from its widgets: what the grid shows, how a typed
// value is repaired and read, and how the whole table is taken over into the model.

#include <array>
#include <string>
#include <vector>

#include "model.h"

namespace vib::random {

inline constexpr int kGridRows = 51;    // header row and 50 breakpoints
inline constexpr int kGridColumns = 5;  // header column, frequency, ASD, abort, comment
using EditorGrid = std::array<std::array<std::string, kGridColumns>, kGridRows>;

inline constexpr const char* kEditorCaption = "Modify Profile";
inline constexpr const char* kLowFrequencyWarning =
    "Warning: For best results and to minimize displacement the ASD level of the first point "
    "should be at least 6 db below that of the second point. Specify two initial points one "
    "line-width apart ( 5 Hertz on the 2 Khz range ) to give a low-frequency cutoff.";
inline constexpr const char* kProfileSetupTitle = "Profile Setup Parameters";
inline constexpr const char* kResultsTooLarge =
    "The ASD levels of this profile give results too large for any number; the table was not "
    "taken over. Lower the largest levels and update again.";
extern const char* const kEditorInstructions;

// The grid as loaded from the model: headers, row numbers, numbers in the locale's form
// and comments, each followed by two blanks; the unit texts in rows 1 and 2 of column 4.
EditorGrid LoadEditorGrid(const RandomState& s, char decimal);

// What of the model the grid shows: when any of it changes while the editor is open,
// the grid is loaded afresh, so Update can never write back another profile's values or
// values of another unit system.
struct EditorSource {
    float units = 0;
    std::array<float, kGridRows> freq{}, asd{}, abortDb{};
    std::array<std::string, kGridRows> comment;
};
EditorSource SourceOf(const RandomState& s);
// True while the model still holds what `e` recorded; compared in place, as every
// redraw asks.
bool StillShows(const EditorSource& e, const RandomState& s);

// Every "," among the first ten characters becomes "."; the rest stays as typed.
std::string DecimalCommaRepair(const std::string& text);

// A row whose breakpoint cannot be drawn on log-log axes, or a value beyond the
// single-precision range, with what was done about it.
struct UnusableRow {
    int row;
    std::string problem;
};

// Takes rows 1 to 50 over into Freq, Asd, AbortDb and Comment. Values too large for a
// single-precision number are stored as 0; rows of the active profile whose frequency
// or ASD is 0 or below are reported, as their segments cover no line.
std::vector<UnusableRow> TakeOverEditorGrid(const EditorGrid& grid, RandomState& s);

// The text of the box that tells the user about those rows.
std::string UnusableRowsMessage(const std::vector<UnusableRow>& rows);

// True when the first ASD level is not at least 6 dB below the second.
bool NeedsLowFrequencyWarning(const RandomState& s);

}  // namespace vib::random
