// The words for each command failure, in code page 936: the window shows
// them in its error box, the command line prints them after its own line.
#pragma once

#include "hosts/commands.h"

namespace ombrela {

const char* FailureMessage(CommandFailure failure);

}  // namespace ombrela
