// Whether hosts file content carries the block marker anywhere. A NUL byte
// must not hide a marker behind it: each NUL-free stretch is searched.
#pragma once

#include "fileops/text.h"

namespace ombrela {

bool ContainsBlockMarker(const ByteSet& content);

}  // namespace ombrela
