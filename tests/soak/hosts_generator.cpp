#include "tests/soak/hosts_generator.h"

#include <string_view>

namespace ombrela::testing {

namespace {

// Comments a Chinese user might keep, in code page 936: "我的打印机",
// "公司内网", "测试服务器".
constexpr std::string_view kComments[] = {
    "\xCE\xD2\xB5\xC4\xB4\xF2\xD3\xA1\xBB\xFA",
    "\xB9\xAB\xCB\xBE\xC4\xDA\xCD\xF8",
    "\xB2\xE2\xCA\xD4\xB7\xFE\xCE\xF1\xC6\xF7",
};

std::string Line(std::mt19937& random, const HostsShape& shape) {
  std::uniform_int_distribution<int> kind(0, shape.binary_lines ? 5 : 4);
  std::uniform_int_distribution<int> octet(1, 254);
  switch (kind(random)) {
    case 0:
      return "127.0.0.1 localhost";
    case 1:
      return "::1 localhost";
    case 2:
      return "10." + std::to_string(octet(random)) + "." + std::to_string(octet(random)) + "." +
             std::to_string(octet(random)) + " host" + std::to_string(octet(random)) + ".lan";
    case 3: {
      std::string comment = "# ";
      if (shape.double_byte) {
        std::uniform_int_distribution<size_t> which(0, std::size(kComments) - 1);
        comment += kComments[which(random)];
      } else {
        comment += "plain comment";
      }
      return comment;
    }
    case 4:
      return "0.0.0.0 ads" + std::to_string(octet(random)) + ".example.COM  # Blocked";
    default: {
      // Any bytes but NUL and line breaks; a lead byte may end the line.
      std::uniform_int_distribution<int> length(1, 60);
      std::uniform_int_distribution<int> value(1, 255);
      std::string bytes;
      for (int n = length(random); n > 0; --n) {
        int b = value(random);
        if (b == '\r' || b == '\n') b = ' ';
        bytes.push_back(static_cast<char>(b));
      }
      return bytes;
    }
  }
}

}  // namespace

HostsShape RandomShape(std::mt19937& random, size_t size) {
  std::bernoulli_distribution half(0.5);
  std::bernoulli_distribution rare(0.15);
  HostsShape shape;
  shape.size = size;
  shape.lf_only = half(random);
  shape.final_break = half(random);
  shape.nul_bytes = rare(random);
  shape.double_byte = half(random);
  shape.binary_lines = rare(random);
  return shape;
}

std::string GenerateHosts(std::mt19937& random, const HostsShape& shape) {
  const std::string_view line_break = shape.lf_only ? "\n" : "\r\n";
  std::bernoulli_distribution nul(0.02);
  std::string hosts;
  hosts.reserve(shape.size + 128);
  while (hosts.size() < shape.size) {
    hosts += Line(random, shape);
    if (shape.nul_bytes && nul(random)) hosts.push_back('\0');
    hosts += line_break;
  }
  if (!shape.final_break) {
    while (!hosts.empty() && (hosts.back() == '\n' || hosts.back() == '\r')) hosts.pop_back();
  }
  return hosts;
}

}  // namespace ombrela::testing
