#include "cli/console.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

namespace ombrela::cli {

namespace {

constexpr std::string_view kName = "ombrela-cli: ";
constexpr std::string_view kLineEnd = "\r\n";

void WriteAll(DWORD which, std::string_view text) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  // A pipe may take less than asked in one call.
  while (!text.empty()) {
    const DWORD count =
        static_cast<DWORD>(std::min<size_t>(text.size(), std::numeric_limits<DWORD>::max()));
    DWORD written = 0;
    if (!WriteFile(handle, text.data(), count, &written, nullptr) || written == 0) return;
    text.remove_prefix(written);
  }
}

}  // namespace

void WriteOut(std::string_view text) {
  WriteAll(STD_OUTPUT_HANDLE, text);
}

void WriteErr(std::string_view text) {
  WriteAll(STD_ERROR_HANDLE, text);
}

void WriteError(std::string_view english, std::string_view chinese) {
  // One write, so that the two lines stay together in a shared log.
  std::string lines;
  lines.append(kName).append("error: ").append(english).append(kLineEnd);
  lines.append(kName).append(chinese).append(kLineEnd);
  WriteErr(lines);
}

void WriteWarning(std::string_view english) {
  std::string line;
  line.append(kName).append("warning: ").append(english).append(kLineEnd);
  WriteErr(line);
}

}  // namespace ombrela::cli
