// The profile and output writer on a real file system, in a folder on disk: what the old
// file carried survives a save, special files are refused, and no failure or kill loses
// the old bytes or leaves a file behind. Cases that need an ordinary user run in a child
// that drops to uid and gid 65534 (CI runs as root).
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/files.h"
#include "tests/support/scratch_dir.h"

namespace vib {
namespace {

namespace fs = std::filesystem;
constexpr uid_t kNobody = 65534;

class Writer : public testing::ScratchDir {
  protected:
    void TearDown() override {
        ::chmod(dir_.c_str(), 0755);
        ScratchDir::TearDown();
    }
    static struct stat Stat(const std::string& p) {
        struct stat st {};
        ::lstat(p.c_str(), &st);
        return st;
    }
    static bool Root() { return ::geteuid() == 0; }

    // Runs `body` in a child process as uid and gid 65534; its exit status, or 128 plus
    // the signal that ended it.
    static int AsNobody(const std::function<int()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                ::setresuid(kNobody, kNobody, kNobody) != 0)
                ::_exit(99);
            ::_exit(body());
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
};

TEST_F(Writer, KeepsOwnerGroupModeAndUserAttributes) {
    const std::string target = Path("p.prf");
    Put(target, "old");
    ::chmod(target.c_str(), 0640);
    if (::setxattr(target.c_str(), "user.test-rig", "shaker 7", 8, 0) != 0) {
        if (errno == ENOTSUP) GTEST_SKIP() << "user attributes refused by this file system";
        FAIL() << "setxattr: " << errno;
    }
    if (Root()) {
        ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
    }
    const struct stat before = Stat(target);
    ASSERT_FALSE(LocalFileSystem().Write(target, "new"));
    const struct stat after = Stat(target);
    EXPECT_EQ(Slurp(target), "new");
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    char value[32] = {};
    EXPECT_EQ(::getxattr(target.c_str(), "user.test-rig", value, sizeof value), 8);
    EXPECT_STREQ(value, "shaker 7");
    EXPECT_EQ(Names(), std::vector<std::string>{"p.prf"});
}

TEST_F(Writer, LinksStayLinks) {
    // A hard link: both names show the new bytes.
    Put(Path("a.prf"), "old");
    fs::create_hard_link(Path("a.prf"), Path("b.prf"));
    ASSERT_FALSE(LocalFileSystem().Write(Path("a.prf"), "new"));
    EXPECT_EQ(Slurp(Path("b.prf")), "new");
    EXPECT_EQ(Stat(Path("a.prf")).st_nlink, 2u);
    // A symbolic link to a file: the link stays and its target is written.
    fs::create_symlink("a.prf", Path("s.prf"));
    ASSERT_FALSE(LocalFileSystem().Write(Path("s.prf"), "through"));
    EXPECT_TRUE(fs::is_symlink(Path("s.prf")));
    EXPECT_EQ(Slurp(Path("b.prf")), "through");
    // A dangling link creates the file it points to.
    fs::create_symlink("later.prf", Path("d.prf"));
    ASSERT_FALSE(LocalFileSystem().Write(Path("d.prf"), "made"));
    EXPECT_TRUE(fs::is_symlink(Path("d.prf")));
    EXPECT_EQ(Slurp(Path("later.prf")), "made");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.prf", "b.prf", "d.prf", "later.prf", "s.prf"}));
}

// Targets a save must not touch: special files (before anything is written, and without
// blocking on a pipe), read-only files (also for root), missing and special folders.
TEST_F(Writer, RefusedTargetsStayAsTheyWere) {
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0666), 0);
    fs::create_directory(Path("folder"));
    Put(Path("ro.prf"), "old");
    ::chmod(Path("ro.prf").c_str(), 0444);
    if (Root()) {
        ASSERT_EQ(::mknod(Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    const std::pair<std::string, int> cases[] = {
        {Path("pipe"), err::kPathFileAccess},      {Path("folder"), err::kPathFileAccess},
        {Path("null"), err::kPathFileAccess},      {Path("ro.prf"), err::kPermissionDenied},
        {Path("nodir/x.prf"), err::kPathNotFound}, {"/proc/s1.prf", err::kPathFileAccess}};
    const auto before = Names();
    for (const auto& [path, number] : cases) {
        if (path == Path("null") && !Root()) continue;
        EXPECT_EQ(LocalFileSystem().Write(path, "new").number, number) << path;
    }
    EXPECT_EQ(Names(), before);
    EXPECT_TRUE(S_ISFIFO(Stat(Path("pipe")).st_mode));
    EXPECT_EQ(Slurp(Path("ro.prf")), "old");
}

TEST_F(Writer, LongestNamesSave) {
    const std::string name = std::string(251, 'n') + ".prf";  // 255 bytes
    ASSERT_FALSE(LocalFileSystem().Write(Path(name), "first"));
    ASSERT_FALSE(LocalFileSystem().Write(Path(name), "second"));
    EXPECT_EQ(Slurp(Path(name)), "second");
    EXPECT_EQ(Names(), std::vector<std::string>{name});
}

// An ordinary user: a writable file in a folder the user cannot write is written in
// place (the copy goes to the user's cache folder), and a group-shared file owned by
// someone else keeps its owner.
TEST_F(Writer, OrdinaryUserSavesInPlaceWhereARenameWouldLoseSomething) {
    if (!Root()) GTEST_SKIP() << "needs root to make the other user's files";
    const fs::path locked = dir_ / "locked";
    const fs::path shared = dir_ / "shared";
    const fs::path cache = dir_ / "cache";
    for (const auto& d : {locked, shared, cache}) fs::create_directory(d);
    ::chmod(dir_.c_str(), 0755);
    ::chmod(locked.c_str(), 0755);  // root's, not writable by the user
    ASSERT_EQ(::chown(shared.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(cache.c_str(), kNobody, kNobody), 0);
    const std::string mine = (locked / "mine.prf").string();
    const std::string group = (shared / "group.prf").string();
    Put(mine, "old");
    Put(group, "old");
    ASSERT_EQ(::chown(mine.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(group.c_str(), 0, kNobody), 0);
    ::chmod(group.c_str(), 0664);
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    EXPECT_EQ(AsNobody([&] { return LocalFileSystem().Write(mine, "new").number; }), 0);
    EXPECT_EQ(AsNobody([&] { return LocalFileSystem().Write(group, "new").number; }), 0);
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(Slurp(mine), "new");
    EXPECT_EQ(Slurp(group), "new");
    EXPECT_EQ(Stat(group).st_uid, 0u);
    EXPECT_EQ(Stat(group).st_gid, kNobody);
    EXPECT_EQ(Names(locked), std::vector<std::string>{"mine.prf"});
    EXPECT_EQ(Names(shared), std::vector<std::string>{"group.prf"});
    EXPECT_EQ(Names(cache / "vibration-calculators"), std::vector<std::string>{});
}

// A save killed in the middle of its bytes leaves the old file and nothing else.
TEST_F(Writer, KilledSaveLeavesNothingBehind) {
    const int probe = ::open(dir_.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) GTEST_SKIP() << "no unnamed files on this file system";
    ::close(probe);
    Put(Path("p.prf"), "old");
    for (const char* name : {"p.prf", "new.prf"}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            LocalFileSystem dying([](WriteStep s) {
                if (s == WriteStep::Write) ::raise(SIGKILL);
                return 0;
            });
            (void)dying.Write(Path(name), std::string(1 << 20, 'n'));  // it never returns
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(Slurp(Path("p.prf")), "old");
        EXPECT_EQ(Names(), std::vector<std::string>{"p.prf"});
    }
}

// A failure at any step leaves the old bytes, put back from the copy once a save in place
// has begun to overwrite them; only where that too fails is the copy kept and named.
TEST_F(Writer, FaultAtEveryStepKeepsTheOldBytesOrTheirCopy) {
    const std::string old(100000, 'o');
    const struct {
        WriteStep step;
        bool fallback;  // the named temporary file instead of an unnamed one
        bool inPlace;   // a second hard link makes the save write in place
        bool restoreFails = false;
    } cases[] = {
        {WriteStep::Open, false, false},   {WriteStep::Write, false, false},
        {WriteStep::Owner, false, false},  {WriteStep::Attributes, false, false},
        {WriteStep::Sync, false, false},   {WriteStep::Link, false, false},
        {WriteStep::Rename, false, false}, {WriteStep::Open, true, false},
        {WriteStep::Write, true, false},   {WriteStep::Sync, true, false},
        {WriteStep::Rename, true, false},  {WriteStep::Copy, false, true},
        {WriteStep::Open, false, true},    {WriteStep::Write, false, true},
        {WriteStep::Sync, false, true},    {WriteStep::Write, false, true, true},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        const std::string target = Path("p.prf");
        Put(target, old);
        if (c.inPlace) fs::create_hard_link(target, Path("other.prf"));
        LocalFileSystem failing([&c](WriteStep s) {
            if (s == WriteStep::UnnamedFile) return c.fallback ? EOPNOTSUPP : 0;
            if (s == WriteStep::Restore) return c.restoreFails ? EIO : 0;
            return s == c.step ? EIO : 0;
        });
        const FileError e = failing.Write(target, std::string(100000, 'n'));
        const std::string what = "step " + std::to_string(int(c.step)) +
                                 (c.fallback ? " fallback" : "") + (c.inPlace ? " in place" : "");
        EXPECT_EQ(e.number, err::kDeviceIo) << what;
        std::vector<std::string> expected = {"p.prf"};
        if (c.inPlace) expected.push_back("other.prf");
        const auto kept = e.detail.find("kept in ");
        EXPECT_EQ(kept != std::string::npos, c.restoreFails) << what;
        if (kept != std::string::npos) {
            const std::string copy = e.detail.substr(kept + 8);
            EXPECT_EQ(Slurp(copy), old) << what;
            expected.push_back(fs::path(copy).filename().string());
        } else {
            EXPECT_EQ(Slurp(target), old) << what;
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Names(), expected) << what;
    }
    // Past the rename the new file is in place; a folder that cannot be synced is still
    // reported, as the new name may not survive a power cut.
    fs::remove(Path("other.prf"));
    Put(Path("p.prf"), old);
    LocalFileSystem dirSync([](WriteStep s) { return s == WriteStep::DirSync ? EIO : 0; });
    EXPECT_EQ(dirSync.Write(Path("p.prf"), "new").number, err::kDeviceIo);
    EXPECT_EQ(Slurp(Path("p.prf")), "new");
}

// Saves that cannot go by rename are written in place. One that fails part way (a size
// limit, whose signal would otherwise end the program halfway) puts the old bytes back
// under every name; neither a success nor a failure leaves a file beside the target or
// in the cache folder.
TEST_F(Writer, SaveInPlaceEndsWholeNewOrWholeOld) {
    enum Kind { HardLink, UnwritableFolder, OtherOwner };
    const struct {
        const char* what;
        Kind kind;
        bool sizeLimit;
    } cases[] = {
        {"hard link", HardLink, false},
        {"hard link, size limit", HardLink, true},
        {"unwritable folder", UnwritableFolder, false},
        {"unwritable folder, size limit", UnwritableFolder, true},
        {"other owner", OtherOwner, false},
        {"other owner, size limit", OtherOwner, true},
    };
    const std::string old(10000, 'o');
    const std::string fresh(200000, 'n');
    for (const auto& c : cases) {
        if (c.kind != HardLink && !Root()) continue;  // needs the other user's files
        fs::remove_all(dir_);
        const fs::path folder = dir_ / "f";
        const fs::path cache = dir_ / "cache";
        fs::create_directories(folder);
        fs::create_directories(cache);
        ::chmod(dir_.c_str(), 0755);
        const std::string target = (folder / "p.prf").string();
        Put(target, old);
        std::vector<std::string> names = {"p.prf"};
        if (c.kind == HardLink) {
            fs::create_hard_link(target, folder / "q.prf");
            names.push_back("q.prf");
        }
        if (Root()) {
            ::chown(cache.c_str(), kNobody, kNobody);
            if (c.kind != UnwritableFolder) ::chown(folder.c_str(), kNobody, kNobody);
            ::chown(target.c_str(), c.kind == OtherOwner ? 0 : kNobody, kNobody);
            ::chmod(target.c_str(), 0664);
        }
        ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
        auto save = [&] {
            if (c.sizeLimit) {
                const rlimit limit{65536, 65536};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            return LocalFileSystem().Write(target, fresh).number;
        };
        const int number = Root() ? AsNobody(save) : [&] {
            const pid_t pid = ::fork();
            if (pid == 0) ::_exit(save());
            int status = 0;
            ::waitpid(pid, &status, 0);
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }();
        ::unsetenv("XDG_CACHE_HOME");
        EXPECT_EQ(number, c.sizeLimit ? err::kDiskFull : 0) << c.what;
        for (const auto& name : names)
            EXPECT_EQ(Slurp((folder / name).string()), c.sizeLimit ? old : fresh)
                << c.what << " " << name;
        EXPECT_EQ(Names(folder), names) << c.what;
        const fs::path copies = cache / "vibration-calculators";
        if (fs::exists(copies)) {
            EXPECT_EQ(Names(copies), std::vector<std::string>{}) << c.what;
        }
    }
}

// A save killed where a name stays behind (between naming the new file and the rename,
// in the named temporary file, in the middle of a save in place) leaves one name per
// target, made from the target's name, that a second kill reuses and the next save
// takes away.
TEST_F(Writer, NameLeftByAKillGoesWithTheNextSave) {
    const struct {
        const char* what;
        WriteStep step;
        bool fallback;
        bool inPlace;
    } cases[] = {
        {"before the rename", WriteStep::Rename, false, false},
        {"named temporary file", WriteStep::Write, true, false},
        {"in place", WriteStep::Write, false, true},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        const std::string target = Path("p.prf");
        Put(target, "old");
        std::vector<std::string> names = {"p.prf"};
        if (c.inPlace) {
            fs::create_hard_link(target, Path("q.prf"));
            names.push_back("q.prf");
        }
        for (int kill = 0; kill < 2; ++kill) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                LocalFileSystem dying([&c](WriteStep s) {
                    if (s == WriteStep::UnnamedFile) return c.fallback ? EOPNOTSUPP : 0;
                    if (s == c.step) ::raise(SIGKILL);
                    return 0;
                });
                (void)dying.Write(target, std::string(1 << 20, 'n'));
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << c.what;
            const auto left = Names();
            ASSERT_EQ(left.size(), names.size() + 1) << c.what;
            EXPECT_EQ(left.front().rfind(".vib-p.prf-", 0), 0u) << c.what << " " << left.front();
        }
        ASSERT_FALSE(LocalFileSystem().Write(target, "new")) << c.what;
        EXPECT_EQ(Slurp(target), "new") << c.what;
        EXPECT_EQ(Names(), names) << c.what;
    }
}

// An attribute the saver may not set turns the save into one in place, which keeps it.
TEST_F(Writer, RefusedAttributeMeansASaveInPlace) {
    Put(Path("p.prf"), "old");
    const ino_t inode = Stat(Path("p.prf")).st_ino;
    LocalFileSystem refusing([](WriteStep s) { return s == WriteStep::Attributes ? EPERM : 0; });
    ASSERT_FALSE(refusing.Write(Path("p.prf"), "new"));
    EXPECT_EQ(Slurp(Path("p.prf")), "new");
    EXPECT_EQ(Stat(Path("p.prf")).st_ino, inode);  // the same file, written in place
    EXPECT_EQ(Names(), std::vector<std::string>{"p.prf"});
}

}  // namespace
}  // namespace vib
