// Morvane, the random-vibration calculator.
#include <memory>

#include "program.h"
#include "shell/run_calculator.h"

namespace {
constexpr const char* kAbout =
    "Morvane, the random-vibration calculator: the G rms, velocity and displacement of a\n"
    "random test, checked against the shaker's limits.\n";
}  // namespace

int main(int argc, char* argv[]) {
    return vib::shell::RunCalculator(
        argc, argv, {"morvane", "Morvane", VIB_VERSION, kAbout, "vibcalc random"},
        [](vib::shell::Services& services) {
            return std::make_unique<vib::random::app::MorvaneProgram>(services);
        });
}
