#pragma once
// The batch tool's error lines. A file name or a file's text may hold escape sequences,
// line breaks or megabytes of junk; what reaches standard error is one line that cannot
// drive the terminal.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace vib::cli {

inline constexpr std::size_t kNoLimit = std::string_view::npos;
inline constexpr std::size_t kExcerptLimit = 80;

// `text` made safe to print within one line: control characters (C0, DEL, C1), bytes
// that are not part of valid UTF-8, and the characters that break or reorder a line
// (U+2028, U+2029, the bidirectional controls) are shown as \xNN, one per byte. Past
// `limit` characters the middle gives way to "...", so the start and the end remain.
std::string SafeText(std::string_view text, std::size_t limit = kNoLimit);

// "vibcalc: FILE: DESCRIPTION (error N): record R, field F: EXCERPT", leaving out what
// the error does not have; the excerpt from the file is cut to kExcerptLimit.
std::string FileErrorLine(const std::string& path, const FileError& e);

// The record and field an error names ("record R, field F" at the start of its detail,
// after the file's own name); 0 for what it does not name.
struct ErrorPlace {
    int record = 0, field = 0;
};
ErrorPlace PlaceOf(const std::string& path, const FileError& e);

// "vibcalc: FILE: TEXT" for failures that carry no error number.
std::string ProblemLine(const std::string& path, const std::string& text);

}  // namespace vib::cli
