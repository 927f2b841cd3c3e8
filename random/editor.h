#pragma once
// The profile editor's rules, apart from its widgets: what the grid shows, how a typed
// value is repaired and read, and how the whole table is taken over into the model.

#include <array>
#include <optional>
#include <string>
#include <string_view>
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
// The line under the instructions: the editor works slopes out itself.
extern const char* const kEditorSlopeHint;

// The grid as loaded from the model: headers, row numbers, numbers in the locale's form
// and comments, each followed by two blanks; the unit texts in rows 1 and 2 of column 4.
EditorGrid LoadEditorGrid(const RandomState& s, char decimal);

// True for the unit captions rows 1 and 2 show in place of their comments, in any unit
// system, whatever blanks follow them.
bool IsUnitCaption(std::string_view cell);
// The comment a cell of the comments column holds: its text less the two blanks the grid
// adds to every cell it shows, so a load and an update give the comment back unchanged.
std::string CommentOfCell(std::string_view cell);

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

// True when clipboard text holds more than one field, as a spreadsheet copies a block of
// cells: a tab, or more than one line. One line end after a single value does not count.
bool IsClipboardBlock(std::string_view text);
// A single value from the clipboard as the edit box takes it: without its line end.
std::string ClipboardValue(std::string_view text);

// Every "," among the first ten characters becomes "."; the rest stays as typed.
std::string DecimalCommaRepair(const std::string& text);

// A cell's number as Update reads it: the decimal-comma repair, the leading-number rule,
// stored in single precision.
float CellValue(const std::string& text);

// A number as a cell shows it when the program writes it (a level worked out from a
// slope, a pasted value): the shortest text that reads back to the same single value,
// with the locale's decimal separator, and the grid's two blanks.
std::string CellNumberText(float value, char decimal);

// A slope from the previous breakpoint: a number followed by "dB/oct", blanks around
// and between optional, any letter case, sign optional ("+3 dB/oct", "-6db/oct"); read
// after the decimal-comma repair. Nothing for any other text.
std::optional<double> ParseSlope(std::string_view text);

// The level a slope gives at `freq` from the breakpoint before it:
// previous x 10^(slope x log2(freq / previousFreq) / 10), in single precision.
float LevelFromSlope(float previousAsd, float previousFreq, float freq, double slopeDb);

// A row whose breakpoint cannot be drawn on log-log axes, or a value beyond the
// single-precision range, with what was done about it.
struct UnusableRow {
    int row;
    std::string problem;
};

// Takes rows 1 to 50 over into Freq, Asd, AbortDb and Comment (a unit caption in rows 1
// and 2 keeps the comment it stands for). Values too large for a
// single-precision number are stored as 0; rows of the active profile whose frequency
// or ASD is 0 or below are reported, as their segments cover no line.
std::vector<UnusableRow> TakeOverEditorGrid(const EditorGrid& grid, RandomState& s);

// Turns every slope in the ASD column of rows 1 to `rows` into the level it gives, in
// row order, so a slope may follow a level that was itself a slope; the cell then shows
// the level. The first row whose slope has no usable point before it (row 1, a level
// or frequency of 0 or below, no frequency on the row itself) stops it, with the grid
// unchanged from that row on.
std::optional<UnusableRow> ResolveSlopes(EditorGrid& grid, char decimal,
                                         int rows = kEditableEntries);
std::string SlopeProblemMessage(const UnusableRow& row);

// The status line under the grid for the selected row, from the grid's texts as they
// stand: the segment that ends at the row (its slope in dB/oct and its own G rms), the
// G rms of the profile up to the row, and the exact G rms of the whole profile, in the
// results' unit (m/s^2 with Metric units).
std::string SegmentStatus(const EditorGrid& grid, int row, std::optional<Units> units,
                          char decimal);

// The text of the box that tells the user about those rows.
std::string UnusableRowsMessage(const std::vector<UnusableRow>& rows);

// True when the first ASD level is not at least 6 dB below the second.
bool NeedsLowFrequencyWarning(const RandomState& s);

}  // namespace vib::random
