#include "ui/message_loop.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/ui/window_test_fixture.h"
#include "ui/top_level_window.h"

namespace ombrela {
namespace {

// Ends a loop that failed to end by itself, with a code the tests never expect.
class LoopWatchdog {
 public:
  LoopWatchdog()
      : thread_id_(GetCurrentThreadId()),
        done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        watcher_([this] {
          if (WaitForSingleObject(done_, 10000) == WAIT_TIMEOUT) {
            PostThreadMessageA(thread_id_, WM_QUIT, kStuck, 0);
          }
        }) {}
  ~LoopWatchdog() {
    SetEvent(done_);
    watcher_.join();
    CloseHandle(done_);
  }
  static constexpr int kStuck = 4242;

 private:
  DWORD thread_id_;
  HANDLE done_;
  std::thread watcher_;
};

using MessageLoopTest = testing::WindowTest;

TEST_F(MessageLoopTest, QuitMessageEndsTheLoopWithItsCode) {
  TopLevelWindow window;
  ASSERT_TRUE(window.Create({}));
  LoopWatchdog watchdog;
  PostQuitMessage(0);
  EXPECT_EQ(RunMessageLoop(window.GetHandle()), 0);
  PostQuitMessage(3);
  EXPECT_EQ(RunMessageLoop(), 3);
  DestroyWindow(window.GetHandle());
}

TEST_F(MessageLoopTest, WatchedWindowGoneEndsTheLoopWithoutAQuitMessage) {
  TopLevelWindow window;
  ASSERT_TRUE(window.Create({}));
  HWND handle = window.GetHandle();
  LoopWatchdog watchdog;
  // No OnDestroyed handler: nothing posts a quit message.
  PostMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_NE(RunMessageLoop(handle), LoopWatchdog::kStuck);
  EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
}  // namespace ombrela
