#include "flashguard/entry_check.h"

#include <string>
#include <utility>

namespace ombrela {

namespace {

Text FinalPathOf(HANDLE entry) {
  Text path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleA(entry, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    // Too small: length is the size needed, terminator included.
    path.resize(length + 1);
  }
}

std::optional<std::wstring> Widen(std::string_view text) {
  if (text.size() > 32767) return std::nullopt;
  const int length = static_cast<int>(text.size());
  if (length == 0) return std::wstring();
  const int wide_length =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (wide_length <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), wide_length);
  return wide;
}

}  // namespace

UniqueFile OpenEntry(const Text& path, DWORD access, DWORD share) {
  return UniqueFile(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr));
}

std::optional<EntryFacts> ReadEntryFacts(HANDLE entry) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(entry, &information)) return std::nullopt;
  Text final_path = FinalPathOf(entry);
  if (final_path.empty()) return std::nullopt;
  return EntryFacts{information.dwFileAttributes, information.nNumberOfLinks,
                    std::move(final_path)};
}

EntryKind ClassifyEntry(const EntryFacts& facts, std::string_view expected_final,
                        DWORD listed_attributes) {
  if (!SamePath(facts.final_path, expected_final)) return EntryKind::kElsewhere;
  if (facts.attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::kLinkItself;
  // Listed as a link, yet the handle shows none: the open went through it.
  // INVALID_FILE_ATTRIBUTES carries this bit too, so an unknown entry counts.
  if (listed_attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::kElsewhere;
  if (facts.attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::kPlainFolder;
  return EntryKind::kPlainFile;
}

std::optional<InspectedEntry> InspectEntry(const Text& path, std::string_view expected_final,
                                           DWORD listed_attributes, DWORD access, DWORD share) {
  UniqueFile handle = OpenEntry(path, access, share);
  if (!handle) return std::nullopt;
  std::optional<EntryFacts> facts = ReadEntryFacts(handle.Get());
  if (!facts) return std::nullopt;
  const EntryKind kind = ClassifyEntry(*facts, expected_final, listed_attributes);
  return InspectedEntry{std::move(handle), std::move(*facts), kind};
}

bool SamePath(std::string_view a, std::string_view b) {
  const std::optional<std::wstring> wide_a = Widen(a);
  const std::optional<std::wstring> wide_b = Widen(b);
  if (!wide_a || !wide_b) return false;
  return CompareStringOrdinal(wide_a->data(), static_cast<int>(wide_a->size()), wide_b->data(),
                              static_cast<int>(wide_b->size()), TRUE) == CSTR_EQUAL;
}

}  // namespace ombrela
