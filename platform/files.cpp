#include "files.h"

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

namespace {

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A missing file in a missing folder is "Path not found", not "File not found".
FileError ErrorForMissing(const std::string& path, int e) {
    if (e == ENOENT && !IsDirectory(DirectoryOf(path)))
        return FileError::Make(err::kPathNotFound, path);
    return FileError::Make(ErrorNumberForErrno(e), path);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
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

FileError LocalFileSystem::Write(const std::string& path, std::string_view bytes) {
    if (path.empty()) return FileError::Make(err::kPathFileAccess);
    // Follow a symbolic link so the link stays and its target gets the new contents.
    std::string target = path;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    if (IsDirectory(target)) return FileError::Make(err::kPathFileAccess, path + " is a folder");
    const std::string dir = DirectoryOf(target);
    if (!IsDirectory(dir)) return FileError::Make(err::kPathNotFound, path);

    mode_t mode = 0644;
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed) {
        mode = old.st_mode & 07777;
        // A read-only target is refused as the user expects, even for root.
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(target.c_str(), W_OK) != 0)
            return FileError::Make(err::kPermissionDenied, path);
    }

    auto failStep = [this](WriteStep step) { return fault_ ? fault_(step) : 0; };
    // The folder exists, so a file that cannot be made in it (a special folder such as
    // /proc) is an access error, not a missing file.
    auto writeError = [&path](int e) {
        return FileError::Make(e == ENOENT ? err::kPathFileAccess : ErrorNumberForErrno(e), path);
    };

    std::string tmpl = target + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int e = failStep(WriteStep::Open);
    const int fd = e ? -1 : ::mkstemp(name.data());
    if (fd < 0) {
        if (!e) e = errno;
        return writeError(e);
    }
    const std::string tmp(name.data());
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return writeError(error);
    };

    // The data goes out in two halves; a fault injected at the write step strikes in
    // between, after part of the file has been written.
    const std::size_t half = bytes.size() / 2;
    if (!WriteAll(fd, bytes.substr(0, half))) return abandon(errno);
    if (int f = failStep(WriteStep::Write)) return abandon(f);
    if (!WriteAll(fd, bytes.substr(half))) return abandon(errno);
    if (::fchmod(fd, mode) != 0) return abandon(errno);
    if (int f = failStep(WriteStep::Sync)) return abandon(f);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int ce = errno;
        ::unlink(tmp.c_str());
        return writeError(ce);
    }
    e = failStep(WriteStep::Rename);
    if (e || ::rename(tmp.c_str(), target.c_str()) != 0) {
        if (!e) e = errno;
        ::unlink(tmp.c_str());
        return writeError(e);
    }
    return {};
}

}  // namespace vib
