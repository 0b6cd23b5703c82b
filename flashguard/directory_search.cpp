#include "flashguard/directory_search.h"

#include <windows.h>

#include "flashguard/path_parts.h"

namespace ombrela {

Text FindEntry(const Text& pattern, uint32_t mask, bool files_only, FindState& state) {
  WIN32_FIND_DATAA entry{};
  const auto matches = [&] {
    if (files_only) return !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    return (entry.dwFileAttributes & mask) != 0;
  };
  if (!pattern.empty()) {
    state.Reset();
    if (!FitsMaxPath(pattern)) return {};
    state.Reset(FindFirstFileA(pattern.c_str(), &entry));
    if (!state) return {};
    if (matches()) return entry.cFileName;
  }
  if (!state) return {};
  while (FindNextFileA(state.Get(), &entry)) {
    if (matches()) return entry.cFileName;
  }
  return {};
}

void CloseFind(FindState& state) {
  state.Reset();
}

Text FindThirdSubfolder(const Text& folder) {
  FindState state;
  Text name = FindEntry(ConcatText({folder, "\\*.*"}), FILE_ATTRIBUTE_DIRECTORY, false, state);
  for (int step = 0; step < 2; ++step) name = FindEntry({}, FILE_ATTRIBUTE_DIRECTORY, false, state);
  CloseFind(state);
  return name;
}

}  // namespace ombrela
