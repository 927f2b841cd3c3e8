#pragma once
// Breakpoint lists as spreadsheets hold them: a block of rows pasted into the editor's
// grid, a CSV file imported into the profile or written from it, and the batch tool's
// --points list. One reader serves all three, so each gives the same model.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor.h"
#include "platform/numbers.h"

namespace vib::random {

inline constexpr const char* kBreakpointCsvHeader = "frequency_hz,asd,abort_db,comment";

// One row of the block as the grid's cell texts, by grid column (1 frequency, 2 ASD,
// 3 abort limit, 4 comment); a column the block does not reach is empty (nothing).
// Numbers are in the grid's own form (CellNumberText), a slope as "<number> dB/oct".
using TableRow = std::array<std::optional<std::string>, kGridColumns>;

struct BreakpointTable {
    std::vector<TableRow> rows;
    std::string problem;  // empty when the whole block was read
};

// Where the text comes from: a spreadsheet's clipboard copy of one column has no
// separator at all, so in a decimal-comma locale a block without tabs and semicolons is
// one column; a file is a CSV file and may be comma-separated in any locale.
enum class TableSource { Clipboard, File };

// Reads `text` into rows whose first field lands in grid column `firstColumn` (1..4);
// fields past the comments column are dropped. The separator is a tab where any line has
// one, else a semicolon where every line has one, else a comma; fields may be quoted as CSV
// quotes them. Numbers take "." or "," as decimal point; a thousands group is read only
// where nothing else is possible (both marks, one mark several times, blanks), and a
// single mark before exactly three digits ("1.000") as the rest of the list writes its
// decimals, or refused naming both readings. Empty lines, and lines before the first row
// of numbers (headers), are skipped. A frequency or level that is missing, not a number or
// not above 0, a frequency not above the row before, or any number beyond single
// precision, stops the reading with a problem naming the line (and no rows); an empty
// abort limit takes `defaultAbortDb`, or stays empty without one (Import then
// takes the profile's own default). A UTF-8 byte order mark is dropped; text that is
// not UTF-8 is read as the profile files' code page. `locale` and `source` only tell
// whether a clipboard block without tabs and semicolons is one decimal-comma column.
BreakpointTable ReadBreakpointTable(std::string_view text, int firstColumn, NumberLocale locale,
                                    char gridDecimal, std::optional<float> defaultAbortDb,
                                    TableSource source);

// Takes a list that starts at the frequency column over into entries 1..n of the
// profile (levels from slopes worked out as Update does), and ends the profile after
// them: entries n+1..50 get frequency and level 0, their abort limits and comments stay.
// Returns what is wrong with the list (more than 50 rows, fewer than 2, a slope without a
// point before it), leaving `s` unchanged then; empty on success.
std::string ImportBreakpoints(const std::vector<TableRow>& rows, RandomState& s);

// The active profile as CSV: the header line, then frequency, level in the profile's
// own unit, abort limit and comment per breakpoint, each number the shortest text that
// reads back to the same single value, with a fourth decimal where three would read as a
// thousands group too (26.3750); UTF-8, CR LF line ends.
std::string BreakpointCsv(const RandomState& s);

// The selected cells of the grid as a spreadsheet takes them: tab-separated, one line a
// row, the grid's two trailing blanks dropped.
std::string CopiedCells(const EditorGrid& grid, int top, int left, int bottom, int right);

}  // namespace vib::random
