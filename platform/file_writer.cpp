// LocalFileSystem::Write: a save that never loses the old file and keeps what it carried.
//
// The usual way is a new file put over the old one by a rename. The bytes go to an
// unnamed file in the target's folder (O_TMPFILE), which is named only once it is whole
// and synced, so a save killed halfway leaves nothing behind; where the file system has
// no unnamed files, a hidden temporary name. The new file takes the old one's mode,
// owner, group and extended attributes (ACLs among them) before the rename, and the
// folder is synced after it.
//
// Where a rename would lose something that cannot be carried over (a second hard link,
// an owner, group or attribute the saver may not set, a folder the saver cannot write),
// the file is written in place instead, after a complete copy of the old file was made
// beside it (or in the user's cache folder). A write in place that fails puts the old
// bytes back from the copy; the copy goes once the file is whole, new or old.
//
// The temporary names are one per target and derived from its name, so a name that a
// kill left behind is taken over and removed by the next save of the same file.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
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

// The hidden name of a save's temporary file ("new") or of the copy of the old file
// ("old") for a target: the target's name (its first 200 bytes), a hash of its folder
// and name so that long names and targets sharing the cache folder stay apart, and the
// role. It always fits a 255-byte name.
std::string TempName(const std::string& folder, const std::string& base, const char* role) {
    std::string key = folder;
    if (char* real = ::realpath(folder.c_str(), nullptr)) {
        key = real;
        std::free(real);
    }
    key += "/" + base;
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const unsigned char c : key) hash = (hash ^ c) * 16777619u;
    char tail[24];
    std::snprintf(tail, sizeof tail, "-%08x.%s", static_cast<unsigned>(hash), role);
    return ".vib-" + base.substr(0, 200) + tail;
}

// A size limit (ulimit -f) ends the process with SIGXFSZ unless the signal is held off;
// held for this thread only, the write fails with EFBIG instead and the save can put the
// old bytes back. A signal the write raised is taken before the thread's mask returns.
class HoldFileSizeSignal {
  public:
    HoldFileSizeSignal() {
        sigemptyset(&xfsz_);
        sigaddset(&xfsz_, SIGXFSZ);
        ::pthread_sigmask(SIG_BLOCK, &xfsz_, &old_);
    }
    ~HoldFileSizeSignal() {
        if (!sigismember(&old_, SIGXFSZ)) {
            const timespec now{};
            while (::sigtimedwait(&xfsz_, nullptr, &now) == SIGXFSZ) {
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    HoldFileSizeSignal(const HoldFileSizeSignal&) = delete;
    HoldFileSizeSignal& operator=(const HoldFileSizeSignal&) = delete;

  private:
    sigset_t xfsz_{};
    sigset_t old_{};
};

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
    std::string base_;
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
    base_ = BaseName(target_.path);
    dirWritable_ = ::access(dir_.c_str(), W_OK | X_OK) == 0;
    const HoldFileSizeSignal held;
    bool inPlace = target_.exists && (!dirWritable_ || st.st_nlink > 1 || !MaySetOwner(st));
    FileError e;
    if (!inPlace) e = ByRename(inPlace);
    if (inPlace) e = InPlace();
    if (!e && dirWritable_) {
        // What an earlier save of this file that was killed left beside it.
        for (const char* role : {"new", "old"})
            ::unlink((dir_ + "/" + TempName(dir_, base_, role)).c_str());
    }
    return e;
}

FileError Writer::ByRename(bool& inPlace) {
    const int dfd = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return Error(errno);
    const std::string temp = TempName(dir_, base_, "new");
    bool named = false;  // whether `temp` names the new file
    int fd = -1;
    auto abandon = [&](int e) {
        if (fd >= 0) ::close(fd);
        if (named) ::unlinkat(dfd, temp.c_str(), 0);
        ::close(dfd);
        return Error(e);
    };
    if (int f = Fault(WriteStep::Open)) return abandon(f);
    if (!Fault(WriteStep::UnnamedFile))
        fd = ::openat(dfd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // No unnamed files here (or refused for other reasons the named file will show).
        ::unlinkat(dfd, temp.c_str(), 0);
        fd =
            ::openat(dfd, temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) return abandon(errno);
        named = true;
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
    if (!named) {
        // Only from here to the rename can a name be left behind.
        if (int f = Fault(WriteStep::Link)) return abandon(f);
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        ::unlinkat(dfd, temp.c_str(), 0);
        if (::linkat(AT_FDCWD, self.c_str(), dfd, temp.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return abandon(errno);
        named = true;
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon(errno);
    if (int f = Fault(WriteStep::Rename)) return abandon(f);
    if (::renameat(dfd, temp.c_str(), dfd, base_.c_str()) != 0) return abandon(errno);
    named = false;
    // The new name is durable only once the folder is.
    int e = Fault(WriteStep::DirSync);
    if (!e && ::fsync(dfd) != 0) e = errno;
    ::close(dfd);
    return e ? Error(e) : FileError{};
}

// Copies all of `from` to the start of `to` and cuts `to` there; 0 or an errno value.
// `fault` fails the copy after its first block.
int CopyWhole(int from, int to, int fault) {
    if (::lseek(from, 0, SEEK_SET) < 0 || ::lseek(to, 0, SEEK_SET) < 0) return errno;
    char buffer[65536];
    off_t size = 0;
    bool first = true;
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n > 0 && !WriteAll(to, std::string_view(buffer, static_cast<std::size_t>(n))))
            return errno;
        size += n;
        if (first && fault) return fault;
        first = false;
        if (n == 0) break;
    }
    if (::ftruncate(to, size) != 0) return errno;
    return ::fsync(to) != 0 ? errno : 0;
}

FileError Writer::InPlace() {
    // First a complete copy of the old file, beside it or in the user's cache folder.
    const std::string folder = dirWritable_ ? dir_ : CacheFolder();
    if (folder.empty())
        return FileError::Make(err::kPermissionDenied,
                               path_ + ": no folder can take a copy of the old file");
    const std::string copy = folder + "/" + TempName(dir_, base_, "old");
    // A copy that a killed save left behind is made anew from the file as it is now.
    ::unlink(copy.c_str());
    const int out = ::open(copy.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (out < 0) return Error(errno);
    const int fd = ::open(target_.path.c_str(), O_RDWR | O_CLOEXEC);
    int e = fd < 0 ? errno : CopyWhole(fd, out, Fault(WriteStep::Copy));
    if (e) {
        if (fd >= 0) ::close(fd);
        ::close(out);
        ::unlink(copy.c_str());
        return Error(e);
    }

    // Then the new bytes over the old ones; a failure puts the old bytes back.
    e = Fault(WriteStep::Open);
    if (!e && ::lseek(fd, 0, SEEK_SET) < 0) e = errno;
    if (!e) e = WriteBytes(fd);
    if (!e && ::ftruncate(fd, static_cast<off_t>(bytes_.size())) != 0) e = errno;
    if (!e) e = Fault(WriteStep::Sync);
    if (!e && ::fsync(fd) != 0) e = errno;
    if (e) {
        const int restored = Fault(WriteStep::Restore) ? -1 : CopyWhole(out, fd, 0);
        ::close(fd);
        ::close(out);
        if (restored != 0) return Error(e, path_ + ": the old contents are kept in " + copy);
        ::unlink(copy.c_str());
        return Error(e);
    }
    ::close(out);
    if (::close(fd) != 0) {
        const int c = errno;
        return Error(c, path_ + ": the old contents are kept in " + copy);
    }
    ::unlink(copy.c_str());
    return {};
}

}  // namespace

FileError LocalFileSystem::Write(const std::string& path, std::string_view bytes) {
    return Writer(fault_, path, bytes).Run();
}

}  // namespace vib
