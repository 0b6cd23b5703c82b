// The two ways the program ends on its own: memory exhausted, or an internal
// rule broken. Both tell the user in a box and end with exit code 0.
#pragma once

namespace ombrela {

[[noreturn]] void FatalOutOfMemory();
[[noreturn]] void FatalInternalError(int number);

}  // namespace ombrela
