// The fuzzer's kept corpus, replayed through its properties in the native
// sanitizer build, where the real block list is compiled in; and the marker
// bytes the fuzzer build uses instead, checked against it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hosts/block_list.h"
#include "tests/fuzz/block_marker_bytes.h"
#include "tests/fuzz/text_properties.h"

namespace ombrela {
namespace {

TEST(FuzzMarkerTest, IsTheProgramsBlockMarker) {
  EXPECT_EQ(fuzzing::kBlockMarkerBytes, BlockMarker);
}

TEST(CorpusReplayTest, EveryKeptInputKeepsEveryProperty) {
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(OMBRELA_FUZZ_CORPUS))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  ASSERT_FALSE(inputs.empty()) << "no corpus in " << OMBRELA_FUZZ_CORPUS;
  for (const auto& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    EXPECT_EQ(
        fuzzing::CheckTextProperties(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
        "")
        << path.filename();
  }
}

}  // namespace
}  // namespace ombrela
