#pragma once
// The shock profile file (the whole parameter block, the carried columns and five
// texts) and the custom waveshape file. Both read into a copy of the state that is
// taken over only when everything was read and is usable: a failed open leaves the
// state exactly as it was. Saves replace the old file only once the new one is
// complete. The file names the dialogs return are the caller's to record.

#include <string>

#include "platform/files.h"
#include "platform/recordfile.h"
#include "state.h"

namespace vib::shock {

// Error number of a value that reads as a number but cannot be computed with.
inline constexpr int kInvalidValue = 380;

// P(84..87), which the original layout leaves at 0, carry the force check's moving masses
// and rated force (platform/force.h).
ProfileRecords ToRecords(const ShockState& s);
// Takes over P(1..100), the carried columns and the trailer texts the file held.
void FromRecords(const ProfileRecords& r, ShockState& s);

// Values are loaded as they stand (a shape code or polarity the commands never set is
// kept and saved back), but refused when they would make the pulse, its integration,
// its spectrum or its drawing non-finite.
FileError CheckComputable(const ShockState& s);

// Replaces P(1..100), the carried columns and the texts from the file; the caller then
// recomputes. On failure nothing changes. A profile that looks like a random profile is
// refused as a Type mismatch (13) that names Morvane (platform/recordfile.h).
FileError OpenShockProfile(FileSystem& fs, const std::string& path, ShockState& s);

FileError SaveShockProfile(FileSystem& fs, const std::string& path, const ShockState& s);

// Reads 1024 numbers into CustomWave(0..1023) and the name into WaveFileName; values
// after the 1024th are ignored. Selecting the custom shape is the caller's step. On
// failure nothing changes.
FileError ReadWaveshape(FileSystem& fs, const std::string& path, ShockState& s);

}  // namespace vib::shock
