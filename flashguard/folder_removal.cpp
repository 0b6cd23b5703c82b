#include "flashguard/folder_removal.h"

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "flashguard/entry_check.h"
#include "flashguard/folder_chain.h"
#include "flashguard/path_parts.h"

namespace ombrela {

namespace {

// Delete access to remove the entry through this very handle; listing access
// for a folder's entries. Shared for reading only: while it is held the entry
// can be neither renamed nor deleted by anyone else.
constexpr DWORD kRemoveAccess = DELETE | FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD kListAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD kHeldShare = FILE_SHARE_READ;

// FileDispositionInfoEx and its flags, which older headers lack.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x1;
constexpr DWORD kDispositionPosixSemantics = 0x2;
struct DispositionInfoEx {
  DWORD flags;
};

struct ListedEntry {
  Text name;
  DWORD attributes;
};

// The entry goes when the handle closes. The name goes at once where the
// platform can, so that the parent folder is empty when its turn comes.
// Read-only entries are refused either way.
bool MarkForDeletion(HANDLE entry) {
  DispositionInfoEx posix{kDispositionDelete | kDispositionPosixSemantics};
  if (SetFileInformationByHandle(entry, kFileDispositionInfoEx, &posix, sizeof posix)) return true;
  FILE_DISPOSITION_INFO classic{TRUE};
  return SetFileInformationByHandle(entry, FileDispositionInfo, &classic, sizeof classic) != FALSE;
}

// A name the ANSI functions can reach; absent when the code page lacks one of
// its characters.
std::optional<Text> AnsiName(const WCHAR* name, DWORD bytes) {
  const int length = static_cast<int>(bytes / sizeof(WCHAR));
  if (length == 0) return Text();
  BOOL lossy = FALSE;
  const int ansi_length =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, length, nullptr, 0, nullptr, &lossy);
  if (ansi_length <= 0 || lossy) return std::nullopt;
  Text ansi(static_cast<size_t>(ansi_length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, length, ansi.data(), ansi_length, nullptr,
                      &lossy);
  if (lossy) return std::nullopt;
  return ansi;
}

// The entries of the held folder itself (not of whatever its path names by
// now), "." and ".." left out.
std::optional<std::vector<ListedEntry>> ListEntries(HANDLE folder) {
  std::vector<ULONGLONG> buffer(8192);  // 64 KiB, aligned for the records
  const DWORD buffer_bytes = static_cast<DWORD>(buffer.size() * sizeof(buffer[0]));
  std::vector<ListedEntry> entries;
  FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
  while (GetFileInformationByHandleEx(folder, request, buffer.data(), buffer_bytes)) {
    request = FileIdBothDirectoryInfo;
    const auto* record = reinterpret_cast<const unsigned char*>(buffer.data());
    for (;;) {
      const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(record);
      std::optional<Text> name = AnsiName(info->FileName, info->FileNameLength);
      if (!name) return std::nullopt;
      if (*name != "." && *name != "..")
        entries.push_back({std::move(*name), info->FileAttributes});
      if (info->NextEntryOffset == 0) break;
      record += info->NextEntryOffset;
    }
  }
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return entries;
}

bool RemoveEntry(const Text& path, std::string_view expected_final, DWORD listed_attributes,
                 bool folders_only);

// Empties the folder held by `folder`; path and final_path are its own.
bool EmptyHeldFolder(HANDLE folder, const Text& path, std::string_view final_path) {
  const Text prefix = EndsWithBackslash(path) ? path : ConcatText({path, "\\"});
  // The search pattern prefix + "*" must fit as well.
  if (!FitsMaxPath(ConcatText({prefix, "*"}))) return false;
  std::optional<std::vector<ListedEntry>> entries = ListEntries(folder);
  if (!entries) return false;
  for (const ListedEntry& entry : *entries) {
    const Text child = ConcatText({prefix, entry.name});
    if (!RemoveEntry(child, ChildFinalPath(final_path, entry.name), entry.attributes, false)) {
      return false;
    }
  }
  return true;
}

// Removes a folder with its content, a plain file, or a link as a link.
bool RemoveEntry(const Text& path, std::string_view expected_final, DWORD listed_attributes,
                 bool folders_only) {
  if (!FitsMaxPath(path)) return false;
  std::optional<InspectedEntry> entry =
      InspectEntry(path, expected_final, listed_attributes, kRemoveAccess, kHeldShare);
  if (!entry) return false;
  if (folders_only && !(entry->facts.attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  switch (entry->kind) {
    case EntryKind::kPlainFolder:
      return EmptyHeldFolder(entry->handle.Get(), path, entry->facts.final_path) &&
             MarkForDeletion(entry->handle.Get());
    case EntryKind::kPlainFile:
    case EntryKind::kLinkItself:
      return MarkForDeletion(entry->handle.Get());
    case EntryKind::kElsewhere:
      break;
  }
  return false;
}

}  // namespace

bool RemoveFolder(const Text& path) {
  if (path.empty() || path == "\\") return false;
  if (!FitsMaxPath(path)) return false;
  std::optional<HeldParent> parent = HoldParentOf(path);
  if (!parent) return false;
  return RemoveFolderIn(parent->folder.final_path, path, parent->name);
}

bool RemoveFolderIn(std::string_view parent_final, const Text& path, std::string_view name) {
  return RemoveEntry(path, ChildFinalPath(parent_final, name), GetFileAttributesA(path.c_str()),
                     true);
}

bool EmptyFolder(const Text& path) {
  if (!FitsMaxPath(path)) return false;
  std::optional<HeldParent> parent = HoldParentOf(path);
  if (!parent) return false;
  std::optional<InspectedEntry> folder =
      InspectEntry(path, ChildFinalPath(parent->folder.final_path, parent->name),
                   GetFileAttributesA(path.c_str()), kListAccess, kHeldShare);
  if (!folder || folder->kind != EntryKind::kPlainFolder) return false;
  return EmptyHeldFolder(folder->handle.Get(), path, folder->facts.final_path);
}

}  // namespace ombrela
