// Replaces one host's Flash Player shared-object folder with a plain file, at
// two locations below the user's application-data folder, without ever
// following a link.
#pragma once

namespace ombrela {

// Nothing is reported; an empty application-data folder means do nothing.
void GuardFlashStorage();

// Asks the platform to refuse junctions made by non-administrators; its
// absence or failure is ignored.
void RefuseUntrustedRedirection();

}  // namespace ombrela
