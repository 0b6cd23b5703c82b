// Hosts files as users have them, generated: CRLF or LF line breaks, with or
// without a final one, code page 936 comments, stray NUL bytes, empty files,
// and files of several megabytes. None carries the block marker.
#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace ombrela::testing {

struct HostsShape {
  size_t size = 0;            // about this many bytes (0: empty)
  bool lf_only = false;       // "\n" instead of "\r\n"
  bool final_break = true;    // the last line ends with a line break
  bool nul_bytes = false;     // NUL bytes sprinkled in, as some editors leave them
  bool double_byte = true;    // comments in code page 936
  bool binary_lines = false;  // lines of arbitrary bytes 01-FF
};

HostsShape RandomShape(std::mt19937& random, size_t size);
std::string GenerateHosts(std::mt19937& random, const HostsShape& shape);

}  // namespace ombrela::testing
