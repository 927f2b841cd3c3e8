#include "output_file.h"

#include <sys/stat.h>

namespace vib::cli {

FileError CheckOutputPath(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};  // a new file; the writer says the rest
    if (S_ISDIR(st.st_mode)) return FileError::Make(err::kPathFileAccess, "is a folder");
    if (!S_ISREG(st.st_mode)) return FileError::Make(err::kPathFileAccess, "is not a regular file");
    return {};
}

}  // namespace vib::cli
