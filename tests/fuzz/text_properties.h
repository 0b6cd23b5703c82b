// What must hold for the pure text operations and the marker search on any
// input, stated as properties of the results rather than as a second copy of
// the algorithms. Shared by the fuzzer (clang) and the native suite, which
// replays the kept corpus through the same checks (g++).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ombrela::fuzzing {

// One fuzz input, taken apart into a needle, a haystack and a few choices.
// Empty when every property holds, else what went wrong, for the report.
std::string CheckTextProperties(const uint8_t* data, size_t size);

}  // namespace ombrela::fuzzing
