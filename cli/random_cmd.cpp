#include "commands.h"
namespace vib::cli { int RunRandom(const std::vector<std::string>&, std::ostream&, std::ostream&) { return 2; } }
