// Process entry of ombrela-cli.exe: read the command line, run one command,
// end with its exit code. Nothing is ever asked; no window is shown.
#include <windows.h>

#include <new>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/usage.h"
#include "cli/verbs.h"
#include "flashguard/flash_guard.h"

namespace {

// Without exceptions a failed allocation would abort, and abort's exit code 3
// would pass for "no backup". Say it and fail plainly instead.
void OutOfMemory() {
  ombrela::cli::WriteError("out of memory", "内存不足");
  ExitProcess(ombrela::cli::kExitFailed);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ombrela::cli;
  std::set_new_handler(OutOfMemory);
  // The guard deletes below the profile with administrator rights: refuse
  // junctions that a non-administrator planted, as the window does.
  ombrela::RefuseUntrustedRedirection();

  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const Request request = ParseArguments(arguments);
  switch (request.action) {
    case Action::kStatus:
      return RunStatus();
    case Action::kBlock:
      return RunBlock();
    case Action::kRestore:
      return RunRestore(request.keep_backup);
    case Action::kHelp:
      WriteOut(UsageText());
      return kExitDone;
    case Action::kUsageError:
      break;
  }
  WriteErr("ombrela-cli: " + request.problem + "\r\n\r\n");
  WriteErr(UsageText());
  return kExitUsage;
}
