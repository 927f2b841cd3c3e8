// Tessalt, the classical-shock calculator.
#include <memory>

#include "program.h"
#include "shell/run_calculator.h"

int main(int argc, char* argv[]) {
    return vib::shell::RunCalculator(
        argc, argv, {"tessalt", "Tessalt", VIB_VERSION}, [](vib::shell::Services& services) {
            return std::make_unique<vib::shock::app::TessaltProgram>(services);
        });
}
