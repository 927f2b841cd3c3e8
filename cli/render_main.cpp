// vibcalc's renderer: the same command line, run with Qt at hand for images and reports.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "qt_renderer.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    vib::LocalFileSystem files;
    vib::cli::QtRenderer renderer;
    vib::cli::Io io{std::cin, std::cout, std::cerr, files, &renderer};
    return vib::cli::Run(args, io);
}
