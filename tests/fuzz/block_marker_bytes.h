// The block marker's code page 936 bytes written as hex escapes, for builds
// whose compiler cannot turn the program's UTF-8 literals into code page 936
// (clang, for the fuzzer). The native suite checks them against BlockMarker.
#pragma once

#include <string_view>

namespace ombrela::fuzzing {

inline constexpr std::string_view kBlockMarkerBytes =
    "\xC6\xC1\xB1\xCE\xCA\xD3\xC6\xB5\xCD\xF8\xD5\xBE\xB9\xE3\xB8\xE6"
    " QQ:Kalvireth";

}  // namespace ombrela::fuzzing
