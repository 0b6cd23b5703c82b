#include "flashguard/path_parts.h"

#include <windows.h>

namespace ombrela {

namespace {

// Offsets of the backslashes that are separators, not trail bytes.
std::vector<size_t> SeparatorOffsets(std::string_view path) {
  std::vector<size_t> offsets;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\') {
      offsets.push_back(i);
    }
  }
  return offsets;
}

}  // namespace

bool EndsWithBackslash(std::string_view path) {
  const std::vector<size_t> offsets = SeparatorOffsets(path);
  return !offsets.empty() && offsets.back() + 1 == path.size();
}

std::vector<std::string_view> SplitAtBackslashes(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t offset : SeparatorOffsets(path)) {
    parts.push_back(path.substr(start, offset - start));
    start = offset + 1;
  }
  parts.push_back(path.substr(start));
  return parts;
}

std::optional<ParentAndName> SplitParentAndName(std::string_view path) {
  std::vector<size_t> offsets = SeparatorOffsets(path);
  while (!offsets.empty() && offsets.back() + 1 == path.size()) {
    path.remove_suffix(1);
    offsets.pop_back();
  }
  if (offsets.empty()) return std::nullopt;
  const std::string_view name = path.substr(offsets.back() + 1);
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  return ParentAndName{Text(path.substr(0, offsets.back() + 1)), Text(name)};
}

Text ChildFinalPath(std::string_view parent_final, std::string_view name) {
  if (EndsWithBackslash(parent_final)) return ConcatText({parent_final, name});
  return ConcatText({parent_final, "\\", name});
}

}  // namespace ombrela
