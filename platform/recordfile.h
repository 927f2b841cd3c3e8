#pragma once
// The comma-separated record file that both calculators' profiles use: 100 records of
// six numbers and a quoted note, then up to five quoted text lines. The same reader
// takes custom waveshapes (a run of numbers).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "files.h"

namespace vib {

struct ProfileRecords {
    static constexpr int kRecords = 100;
    static constexpr int kNumbers = 6;
    static constexpr int kTrailer = 5;

    // Index 1..100 is record 1..100; index 0 is never stored.
    std::array<std::array<float, kNumbers>, kRecords + 1> numbers{};
    std::array<std::string, kRecords + 1> notes;
    std::array<std::string, kTrailer> trailer;
    int trailerCount = 0;  // after a read: how many trailer strings the file held
};

// The file's bytes: CR LF line ends, Windows-1252 text, "." decimals whatever the locale,
// every number written so that it reads back to the same float. Quotes and line breaks
// inside a text cannot be stored, so they are replaced (by ' and a blank) rather than
// let them shift every field after them. A value that is not finite cannot be written:
// Overflow (6).
FileError EncodeRecords(const ProfileRecords& records, std::string& bytes);

// Reads field by field, commas and line ends both separating; CR LF or LF. Fewer than
// 100 records: Input past end of file (62); a numeric field that is not a number: Type
// mismatch (13). The trailer strings are read while the file has more.
FileError DecodeRecords(std::string_view bytes, ProfileRecords& records);

// Reads `count` numbers with the same field syntax; anything after them is ignored.
FileError DecodeNumbers(std::string_view bytes, std::size_t count, std::vector<float>& values);

// Which calculator a profile's records look like they came from. Both write the same
// layout. A random profile holds 600 in record 1 and its breakpoints (frequency and level
// in fields 2 and 4), an abort level and a carried 3 in fields 2 to 6; a shock profile
// holds its pulse shape code, 1 to 9, in record 1, and only the values it carries for
// other programs in fields 2 to 6. Only both signs together name a kind, so an odd file
// of either kind stays Unknown.
enum class ProfileKind { Unknown, Random, Shock };
ProfileKind LooksLike(const ProfileRecords& records);

// Refuses a profile that looks like the other kind than `wanted` (Random or Shock) as a
// Type mismatch (13) whose detail names the kind and what opens it; no error otherwise.
FileError CheckProfileKind(const ProfileRecords& records, ProfileKind wanted);

// Whole-file helpers over a FileSystem.
FileError ReadRecordFile(FileSystem& fs, const std::string& path, ProfileRecords& records);
FileError WriteRecordFile(FileSystem& fs, const std::string& path, const ProfileRecords& records);

}  // namespace vib
