// Process entry: construct the globals, run the program, tear down in order.
#include <windows.h>

#include <cstdlib>

#include "app/globals.h"
#include "app/program.h"
#include "flashguard/flash_guard.h"
#include "ui/handle_map.h"

namespace {

void ExitHandler() {
  ombrela::DestroyGlobals();
  ombrela::ReleaseHandleMap();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The guard deletes below the user's profile with administrator rights:
  // ask the platform to refuse junctions that a non-administrator planted.
  ombrela::RefuseUntrustedRedirection();
  ombrela::ConstructGlobals();
  ombrela::CreateHandleMap();
  std::atexit(ExitHandler);
  ombrela::ProgramInit();
  // Returning runs the exit handler and ends the process with this code.
  return ombrela::ProgramMain();
}
