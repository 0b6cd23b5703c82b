// Tells a plain folder or file from a link, on a handle opened on the entry.
// Platforms show a link in different ways, so two signs are read: the reparse
// attribute (where the open reached the link itself) and the final path
// (where the open went on to the link's target).
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "fileops/text.h"
#include "fileops/unique_handle.h"

namespace ombrela {

// Opens an existing file or folder as itself, not what a link names, where
// the platform allows that.
UniqueFile OpenEntry(const Text& path, DWORD access, DWORD share);

struct EntryFacts {
  DWORD attributes = 0;  // of the object the handle holds
  DWORD link_count = 0;  // its names (hard links)
  Text final_path;       // where the platform says the handle is
};
std::optional<EntryFacts> ReadEntryFacts(HANDLE entry);

enum class EntryKind {
  kPlainFolder,
  kPlainFile,
  kLinkItself,  // the handle holds the link, at its own place: may go as a link
  kElsewhere,   // a link that was followed, or unreadable: never touched
};

// expected_final is the parent's final path with the name joined to it;
// listed_attributes are what the folder listing or GetFileAttributesA said.
EntryKind ClassifyEntry(const EntryFacts& facts, std::string_view expected_final,
                        DWORD listed_attributes);

struct InspectedEntry {
  UniqueFile handle;
  EntryFacts facts;
  EntryKind kind = EntryKind::kElsewhere;
};
// Opens the entry and classifies it; absent when it cannot be opened or read.
std::optional<InspectedEntry> InspectEntry(const Text& path, std::string_view expected_final,
                                           DWORD listed_attributes, DWORD access, DWORD share);

// The platform's comparison of names: ordinal, case ignored.
bool SamePath(std::string_view a, std::string_view b);

}  // namespace ombrela
