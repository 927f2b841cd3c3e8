#pragma once
// Random profile files without the dialogs: the field mapping onto the shared record
// file, open into a copy that is taken over only when the whole file was good, and save.

#include <string>

#include "model.h"
#include "platform/files.h"
#include "platform/recordfile.h"

namespace vib::random {

// Record k holds Params[k], Freq[k], Reserved1[k], Asd[k], AbortDb[k], Reserved2[k] and
// Comment[k]; the trailer holds `caption` (the title on screen), FileText1, FileText2,
// SubTitle1 and SubTitle2. Params entries 84 to 87, which the original layout leaves at 0,
// carry the force check's moving masses and rated force (platform/force.h).
ProfileRecords ToRecords(const RandomState& s, const std::string& caption);

// Takes records over; trailer strings the file did not hold keep their current values.
void FromRecords(const ProfileRecords& records, RandomState& s);

// Reads the file at `path` and recomputes. `caption` is the title on screen, kept as the
// title when the file has none. On success s.TestTitle holds the title for the screen.
// On failure `s` is exactly as it was. A file whose settings or levels would drive the
// results to infinity or NaN is refused too (Overflow), since such a test cannot be shown
// or checked. A profile that looks like a shock profile is refused as a Type mismatch
// (13) that names Tessalt (platform/recordfile.h).
FileError OpenRandomProfile(FileSystem& fs, const std::string& path, const std::string& caption,
                            RandomState& s);

// TestTitle becomes `caption`, then the whole file is written, replacing an old one only
// when complete.
FileError SaveRandomProfile(FileSystem& fs, const std::string& path, const std::string& caption,
                            RandomState& s);

}  // namespace vib::random
