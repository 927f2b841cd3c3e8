// libFuzzer entry point for the breakpoint list reader; the checks live in harness.cpp so
// the replay test runs exactly the same ones.
#include "harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return CheckBreakpointListBytes(data, size);
}
