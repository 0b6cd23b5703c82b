// Folders held open so that nobody can rename or replace them while the guard
// works below them: a path built under the last one then still leads where it
// was checked.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "fileops/text.h"
#include "fileops/unique_handle.h"

namespace ombrela {

struct HeldFolder {
  UniqueFile handle;
  Text final_path;
};

// The base as given (trusted), then each part of `below` in turn, checked to be
// a plain folder (no link) where its parent's final path says. Empty parts, as
// in a doubled backslash, name no folder. Absent when a part is missing, is no
// folder or is a link; the result is never empty.
std::optional<std::vector<HeldFolder>> HoldFolderChain(const Text& base, std::string_view below);

// The folder that holds `path`'s last part, held as given, with that part's name.
struct HeldParent {
  HeldFolder folder;
  Text name;
};
std::optional<HeldParent> HoldParentOf(const Text& path);

}  // namespace ombrela
