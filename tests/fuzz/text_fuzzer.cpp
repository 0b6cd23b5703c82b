// libFuzzer entry: every input is checked against the text and marker-search
// properties; a violation is printed and ends the run as a crash, so that
// libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/text_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string violation = ombrela::fuzzing::CheckTextProperties(data, size);
  if (!violation.empty()) {
    std::fprintf(stderr, "property violated: %s\n", violation.c_str());
    std::abort();
  }
  return 0;
}
