// Pure text and byte operations. Kept free of any Windows header so that the
// same file builds natively under sanitizers and a fuzzer.
#include "fileops/text.h"

#include <algorithm>
#include <limits>

namespace ombrela {

namespace {

// A-Z become a-z; every other byte, DBCS halves included, stays as it is.
unsigned char FoldAsciiUpper(unsigned char byte) {
  return (byte >= 0x41 && byte <= 0x5A) ? static_cast<unsigned char>(byte + 32) : byte;
}

bool EqualFolded(const char* a, const char* b, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (FoldAsciiUpper(static_cast<unsigned char>(a[i])) !=
        FoldAsciiUpper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::optional<Text> BlankText(int32_t count) {
  if (count < 1) return std::nullopt;
  return Text(static_cast<size_t>(count), ' ');
}

Text BytesToText(const ByteSet& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), 0);
  return Text(bytes.begin(), end);
}

ByteSet TextToBytes(std::string_view text) {
  return ByteSet(text.begin(), text.end());
}

Text ConcatText(std::initializer_list<std::string_view> parts) {
  size_t total = 0;
  for (std::string_view part : parts) total += part.size();
  Text result;
  result.reserve(total);
  for (std::string_view part : parts) result.append(part);
  return result;
}

ByteSet ConcatBytes(std::initializer_list<const ByteSet*> parts) {
  size_t total = 0;
  for (const ByteSet* part : parts)
    if (part) total += part->size();
  ByteSet result;
  result.reserve(total);
  for (const ByteSet* part : parts)
    if (part) result.insert(result.end(), part->begin(), part->end());
  return result;
}

int32_t FindText(std::string_view haystack, std::string_view needle) {
  const size_t length = haystack.size();
  const size_t width = needle.size();
  if (length == 0 || width == 0 || width > length) return -1;
  // The result is a signed 32-bit position: a match that would start beyond
  // it cannot be reported, so the walk stops there.
  constexpr size_t kLastReportable = static_cast<size_t>(std::numeric_limits<int32_t>::max()) - 1;
  const size_t last_start = std::min(length - width, kLastReportable);
  size_t p = 0;
  while (p <= last_start) {
    if (EqualFolded(haystack.data() + p, needle.data(), width)) return static_cast<int32_t>(p + 1);
    // Step over a whole character: a lead byte >= 0x80 takes its trail byte.
    p += static_cast<unsigned char>(haystack[p]) >= 0x80 ? 2 : 1;
  }
  return -1;
}

}  // namespace ombrela
