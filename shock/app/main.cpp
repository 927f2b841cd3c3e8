// Tessalt, the classical-shock calculator.
#include <memory>

#include "program.h"
#include "shell/run_calculator.h"

namespace {
constexpr const char* kAbout =
    "Tessalt, the classical-shock calculator: a compensated shock pulse, its velocity and\n"
    "displacement, checked against the shaker's limits.\n";
}  // namespace

int main(int argc, char* argv[]) {
    return vib::shell::RunCalculator(
        argc, argv, {"tessalt", "Tessalt", VIB_VERSION, kAbout, "vibcalc shock"},
        [](vib::shell::Services& services) {
            return std::make_unique<vib::shock::app::TessaltProgram>(services);
        });
}
