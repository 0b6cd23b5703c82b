#include "cli/arguments.h"

namespace ombrela::cli {

namespace {

bool SameWord(std::string_view given, std::string_view word) {
  if (given.size() != word.size()) return false;
  for (size_t i = 0; i < given.size(); ++i) {
    char c = given[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

bool IsHelp(std::string_view argument) {
  return SameWord(argument, "--help") || SameWord(argument, "-h") || argument == "/?";
}

bool LooksLikeOption(std::string_view argument) {
  return !argument.empty() && (argument[0] == '-' || argument[0] == '/');
}

Request UsageError(std::string problem) {
  Request request;
  request.problem = std::move(problem);
  return request;
}

Request Unexpected(std::string_view verb, std::string_view argument) {
  std::string problem(LooksLikeOption(argument) ? "unknown option '" : "unexpected argument '");
  problem.append(argument).append("' for ").append(verb);
  return UsageError(std::move(problem));
}

}  // namespace

Request ParseArguments(std::span<const std::string_view> arguments) {
  // Help wins over everything else, so that "block --help" never blocks.
  for (std::string_view argument : arguments) {
    if (IsHelp(argument)) return Request{Action::kHelp};
  }
  if (arguments.empty()) return UsageError("no command given");

  const std::string_view verb = arguments.front();
  Request request;
  if (SameWord(verb, "status")) {
    request.action = Action::kStatus;
  } else if (SameWord(verb, "block")) {
    request.action = Action::kBlock;
  } else if (SameWord(verb, "restore")) {
    request.action = Action::kRestore;
  } else {
    return UsageError(std::string(LooksLikeOption(verb) ? "unknown option '" : "unknown command '")
                          .append(verb)
                          .append("'"));
  }

  for (std::string_view argument : arguments.subspan(1)) {
    if (request.action == Action::kRestore && SameWord(argument, "--keep-backup")) {
      request.keep_backup = true;
    } else {
      return Unexpected(verb, argument);
    }
  }
  return request;
}

}  // namespace ombrela::cli
