// Sets up what start-up sets before any window exists: the handle map, the
// instance handle and the control identifier counter.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "ui/handle_map.h"
#include "ui/instance.h"

namespace ombrela::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateHandleMap();
    InstanceHandle = GetModuleHandleA(nullptr);
    ControlIdCounter = 500;
  }
  void TearDown() override { ReleaseHandleMap(); }
};

}  // namespace ombrela::testing
