// The plain file that takes the place of a shared-object folder, written
// without following a link.
#pragma once

#include <string_view>

#include "fileops/text.h"

namespace ombrela {

// Creates the file at `path` with exactly these bytes. An existing entry is
// rewritten only when the open handle shows a plain file at expected_final
// with a single name, and not read-only, hidden or system (the attributes
// under which creating over it is refused). True when every byte was written.
bool WriteGuardFile(const Text& path, std::string_view expected_final, const ByteSet& bytes);

}  // namespace ombrela
