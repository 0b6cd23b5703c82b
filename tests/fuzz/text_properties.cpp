// The properties, each checked against the definition it comes from: a
// character starts where the walk from byte 0 (a byte >= 0x80 takes the next
// one with it) lands, and A-Z equal a-z, nothing else folds.
#include "tests/fuzz/text_properties.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "fileops/text.h"
#include "hosts/block_list.h"
#include "hosts/marker_search.h"

namespace ombrela::fuzzing {

namespace {

using Bytes = std::string;  // raw bytes, NUL included

unsigned char At(std::string_view s, size_t i) {
  return static_cast<unsigned char>(s[i]);
}

unsigned char Fold(unsigned char b) {
  return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
}

// Every character start of s, in order.
std::vector<size_t> CharacterStarts(std::string_view s) {
  std::vector<size_t> starts;
  for (size_t p = 0; p < s.size(); p += At(s, p) >= 0x80 ? 2 : 1) starts.push_back(p);
  return starts;
}

bool EndsOnACharacterBoundary(std::string_view s) {
  size_t p = 0;
  while (p < s.size()) p += At(s, p) >= 0x80 ? 2 : 1;
  return p == s.size();
}

bool FoldedMatchAt(std::string_view haystack, std::string_view needle, size_t p) {
  if (p + needle.size() > haystack.size()) return false;
  for (size_t i = 0; i < needle.size(); ++i)
    if (Fold(At(haystack, p + i)) != Fold(At(needle, i))) return false;
  return true;
}

// The start of the first character at which the needle matches, if any.
std::optional<size_t> FirstMatchingStart(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return std::nullopt;
  for (size_t p : CharacterStarts(haystack))
    if (FoldedMatchAt(haystack, needle, p)) return p;
  return std::nullopt;
}

Bytes Upper(std::string_view s) {
  Bytes out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  return out;
}

Bytes Lower(std::string_view s) {
  Bytes out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return out;
}

ByteSet AsByteSet(std::string_view s) {
  return ByteSet(s.begin(), s.end());
}

std::string_view AsView(const ByteSet& b) {
  return std::string_view(reinterpret_cast<const char*>(b.data()), b.size());
}

// Collects the first violation only: later ones usually follow from it.
class Report {
 public:
  void Check(bool holds, const char* what) {
    if (!holds && first_.empty()) first_ = what;
  }
  std::string Take() { return first_; }

 private:
  std::string first_;
};

void CheckFindText(std::string_view haystack, std::string_view needle, unsigned choice,
                   Report& report) {
  const int32_t found = FindText(haystack, needle);
  if (needle.empty()) {
    report.Check(found == -1, "FindText: an empty needle must give -1");
    return;
  }
  if (needle.size() > haystack.size()) {
    report.Check(found == -1, "FindText: a needle longer than the haystack must give -1");
  }
  const std::optional<size_t> expected = FirstMatchingStart(haystack, needle);
  if (found != -1) {
    report.Check(found >= 1, "FindText: a position is 1-based");
    const size_t p = static_cast<size_t>(found >= 1 ? found - 1 : 0);
    report.Check(FoldedMatchAt(haystack, needle, p), "FindText: reported position does not match");
    const std::vector<size_t> starts = CharacterStarts(haystack);
    bool on_boundary = false;
    for (size_t s : starts) on_boundary = on_boundary || s == p;
    report.Check(on_boundary, "FindText: match reported inside a character");
    report.Check(expected && *expected == p, "FindText: an earlier character start matches");
  } else {
    report.Check(!expected, "FindText: -1 although a character start matches");
  }

  // Case never matters, on either side.
  report.Check(FindText(Upper(haystack), Lower(needle)) == found,
               "FindText: result changes when the haystack is upper-cased");
  report.Check(FindText(Lower(haystack), Upper(needle)) == found,
               "FindText: result changes when the needle is upper-cased");

  // A whole character in front shifts every later match by its width and
  // can only add matches that begin inside it.
  static constexpr std::string_view kPrefixes[] = {"z", "\xB0\xA1", "\x81\x41", "\r\n"};
  const std::string_view prefix = kPrefixes[choice % 4];
  const int32_t shifted = FindText(Bytes(prefix) + Bytes(haystack), needle);
  const int32_t width = static_cast<int32_t>(prefix.size());
  if (shifted > width) {
    report.Check(found != -1 && shifted == found + width, "FindText: a prefix moved the match");
  } else if (shifted == -1) {
    report.Check(found == -1, "FindText: a prefix hid the match");
  }

  // Appending bytes never moves the first match later.
  const int32_t extended = FindText(Bytes(haystack) + "\xC6" + Bytes(needle), needle);
  if (found != -1) {
    report.Check(extended >= 1 && extended <= found, "FindText: appending moved the match later");
  }
  // A needle put right after a haystack that ends on a boundary is found.
  if (EndsOnACharacterBoundary(haystack)) {
    const int32_t joined = FindText(ConcatText({haystack, needle}), needle);
    report.Check(joined >= 1 && static_cast<size_t>(joined) <= haystack.size() + 1,
                 "FindText: a needle appended at a boundary is not found");
  }
}

// The marker is present when some NUL-free stretch, walked from its own
// start, has a character start where the folded marker matches.
bool MarkerInSomeStretch(std::string_view content) {
  size_t begin = 0;
  while (begin <= content.size()) {
    size_t end = content.find('\0', begin);
    if (end == std::string_view::npos) end = content.size();
    if (FirstMatchingStart(content.substr(begin, end - begin), BlockMarker)) return true;
    begin = end + 1;
  }
  return false;
}

bool FindTextInSomeStretch(std::string_view content) {
  size_t begin = 0;
  while (begin <= content.size()) {
    size_t end = content.find('\0', begin);
    if (end == std::string_view::npos) end = content.size();
    if (FindText(content.substr(begin, end - begin), BlockMarker) != -1) return true;
    begin = end + 1;
  }
  return false;
}

void CheckMarker(const Bytes& content, Report& report) {
  const bool contains = ContainsBlockMarker(AsByteSet(content));
  report.Check(contains == MarkerInSomeStretch(content),
               "ContainsBlockMarker: disagrees with a folded match in a NUL-free stretch");
  report.Check(contains == FindTextInSomeStretch(content),
               "ContainsBlockMarker: disagrees with FindText over the NUL-free stretches");
  // After a NUL the walk starts afresh, so a marker there always counts.
  report.Check(ContainsBlockMarker(AsByteSet(content + '\0' + Upper(BlockMarker))),
               "ContainsBlockMarker: marker after a NUL not found");
  report.Check(ContainsBlockMarker(AsByteSet(Lower(BlockMarker) + '\0' + content)),
               "ContainsBlockMarker: marker before a NUL not found");
}

void CheckConversions(std::string_view first, std::string_view second, int8_t count,
                      Report& report) {
  const ByteSet bytes = AsByteSet(second);
  const size_t nul = second.find('\0');
  const std::string_view before_nul = second.substr(0, nul);

  const Text text = BytesToText(bytes);
  report.Check(text == before_nul, "BytesToText: not the bytes before the first NUL");
  report.Check(TextToBytes(text) == AsByteSet(before_nul),
               "TextToBytes(BytesToText(b)) is not b up to its first NUL");
  report.Check((TextToBytes(BytesToText(bytes)) == bytes) == (nul == std::string_view::npos),
               "BytesToText dropped bytes although there was no NUL");
  report.Check(BytesToText(TextToBytes(text)) == text, "BytesToText(TextToBytes(t)) is not t");
  report.Check(AsView(TextToBytes(first)) == first, "TextToBytes: not the text's bytes");

  const ByteSet a = AsByteSet(first);
  const ByteSet both = ConcatBytes({&a, &bytes});
  report.Check(
      both.size() == a.size() + bytes.size() && AsView(both) == Bytes(first) + Bytes(second),
      "ConcatBytes: not the parts in order");
  const ByteSet empty;
  report.Check(
      ConcatBytes({&bytes, nullptr, &empty, &a}) == AsByteSet(Bytes(second) + Bytes(first)),
      "ConcatBytes: an absent or empty part added something");
  report.Check(ConcatText({first, second, first}) == Bytes(first) + Bytes(second) + Bytes(first),
               "ConcatText: not the parts in order");

  const std::optional<Text> blanks = BlankText(count);
  if (count < 1) {
    report.Check(!blanks, "BlankText: a count below 1 must give nothing");
  } else {
    report.Check(blanks && *blanks == Text(static_cast<size_t>(count), ' '),
                 "BlankText: not that many blanks");
  }
}

}  // namespace

std::string CheckTextProperties(const uint8_t* data, size_t size) {
  // Layout: needle length, choices, splice position (2 bytes), needle, haystack.
  auto byte = [&](size_t i) { return i < size ? data[i] : uint8_t{0}; };
  const size_t head = size < 4 ? size : 4;
  const std::string_view rest(reinterpret_cast<const char*>(data) + head, size - head);
  const size_t needle_length = std::min<size_t>(byte(0) % 64u, rest.size());
  const std::string_view needle = rest.substr(0, needle_length);
  const std::string_view haystack = rest.substr(needle_length);
  const unsigned choice = byte(1);
  const size_t splice_at = (static_cast<size_t>(byte(2)) << 8 | byte(3)) % (haystack.size() + 1);

  Report report;
  CheckFindText(haystack, needle, choice, report);

  Bytes content(haystack);
  if (choice & 0x10) {
    // The marker put in somewhere, maybe in other case, so that its search
    // is exercised around NULs and inside double-byte runs.
    const Bytes marker = (choice & 0x20) ? Lower(BlockMarker) : Upper(BlockMarker);
    content.insert(splice_at, marker);
  }
  CheckMarker(content, report);
  CheckConversions(needle, haystack, static_cast<int8_t>(byte(1) ^ byte(2)), report);
  return report.Take();
}

}  // namespace ombrela::fuzzing
