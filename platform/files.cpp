#include "files.h"

#include "posix_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace vib {

std::string ErrorDescription(int number) {
    switch (number) {
        case err::kOverflow:
            return "Overflow";
        case err::kTypeMismatch:
            return "Type mismatch";
        case err::kFileNotFound:
            return "File not found";
        case err::kDeviceIo:
            return "Device I/O error";
        case err::kDiskFull:
            return "Disk full";
        case err::kInputPastEnd:
            return "Input past end of file";
        case err::kPermissionDenied:
            return "Permission denied";
        case err::kPathFileAccess:
            return "Path/File access error";
        case err::kPathNotFound:
            return "Path not found";
        case err::kPrinterError:
            return "Printer error";
        default:
            return "Application-defined or object-defined error";
    }
}

FileError FileError::Make(int number, std::string detail) {
    return FileError{number, ErrorDescription(number), std::move(detail)};
}

bool HasExeExtension(std::string_view name) {
    if (name.size() < 3) return false;
    const std::string_view tail = name.substr(name.size() - 3);
    auto is = [](char c, char upper) { return c == upper || c == upper + ('a' - 'A'); };
    return is(tail[0], 'E') && is(tail[1], 'X') && is(tail[2], 'E');
}

int ErrorNumberForErrno(int e) {
    switch (e) {
        case ENOENT:
            return err::kFileNotFound;
        case ENOTDIR:
            return err::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return err::kPermissionDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return err::kDiskFull;
        case EIO:
            return err::kDeviceIo;
        default:
            return err::kPathFileAccess;
    }
}

FileError CheckSaveTarget(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};  // a new file: the save says the rest
    if (S_ISDIR(st.st_mode)) return FileError::Make(err::kPathFileAccess, path + " is a folder");
    if (!S_ISREG(st.st_mode))
        return FileError::Make(err::kPathFileAccess, path + " is not a regular file");
    return {};
}

namespace {

// A missing file in a missing folder is "Path not found", not "File not found".
FileError ErrorForMissing(const std::string& path, int e) {
    if (e == ENOENT && !posix::IsDirectory(posix::DirectoryOf(path)))
        return FileError::Make(err::kPathNotFound, path);
    return FileError::Make(ErrorNumberForErrno(e), path);
}

}  // namespace

FileError LocalFileSystem::Read(const std::string& path, std::string& bytes) {
    if (path.empty()) return FileError::Make(err::kFileNotFound);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ErrorForMissing(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        return FileError::Make(ErrorNumberForErrno(e), path);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileError::Make(err::kPathFileAccess, path + " is a folder");
    }
    if (!S_ISREG(st.st_mode)) {
        // Devices and pipes could block or never end; profiles are regular files.
        ::close(fd);
        return FileError::Make(err::kPathFileAccess, path + " is not a regular file");
    }
    if (static_cast<std::size_t>(st.st_size) > kMaxProfileFileBytes) {
        ::close(fd);
        return FileError::Make(err::kPathFileAccess, path + " is too large for a profile");
    }
    std::string out;
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            return FileError::Make(ErrorNumberForErrno(e), path);
        }
        if (n == 0) break;  // the file shrank while we read it
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.resize(got);
    bytes = std::move(out);
    return {};
}

}  // namespace vib
