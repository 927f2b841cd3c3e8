#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "handoff.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    vib::LocalFileSystem files;
    vib::cli::Io io{std::cin, std::cout, std::cerr, files};
    const int status = vib::cli::Run(args, io);
    if (status != vib::cli::kExitNeedsRenderer) return status;
    std::cout.flush();
    return vib::cli::ExecRenderer(argv, std::cerr);
}
