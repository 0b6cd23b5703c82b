// Runs the built ombrela-cli.exe as a child process and collects what it
// says on each stream and its exit code.
#pragma once

#include <string>

namespace ombrela::testing {

// Set by main from the test's first argument (a Linux path).
extern std::string cli_path;

struct CliResult {
  unsigned long exit_code = 0;
  std::string out;
  std::string err;
};

// The exit code is kCliDidNotEnd when the child had to be ended by force.
constexpr unsigned long kCliDidNotEnd = 0xDEAD;
CliResult RunCli(const std::string& arguments);

}  // namespace ombrela::testing
