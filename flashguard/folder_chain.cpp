#include "flashguard/folder_chain.h"

#include <utility>

#include "flashguard/entry_check.h"
#include "flashguard/path_parts.h"

namespace ombrela {

namespace {

// No FILE_SHARE_DELETE: a rename needs delete access, so it is refused while
// the folder is held. Others may still read and add entries.
constexpr DWORD kHoldShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD kHoldAccess = FILE_READ_ATTRIBUTES | SYNCHRONIZE;

std::optional<HeldFolder> HoldAsGiven(const Text& path) {
  UniqueFile handle = OpenEntry(path, kHoldAccess, kHoldShare);
  if (!handle) return std::nullopt;
  std::optional<EntryFacts> facts = ReadEntryFacts(handle.Get());
  if (!facts || !(facts->attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  return HeldFolder{std::move(handle), std::move(facts->final_path)};
}

}  // namespace

std::optional<std::vector<HeldFolder>> HoldFolderChain(const Text& base, std::string_view below) {
  std::optional<HeldFolder> base_folder = HoldAsGiven(base);
  if (!base_folder) return std::nullopt;
  std::vector<HeldFolder> chain;
  chain.push_back(std::move(*base_folder));
  Text path = base;
  for (std::string_view part : SplitAtBackslashes(below)) {
    if (part.empty()) continue;
    path = ConcatText({path, "\\", part});
    if (!FitsMaxPath(path)) return std::nullopt;
    std::optional<InspectedEntry> entry =
        InspectEntry(path, ChildFinalPath(chain.back().final_path, part),
                     GetFileAttributesA(path.c_str()), kHoldAccess, kHoldShare);
    if (!entry || entry->kind != EntryKind::kPlainFolder) return std::nullopt;
    chain.push_back(HeldFolder{std::move(entry->handle), std::move(entry->facts.final_path)});
  }
  return chain;
}

std::optional<HeldParent> HoldParentOf(const Text& path) {
  std::optional<ParentAndName> parts = SplitParentAndName(path);
  if (!parts) return std::nullopt;
  std::optional<HeldFolder> parent = HoldAsGiven(parts->parent);
  if (!parent) return std::nullopt;
  return HeldParent{std::move(*parent), std::move(parts->name)};
}

}  // namespace ombrela
