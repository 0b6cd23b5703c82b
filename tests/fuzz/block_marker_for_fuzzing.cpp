// Stands in for hosts/block_list.cpp in the fuzzer build: the marker search
// needs only BlockMarker, and this definition has no literal that needs
// converting to code page 936.
#include "hosts/block_list.h"
#include "tests/fuzz/block_marker_bytes.h"

namespace ombrela {

const std::string_view BlockMarker = fuzzing::kBlockMarkerBytes;

}  // namespace ombrela
