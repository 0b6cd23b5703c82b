// Start-up as the program does it, around one test: globals, handle map,
// initialisation, and a hosts file of the test's choosing.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/globals.h"
#include "app/program.h"
#include "tests/support/prefix_files.h"
#include "ui/handle_map.h"

namespace ombrela::testing {

inline const std::string kCleanHosts = "127.0.0.1 localhost\r\n::1 localhost\r\n";

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetHostsFiles(kCleanHosts, std::nullopt);
    ConstructGlobals();
    CreateHandleMap();
    ProgramInit();
  }
  void TearDown() override {
    if (HWND main = MainWindow->GetHandle()) DestroyWindow(main);
    // The destroyed window posts a quit message; it must not reach the next test.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    DestroyGlobals();
    ReleaseHandleMap();
  }

  SavedHostsFiles saved_;
};

}  // namespace ombrela::testing
