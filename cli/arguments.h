// The command line: one verb, at most the one option restore knows, or a
// request for help. Verbs and options are matched without regard to case,
// as Windows commands usually are.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ombrela::cli {

enum class Action { kStatus, kBlock, kRestore, kHelp, kUsageError };

struct Request {
  Action action = Action::kUsageError;
  bool keep_backup = false;  // restore only
  std::string problem;       // for a usage error: what is wrong, in words
};

// The arguments after the program's name.
Request ParseArguments(std::span<const std::string_view> arguments);

}  // namespace ombrela::cli
