#pragma once
// The properties every reader must keep for any bytes at all, shared by the libFuzzer
// entry points and the replay test: a file that reads saves and reads back to the same
// state, and a file that is refused leaves the state exactly as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vib::random {
struct RandomState;
}
namespace vib::shock {
struct ShockState;
}

namespace vib::fuzz {

struct Outcome {
    bool read = false;  // the reader took the file
    std::string fault;  // empty when the properties held; otherwise what broke
};

Outcome RandomProfileOutcome(std::string_view bytes);
Outcome ShockProfileOutcome(std::string_view bytes);
Outcome WaveshapeOutcome(std::string_view bytes);
// A breakpoint list, as a CSV file and as a decimal-comma clipboard block.
Outcome BreakpointListOutcome(std::string_view bytes);

// The first difference between two states, every stored value compared by its bits;
// empty when they are the same.
std::string StateDifference(const random::RandomState& a, const random::RandomState& b);
std::string StateDifference(const shock::ShockState& a, const shock::ShockState& b);

}  // namespace vib::fuzz

// libFuzzer style: 0 when the properties held; a broken property aborts with its reason
// so the fuzzer keeps the input.
int CheckRandomProfileBytes(const uint8_t* data, size_t size);
int CheckShockProfileBytes(const uint8_t* data, size_t size);
int CheckWaveshapeBytes(const uint8_t* data, size_t size);
int CheckBreakpointListBytes(const uint8_t* data, size_t size);
