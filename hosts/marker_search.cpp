#include "hosts/marker_search.h"

#include <climits>
#include <cstring>
#include <string_view>

#include "hosts/block_list.h"

namespace ombrela {

namespace {

unsigned char FoldAsciiUpper(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool IsFoldedLetter(unsigned char byte) {
  return byte >= 'a' && byte <= 'z';
}

// The plain form: FindText on each NUL-free stretch, from the stretch's start.
bool ContainsInStretches(const ByteSet& content, std::string_view marker) {
  const unsigned char* const data = content.data();
  const size_t size = content.size();
  size_t begin = 0;
  while (begin < size) {
    const void* nul = std::memchr(data + begin, 0, size - begin);
    const size_t end =
        nul ? static_cast<size_t>(static_cast<const unsigned char*>(nul) - data) : size;
    std::string_view stretch(reinterpret_cast<const char*>(data + begin), end - begin);
    if (FindText(stretch, marker) != -1) return true;
    begin = end + 1;
  }
  return false;
}

// The same answer in about the time of one memchr pass. It rests on three
// facts: a byte below 0x80 (NUL included) is never a lead byte, so the byte
// after it always begins a character, in the whole file and in a stretch
// alike; within a run of bytes >= 0x80 that begins at a character start,
// characters begin at even distances; and a marker without NUL never matches
// across one. So only the places where the marker's first byte occurs are
// looked at, and whether one begins a character is told from the run of
// high bytes just before it, never from further back than the last place
// already known to begin one.
bool ContainsBySkipping(const ByteSet& content, std::string_view marker) {
  const unsigned char* const data = content.data();
  const size_t size = content.size();
  const size_t width = marker.size();
  const unsigned char first = static_cast<unsigned char>(marker[0]);

  size_t known = 0;  // begins a character; nothing before it can match
  while (known + width <= size) {
    const void* hit = std::memchr(data + known, first, size - known - width + 1);
    if (!hit) return false;
    const size_t at = static_cast<size_t>(static_cast<const unsigned char*>(hit) - data);
    size_t high_run = 0;
    while (at - high_run > known && data[at - high_run - 1] >= 0x80) ++high_run;
    if (high_run % 2 != 0) {
      known = at + 1;  // at is a trail byte; its character ends there
      continue;
    }
    size_t i = 1;
    while (i < width &&
           FoldAsciiUpper(data[at + i]) == FoldAsciiUpper(static_cast<unsigned char>(marker[i])))
      ++i;
    if (i == width) return true;
    known = at + (first >= 0x80 ? 2 : 1);
  }
  return false;
}

}  // namespace

bool ContainsBlockMarker(const ByteSet& content) {
  const std::string_view marker = BlockMarker;
  if (marker.empty() || marker.find('\0') != std::string_view::npos) return false;
  // The skipping search needs a first byte that matches only itself, and a
  // file small enough that FindText's 32-bit positions never cut a stretch
  // short; anything else takes the plain form.
  const unsigned char first = FoldAsciiUpper(static_cast<unsigned char>(marker[0]));
  if (IsFoldedLetter(first) || content.size() > static_cast<size_t>(INT32_MAX))
    return ContainsInStretches(content, marker);
  return ContainsBySkipping(content, marker);
}

}  // namespace ombrela
