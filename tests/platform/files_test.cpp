#include "platform/files.h"

#include "platform/dialogs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace vib {
namespace {

namespace fs = std::filesystem;

class TempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vibfiles-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
};

TEST(ErrorNumbers, DescriptionsAndErrnoMapping) {
    EXPECT_EQ(ErrorDescription(53), "File not found");
    EXPECT_EQ(ErrorDescription(76), "Path not found");
    EXPECT_EQ(ErrorDescription(70), "Permission denied");
    EXPECT_EQ(ErrorDescription(75), "Path/File access error");
    EXPECT_EQ(ErrorDescription(62), "Input past end of file");
    EXPECT_EQ(ErrorDescription(13), "Type mismatch");
    EXPECT_EQ(ErrorDescription(61), "Disk full");
    EXPECT_EQ(ErrorDescription(57), "Device I/O error");
    EXPECT_EQ(ErrorDescription(482), "Printer error");
    EXPECT_EQ(ErrorNumberForErrno(ENOENT), 53);
    EXPECT_EQ(ErrorNumberForErrno(EACCES), 70);
    EXPECT_EQ(ErrorNumberForErrno(EROFS), 70);
    EXPECT_EQ(ErrorNumberForErrno(ENOSPC), 61);
    EXPECT_EQ(ErrorNumberForErrno(EIO), 57);
    EXPECT_EQ(ErrorNumberForErrno(EISDIR), 75);
}

TEST(ExeExtension, LastThreeCharactersInAnyCase) {
    EXPECT_TRUE(HasExeExtension("C:/x/profile.EXE"));
    EXPECT_TRUE(HasExeExtension("profile.exe"));
    EXPECT_TRUE(HasExeExtension("runexE"));
    EXPECT_FALSE(HasExeExtension("exe.prf"));
    EXPECT_FALSE(HasExeExtension("ex"));
}

TEST_F(TempDir, ReadRefusals) {
    LocalFileSystem lfs;
    std::string bytes = "keep";
    EXPECT_EQ(lfs.Read(Path("missing.prf"), bytes).number, 53);
    EXPECT_EQ(lfs.Read(Path("nodir/missing.prf"), bytes).number, 76);
    EXPECT_EQ(lfs.Read(dir_.string(), bytes).number, 75);
    EXPECT_EQ(lfs.Read("", bytes).number, 53);
    // A file far larger than any profile is refused without being read.
    {
        std::ofstream big(Path("big.prf"), std::ios::binary);
        big.seekp(static_cast<std::streamoff>(kMaxProfileFileBytes) + 1);
        big.put('x');
    }
    EXPECT_EQ(lfs.Read(Path("big.prf"), bytes).number, 75);
    EXPECT_EQ(bytes, "keep");
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(lfs.Read(Path("pipe"), bytes).number, 75);  // never blocks on a pipe
    Put(Path("ok.prf"), "abc\r\n");
    ASSERT_FALSE(lfs.Read(Path("ok.prf"), bytes));
    EXPECT_EQ(bytes, "abc\r\n");
}

TEST_F(TempDir, WriteReplacesKeepsPermissionsAndFollowsLinks) {
    LocalFileSystem lfs;
    const std::string target = Path("p.prf");
    ASSERT_FALSE(lfs.Write(target, "new file"));
    EXPECT_EQ(Slurp(target), "new file");
    ::chmod(target.c_str(), 0640);
    ASSERT_FALSE(lfs.Write(target, "second"));
    EXPECT_EQ(Slurp(target), "second");
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    fs::create_symlink(target, Path("link.prf"));
    ASSERT_FALSE(lfs.Write(Path("link.prf"), "through link"));
    EXPECT_TRUE(fs::is_symlink(Path("link.prf")));
    EXPECT_EQ(Slurp(target), "through link");
    EXPECT_EQ(FileCount(), 2u);  // no temporary file left behind
}

TEST_F(TempDir, FailedWritesLeaveTheOldFileIntact) {
    const std::string target = Path("p.prf");
    Put(target, "old contents");
    const struct {
        WriteStep step;
        int error;
        int number;
    } cases[] = {{WriteStep::Open, EACCES, 70},
                 {WriteStep::Write, ENOSPC, 61},
                 {WriteStep::Sync, EIO, 57},
                 {WriteStep::Rename, EROFS, 70}};
    for (const auto& c : cases) {
        LocalFileSystem failing([&](WriteStep s) { return s == c.step ? c.error : 0; });
        const FileError e = failing.Write(target, std::string(10000, 'n'));
        EXPECT_EQ(e.number, c.number);
        EXPECT_EQ(Slurp(target), "old contents");
        EXPECT_EQ(FileCount(), 1u);
    }
}

TEST_F(TempDir, ReadOnlyTargetsAndMissingFoldersAreRefused) {
    LocalFileSystem lfs;
    const std::string target = Path("ro.prf");
    Put(target, "old");
    ::chmod(target.c_str(), 0444);
    EXPECT_EQ(lfs.Write(target, "new").number, 70);  // also when running as root
    EXPECT_EQ(Slurp(target), "old");
    EXPECT_EQ(lfs.Write(Path("nodir/x.prf"), "new").number, 76);
    EXPECT_EQ(lfs.Write(dir_.string(), "new").number, 75);
    // A folder that holds no files of ours is an access error, not a missing file.
    if (fs::is_directory("/proc/self")) {
        EXPECT_EQ(lfs.Write("/proc/s1.prf", "new").number, 75);
    }
}

TEST(DefaultExtension, OnlyNamesWithoutOneGetPrf) {
    const std::pair<const char*, const char*> cases[] = {{"/p/s1", "/p/s1.prf"},
                                                         {"s1", "s1.prf"},
                                                         {"/p.d/s1", "/p.d/s1.prf"},
                                                         {"/p/s1.txt", "/p/s1.txt"},
                                                         {"/p/run.exe", "/p/run.exe"},
                                                         {"QTRFileR.*", "QTRFileR.*"},
                                                         {"", ""},
                                                         {"/p/", "/p/"}};
    for (const auto& [name, saved] : cases) EXPECT_EQ(WithDefaultExtension(name, "prf"), saved);
}

}  // namespace
}  // namespace vib
