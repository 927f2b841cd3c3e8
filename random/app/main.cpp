// Morvane, the random-vibration calculator.
#include <memory>

#include "program.h"
#include "shell/run_calculator.h"

int main(int argc, char* argv[]) {
    return vib::shell::RunCalculator(
        argc, argv, {"morvane", "Morvane", VIB_VERSION}, [](vib::shell::Services& services) {
            return std::make_unique<vib::random::app::MorvaneProgram>(services);
        });
}
