// Replacing a file's contents so that it is never left empty or half written:
// the new bytes go to a temporary file beside it, which is then swapped in.
#pragma once

#include "fileops/text.h"

namespace ombrela {

// Makes the file at path hold exactly data. True only on full success; on any
// failure the file keeps its previous bytes (or stays absent) and no
// temporary file is left in its folder. A read-only target is refused.
bool ReplaceFileContents(const Text& path, const ByteSet& data);

}  // namespace ombrela
