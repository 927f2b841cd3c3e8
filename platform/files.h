#pragma once
// File access for the profile and waveshape commands. Failures carry the error number
// and the English description that the error box shows ("Error #  53 Occured").

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vib {

namespace err {
inline constexpr int kOverflow = 6;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kPrinterError = 482;
}  // namespace err

// English description of an error number, as the error box shows it.
std::string ErrorDescription(int number);

struct [[nodiscard]] FileError {
    int number = 0;           // 0: no error
    std::string description;  // the box's text
    std::string detail;       // where it happened (record, field), for the batch tool

    explicit operator bool() const { return number != 0; }
    static FileError Make(int number, std::string detail = {});
};

// True when a file name ends in EXE in any letter case: both calculators ask before
// saving a profile under such a name.
bool HasExeExtension(std::string_view name);

// A save may go to a regular file or to a name not taken yet (also through a symbolic
// link): a folder, pipe, socket or device is refused with 75, as a pipe would block the
// save and a device would be replaced. The file writer checks this first; a caller may
// ask before it does any work for the save.
FileError CheckSaveTarget(const std::string& path);

// Maps an errno value to the error number the user sees.
int ErrorNumberForErrno(int e);

// Profiles and waveshapes are a few kilobytes; anything far larger is not one of them and
// is refused before it is read, so a stray huge file costs neither time nor memory.
inline constexpr std::size_t kMaxProfileFileBytes = 4u << 20;

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Reads the whole file; refuses directories and files over kMaxProfileFileBytes.
    virtual FileError Read(const std::string& path, std::string& bytes) = 0;
    // Replaces the file only once the new contents are completely written: a failure
    // leaves the old file as it was (or, where even putting it back failed, a complete
    // copy of it that the error names), and no temporary file. Symbolic links are
    // followed to their target; what the old file carried (mode, owner, group, extended
    // attributes, its other hard links) is kept.
    virtual FileError Write(const std::string& path, std::string_view bytes) = 0;
};

// The steps of a save at which the local file system can be told to fail, so tests can
// prove that a failed save leaves the old file intact (CI runs as root, where
// permissions refuse nothing):
// - Open: creating the new file (unnamed, temporary, or the target opened in place);
// - Write: between the two halves of the bytes; Sync: before the file's fsync;
// - UnnamedFile: any value makes the unnamed file count as refused, so the named
//   temporary file is used instead;
// - Link: naming the unnamed file; Rename: putting it over the target;
// - Owner: mode, owner and group; Attributes: the extended attributes (EPERM here
//   makes the save write in place, as a real refusal does);
// - Copy: writing the copy of the old file that a save in place keeps first;
// - Restore: any value makes putting the old bytes back after a failed save in place
//   fail, so the copy is kept and named;
// - DirSync: syncing the folder after the rename.
enum class WriteStep {
    Open,
    Write,
    Sync,
    Rename,
    UnnamedFile,
    Link,
    Owner,
    Attributes,
    Copy,
    DirSync,
    Restore
};

class LocalFileSystem : public FileSystem {
  public:
    // `fault` returns an errno value to fail the given step with, or 0 to go on.
    using FaultHook = std::function<int(WriteStep)>;
    explicit LocalFileSystem(FaultHook fault = {}) : fault_(std::move(fault)) {}

    FileError Read(const std::string& path, std::string& bytes) override;
    FileError Write(const std::string& path, std::string_view bytes) override;

  private:
    FaultHook fault_;
};

}  // namespace vib
