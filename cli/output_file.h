#pragma once
// Where the batch tool's images and reports go: rendered into memory first and written
// by the platform's file writer, so a failed write leaves the previous file as it was.

#include <string>
#include <string_view>

#include "platform/files.h"

namespace vib::cli {

// An output must be a regular file or not exist yet: a pipe would block the tool until
// someone reads it, and a device or folder is no place for a picture. Checked before
// anything is computed, without opening the path.
FileError CheckOutputPath(const std::string& path);

}  // namespace vib::cli
