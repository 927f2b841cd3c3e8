#pragma once
// Start-up checks of the desktop shared by both programs.

namespace vib::shell {

// True when a display can be reached. Otherwise prints one line naming the program and
// how to run it, so a start on a machine without a desktop fails clearly.
bool CheckDisplay(const char* program);

}  // namespace vib::shell
