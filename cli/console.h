// Plain bytes to standard output and standard error. Without a handle (a
// start-up script runs with none) the text is dropped: the exit code tells.
#pragma once

#include <string_view>

namespace ombrela::cli {

void WriteOut(std::string_view text);
void WriteErr(std::string_view text);

// An error on standard error: the English line, then the Chinese one (code
// page 936 bytes, as the window shows them), each after the program's name.
void WriteError(std::string_view english, std::string_view chinese);
void WriteWarning(std::string_view english);

}  // namespace ombrela::cli
