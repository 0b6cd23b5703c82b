#include "flashguard/guard_file.h"

#include <windows.h>

#include <optional>

#include "fileops/unique_handle.h"
#include "flashguard/entry_check.h"
#include "flashguard/path_parts.h"

namespace ombrela {

namespace {

bool WriteAll(HANDLE file, const ByteSet& bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool MayRewrite(const EntryFacts& facts, std::string_view expected_final, DWORD listed) {
  constexpr DWORD kRefused =
      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  // A second name would carry the bytes into some other file as well.
  return ClassifyEntry(facts, expected_final, listed) == EntryKind::kPlainFile &&
         facts.link_count == 1 && !(facts.attributes & kRefused);
}

}  // namespace

bool WriteGuardFile(const Text& path, std::string_view expected_final, const ByteSet& bytes) {
  if (!FitsMaxPath(path)) return false;
  // CREATE_NEW never opens what is there already, a link included.
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_ARCHIVE, nullptr));
  if (file) return WriteAll(file.Get(), bytes);
  const DWORD error = GetLastError();
  if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;

  // Opened as it is, not cut: nothing changes before the handle is checked.
  // Without backup semantics a folder does not open.
  const DWORD listed = GetFileAttributesA(path.c_str());
  file.Reset(CreateFileA(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0, nullptr,
                         OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) return false;
  const std::optional<EntryFacts> facts = ReadEntryFacts(file.Get());
  if (!facts || !MayRewrite(*facts, expected_final, listed)) return false;
  return WriteAll(file.Get(), bytes) && SetEndOfFile(file.Get());
}

}  // namespace ombrela
