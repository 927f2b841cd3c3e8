#include "platform/files.h"

#include "platform/dialogs.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace vib {
namespace {

namespace fs = std::filesystem;

using TempDir = testing::ScratchDir;

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
