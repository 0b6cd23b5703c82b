// Pure text and byte operations over code page 936 data. No Windows header:
// this part also builds natively, for sanitizers and fuzzing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrela {

// A code page 936 byte string that holds no NUL byte.
using Text = std::string;
// A counted buffer of whole-file contents; may hold NUL bytes.
using ByteSet = std::vector<unsigned char>;

// n blanks; absent for n < 1.
std::optional<Text> BlankText(int32_t count);
// The bytes before the first NUL.
Text BytesToText(const ByteSet& bytes);
// The text's bytes, without a terminator.
ByteSet TextToBytes(std::string_view text);
// All parts in order (two or more).
Text ConcatText(std::initializer_list<std::string_view> parts);
// All parts in order (two or more), nothing put between them.
ByteSet ConcatBytes(std::initializer_list<const ByteSet*> parts);
// 1-based byte position of the first match, or -1. A-Z fold to a-z on both
// sides; the walk steps by whole characters (a byte >= 0x80 starts a two-byte
// character), so a match only begins where a character begins.
int32_t FindText(std::string_view haystack, std::string_view needle);

}  // namespace ombrela
