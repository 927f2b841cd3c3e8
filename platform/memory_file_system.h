#pragma once
// An in-memory file system, for the tests, benchmarks and fuzzers of the file commands:
// files are a map, and a failure can be queued for the next read or write.

#include <map>
#include <string>
#include <utility>

#include "platform/files.h"

namespace vib {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    int failNextRead = 0;   // error number for the next read, 0 for none
    int failNextWrite = 0;  // error number for the next write; the old contents stay
    int reads = 0;
    int writes = 0;

    FileError Read(const std::string& path, std::string& bytes) override {
        ++reads;
        if (int n = std::exchange(failNextRead, 0)) return FileError::Make(n, path);
        auto it = files.find(path);
        if (it == files.end()) return FileError::Make(err::kFileNotFound, path);
        bytes = it->second;
        return {};
    }
    FileError Write(const std::string& path, std::string_view bytes) override {
        ++writes;
        if (int n = std::exchange(failNextWrite, 0)) return FileError::Make(n, path);
        files[path] = std::string(bytes);
        return {};
    }
};

}  // namespace vib
