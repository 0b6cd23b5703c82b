// Removal of a folder with everything in it, without ever following a link.
// A link met on the way goes as a link where the handle holds the link itself;
// otherwise it stays and the removal stops with false. Each folder is held,
// shared for reading only, from the check until it is gone.
#pragma once

#include <string_view>

#include "fileops/text.h"

namespace ombrela {

// True only when the folder itself is gone. "" and "\" give false, touching
// nothing; so does a path longer than 259 bytes.
bool RemoveFolder(const Text& path);

// Deletes everything inside the folder, depth first, in the platform's order,
// stopping at the first entry that cannot go (a read-only file, a file in use,
// a link, a path over 259 bytes). The folder itself stays.
bool EmptyFolder(const Text& path);

// RemoveFolder for `name` inside a folder that the caller holds and whose
// final path is parent_final; path is the folder's path as built.
bool RemoveFolderIn(std::string_view parent_final, const Text& path, std::string_view name);

}  // namespace ombrela
