// Path pieces for the guard's folder work: the length limit of the ANSI file
// functions, and splitting at backslashes that are real separators (in code
// page 936 a backslash byte can be the second half of a character).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "fileops/text.h"

namespace ombrela {

// MAX_PATH less the terminator. Longer paths are refused, never cut.
inline constexpr size_t kMaxPathBytes = 259;
inline bool FitsMaxPath(std::string_view path) {
  return path.size() <= kMaxPathBytes;
}

bool EndsWithBackslash(std::string_view path);

// The parts between backslashes, empty ones included ("a\\b" has three).
std::vector<std::string_view> SplitAtBackslashes(std::string_view path);

struct ParentAndName {
  Text parent;  // up to and including the backslash before the name
  Text name;
};
// Trailing backslashes are not part of the name. Absent when there is no
// parent or the name is empty, "." or "..".
std::optional<ParentAndName> SplitParentAndName(std::string_view path);

// Where the platform should show an entry of a folder whose final path is
// parent_final.
Text ChildFinalPath(std::string_view parent_final, std::string_view name);

}  // namespace ombrela
