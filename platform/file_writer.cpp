// LocalFileSystem::Write: a save that never loses the old file and keeps what it carried.
//
// The usual way is a new file put over the old one by a rename. The bytes go to an
// unnamed file in the target's folder (O_TMPFILE), which is named only once it is whole
// and synced, so a save killed halfway leaves nothing behind; where the file system has
// no unnamed files, a short hidden temporary name. The new file takes the old one's mode,
// owner, group and extended attributes (ACLs among them) before the rename, and the
// folder is synced after it.
//
// Where a rename would lose something that cannot be carried over (a second hard link,
// an owner, group or attribute the saver may not set, a folder the saver cannot write),
// the file is written in place instead, after a complete copy of the old file was made
// beside it (or in the user's cache folder); the copy goes once the new file is whole.
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "files.h"
#include "posix_io.h"

namespace vib {
namespace {

using posix::BaseName;
using posix::DirectoryOf;
using posix::IsDirectory;
using posix::WriteAll;

// A name that always fits (14 bytes, whatever the target's name) and hides in listings.
std::string HiddenName() {
    unsigned char random[4] = {};
    if (::getrandom(random, sizeof random, 0) != sizeof random) {
        const auto p = static_cast<unsigned>(::getpid());
        for (int i = 0; i < 4; ++i) random[i] = static_cast<unsigned char>(p >> (8 * i));
    }
    char name[16];
    std::snprintf(name, sizeof name, ".vib-%02x%02x%02x%02x", random[0], random[1], random[2],
                  random[3]);
    return name;
}

// The file a path names once its symbolic links are followed: an existing file, or the
// file a dangling link points to, which the save creates as editors do.
struct Target {
    std::string path;
    bool exists = false;
    struct stat st {};
};

FileError Resolve(const std::string& path, Target& t) {
    std::string p = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno != ENOENT) return FileError::Make(ErrorNumberForErrno(errno), path);
            if (!IsDirectory(DirectoryOf(p))) return FileError::Make(err::kPathNotFound, path);
            t.path = p;
            return {};
        }
        if (!S_ISLNK(st.st_mode)) {
            t = {p, true, st};
            return {};
        }
        std::vector<char> link(PATH_MAX + 1);
        const ssize_t n = ::readlink(p.c_str(), link.data(), PATH_MAX);
        if (n < 0) return FileError::Make(ErrorNumberForErrno(errno), path);
        const std::string to(link.data(), static_cast<std::size_t>(n));
        p = !to.empty() && to[0] == '/' ? to : DirectoryOf(p) + "/" + to;
    }
    return FileError::Make(err::kPathFileAccess, path + ": too many symbolic links");
}

// True when the saver may give a new file this owner and group.
bool MaySetOwner(const struct stat& st) {
    if (::geteuid() == 0) return true;
    if (st.st_uid != ::geteuid()) return false;
    if (st.st_gid == ::getegid()) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(NGROUPS_MAX));
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < n; ++i)
        if (groups[static_cast<std::size_t>(i)] == st.st_gid) return true;
    return false;
}

// Refusals that mean "this cannot be carried over by a rename", not "the save failed".
bool CannotCarry(int e) {
    return e == EPERM || e == EACCES || e == ENOTSUP;
}

// The user's cache folder for copies of files whose own folder is not writable.
std::string CacheFolder() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        base = std::string(home) + "/.cache";
    else
        return {};
    ::mkdir(base.c_str(), 0700);
    const std::string folder = base + "/vibration-calculators";
    ::mkdir(folder.c_str(), 0700);
    return IsDirectory(folder) ? folder : std::string();
}

class Writer {
  public:
    Writer(const LocalFileSystem::FaultHook& fault, const std::string& path, std::string_view bytes)
        : fault_(fault), path_(path), bytes_(bytes) {}

    FileError Run();

  private:
    int Fault(WriteStep step) const { return fault_ ? fault_(step) : 0; }
    FileError Error(int e, std::string detail = {}) const {
        // The folder exists, so a file that cannot be made in it (a special folder such
        // as /proc) is an access error, not a missing file.
        const int number = e == ENOENT ? err::kPathFileAccess : ErrorNumberForErrno(e);
        return FileError::Make(number, detail.empty() ? path_ : detail);
    }
    // The two halves of the bytes with the Write fault between them.
    int WriteBytes(int fd) const;
    FileError ByRename(bool& inPlace);
    FileError InPlace();
    int CopyAttributes(int fd) const;

    const LocalFileSystem::FaultHook& fault_;
    std::string path_;
    std::string_view bytes_;
    Target target_;
    std::string dir_;
    bool dirWritable_ = false;
};

int Writer::WriteBytes(int fd) const {
    const std::size_t half = bytes_.size() / 2;
    if (!WriteAll(fd, bytes_.substr(0, half))) return errno;
    if (int f = Fault(WriteStep::Write)) return f;
    if (!WriteAll(fd, bytes_.substr(half))) return errno;
    return 0;
}

int Writer::CopyAttributes(int fd) const {
    if (int f = Fault(WriteStep::Attributes)) return f;
    const char* from = target_.path.c_str();
    const ssize_t size = ::listxattr(from, nullptr, 0);
    if (size < 0) return errno == ENOTSUP ? 0 : errno;
    std::vector<char> names(static_cast<std::size_t>(size) + 1);
    const ssize_t got = ::listxattr(from, names.data(), names.size());
    if (got < 0) return errno;
    for (ssize_t i = 0; i < got;) {
        const char* name = names.data() + i;
        i += static_cast<ssize_t>(std::char_traits<char>::length(name)) + 1;
        const ssize_t n = ::getxattr(from, name, nullptr, 0);
        if (n < 0) return errno;
        std::vector<char> value(static_cast<std::size_t>(n) + 1);
        const ssize_t v = ::getxattr(from, name, value.data(), value.size());
        if (v < 0) return errno;
        if (::fsetxattr(fd, name, value.data(), static_cast<std::size_t>(v), 0) != 0) return errno;
    }
    return 0;
}

FileError Writer::Run() {
    if (path_.empty()) return FileError::Make(err::kPathFileAccess);
    if (FileError e = CheckSaveTarget(path_)) return e;
    if (FileError e = Resolve(path_, target_)) return e;
    const struct stat& st = target_.st;
    if (target_.exists) {
        // A read-only target is refused as the user expects, even for root.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(target_.path.c_str(), W_OK) != 0)
            return FileError::Make(err::kPermissionDenied, path_);
    }
    dir_ = DirectoryOf(target_.path);
    dirWritable_ = ::access(dir_.c_str(), W_OK | X_OK) == 0;
    bool inPlace = target_.exists && (!dirWritable_ || st.st_nlink > 1 || !MaySetOwner(st));
    if (!inPlace) {
        FileError e = ByRename(inPlace);
        if (!inPlace) return e;
    }
    return InPlace();
}

FileError Writer::ByRename(bool& inPlace) {
    const int dfd = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return Error(errno);
    std::string name;  // empty while the new file has no name
    int fd = -1;
    auto abandon = [&](int e) {
        if (fd >= 0) ::close(fd);
        if (!name.empty()) ::unlinkat(dfd, name.c_str(), 0);
        ::close(dfd);
        return Error(e);
    };
    if (int f = Fault(WriteStep::Open)) return abandon(f);
    if (!Fault(WriteStep::UnnamedFile))
        fd = ::openat(dfd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // No unnamed files here (or refused for other reasons the named file will show).
        for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
            name = HiddenName();
            fd = ::openat(dfd, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) {
                const int e = errno;
                name.clear();
                return abandon(e);
            }
        }
        if (fd < 0) {
            name.clear();
            return abandon(EEXIST);
        }
    }
    if (int e = WriteBytes(fd)) return abandon(e);
    if (target_.exists) {
        const struct stat& st = target_.st;
        int e = Fault(WriteStep::Owner);
        // The owner first: changing it clears set-id bits that the mode then restores.
        if (!e && ::fchown(fd, st.st_uid, st.st_gid) != 0) e = errno;
        if (!e && ::fchmod(fd, st.st_mode & 07777) != 0) e = errno;
        if (!e) e = CopyAttributes(fd);
        if (e) {
            if (CannotCarry(e)) inPlace = true;
            return abandon(e);
        }
    }
    if (int f = Fault(WriteStep::Sync)) return abandon(f);
    if (::fsync(fd) != 0) return abandon(errno);
    if (name.empty()) {
        // Only from here to the rename can a name be left behind.
        if (int f = Fault(WriteStep::Link)) return abandon(f);
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        for (int attempt = 0; name.empty() && attempt < 100; ++attempt) {
            const std::string candidate = HiddenName();
            if (::linkat(AT_FDCWD, self.c_str(), dfd, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0)
                name = candidate;
            else if (errno != EEXIST)
                return abandon(errno);
        }
        if (name.empty()) return abandon(EEXIST);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon(errno);
    if (int f = Fault(WriteStep::Rename)) return abandon(f);
    if (::renameat(dfd, name.c_str(), dfd, BaseName(target_.path).c_str()) != 0)
        return abandon(errno);
    name.clear();
    // The new name is durable only once the folder is.
    int e = Fault(WriteStep::DirSync);
    if (!e && ::fsync(dfd) != 0) e = errno;
    ::close(dfd);
    return e ? Error(e) : FileError{};
}

FileError Writer::InPlace() {
    // First a complete copy of the old file, beside it or in the user's cache folder.
    const std::string folder = dirWritable_ ? dir_ : CacheFolder();
    if (folder.empty())
        return FileError::Make(err::kPermissionDenied,
                               path_ + ": no folder can take a copy of the old file");
    const int old = ::open(target_.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (old < 0) return Error(errno);
    std::string copy;
    int out = -1;
    for (int attempt = 0; out < 0 && attempt < 100; ++attempt) {
        copy = folder + "/" + HiddenName();
        out = ::open(copy.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (out < 0 && errno != EEXIST) break;
    }
    auto dropCopy = [&](int e) {
        ::close(old);
        if (out >= 0) {
            ::close(out);
            ::unlink(copy.c_str());
        }
        return Error(e);
    };
    if (out < 0) return dropCopy(errno);
    char buffer[65536];
    bool halfway = false;
    for (;;) {
        const ssize_t n = ::read(old, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return dropCopy(errno);
        if (n == 0) break;
        if (!WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(n))))
            return dropCopy(errno);
        if (!halfway) {
            halfway = true;
            if (int f = Fault(WriteStep::Copy)) return dropCopy(f);
        }
    }
    if (!halfway)
        if (int f = Fault(WriteStep::Copy)) return dropCopy(f);
    if (::fsync(out) != 0) return dropCopy(errno);
    ::close(old);
    if (::close(out) != 0) {
        out = -1;
        ::unlink(copy.c_str());
        return Error(errno);
    }

    // Then the new bytes over the old ones; from here a failure keeps the copy.
    auto keepCopy = [&](int fd, int e) {
        if (fd >= 0) ::close(fd);
        return Error(e, path_ + ": the old contents are kept in " + copy);
    };
    if (int f = Fault(WriteStep::Open)) return keepCopy(-1, f);
    const int fd = ::open(target_.path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return keepCopy(-1, errno);
    if (int e = WriteBytes(fd)) return keepCopy(fd, e);
    if (::ftruncate(fd, static_cast<off_t>(bytes_.size())) != 0) return keepCopy(fd, errno);
    if (int f = Fault(WriteStep::Sync)) return keepCopy(fd, f);
    if (::fsync(fd) != 0) return keepCopy(fd, errno);
    if (::close(fd) != 0) return keepCopy(-1, errno);
    ::unlink(copy.c_str());
    return {};
}

}  // namespace

FileError LocalFileSystem::Write(const std::string& path, std::string_view bytes) {
    return Writer(fault_, path, bytes).Run();
}

}  // namespace vib
