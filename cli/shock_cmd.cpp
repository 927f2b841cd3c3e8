#include <ostream>

#include "commands.h"

namespace vib::cli {

// Filled in with the shock core.
int RunShock(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "vibcalc: shock is not available yet\n";
    return kExitUsage;
}

}  // namespace vib::cli
