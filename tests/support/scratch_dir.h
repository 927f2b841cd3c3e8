#pragma once
// A folder of its own for each test, on disk in the build tree (a tmpfs /tmp may refuse
// user attributes), removed afterwards, with the few ways the tests read and fill it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vib::testing {

class ScratchDir : public ::testing::Test {
  public:
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Writes `bytes` to the file and returns its path.
    static std::string Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

  protected:
    void SetUp() override {
        dir_ = std::filesystem::path(VIB_SCRATCH) /
               ("scratch-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // The names in a folder (the test's own by default), sorted.
    std::vector<std::string> Names(const std::filesystem::path& folder = {}) const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder.empty() ? dir_ : folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path dir_;
};

}  // namespace vib::testing
