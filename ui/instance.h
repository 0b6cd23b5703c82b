// Process-wide values that start-up sets and the window layer reads.
#pragma once

#include <windows.h>

namespace ombrela {

// The executable's module handle, for every class, window and resource.
extern HINSTANCE InstanceHandle;
// Default control identifiers come from here; start-up sets it to 500.
extern int ControlIdCounter;

}  // namespace ombrela
