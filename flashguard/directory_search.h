// The directory search by which the guard finds the player's own folder level
// in the shared-object root: entries in the platform's order, "." and ".."
// among them.
#pragma once

#include <cstdint>

#include "fileops/text.h"
#include "fileops/unique_handle.h"

namespace ombrela {

// The running search. No search and one that failed to start are both the
// invalid handle; neither yields entries.
using FindState = UniqueFind;

// A non-empty pattern starts a new search (ending the running one); an empty
// pattern continues. An entry matches, with files_only, when it is no
// directory; otherwise when its attributes share a bit with mask. Gives the
// next matching entry's long name, or empty when the search cannot start or
// runs out.
Text FindEntry(const Text& pattern, uint32_t mask, bool files_only, FindState& state);

// Ends the search; nothing to do when none runs.
void CloseFind(FindState& state);

// The folder's third directory entry, "." and ".." counted, files passed
// over. Empty when there are fewer or the folder cannot be searched.
Text FindThirdSubfolder(const Text& folder);

}  // namespace ombrela
