#include "ui/top_level_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/pump.h"
#include "tests/ui/window_test_fixture.h"

namespace ombrela {
namespace {

using testing::PumpUntil;

struct Events {
  int created = 0;
  int first_activated = 0;
  int destroyed = 0;
  std::vector<std::pair<int, int>> resized;
  std::vector<std::pair<unsigned, int>> moved;
  int close_queries = 0;
  int keep_open = 0;
};
Events events;
TopLevelWindow* window_under_test = nullptr;

void CountFirstActivation() {
  ++events.first_activated;
}
void CountDestroyed() {
  ++events.destroyed;
}
void RecordResize(int width, int height) {
  events.resized.emplace_back(width, height);
}
void RecordMove(unsigned x, int y) {
  events.moved.emplace_back(x, y);
}
int CloseQuery() {
  ++events.close_queries;
  return events.keep_open;
}
void OnCreatedRegistersTheRest() {
  ++events.created;
  window_under_test->SetOnFirstActivated(CountFirstActivation);
  window_under_test->SetOnResized(RecordResize);
}

class TopLevelWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    events = Events{};
    window_under_test = &window;
  }
  void TearDown() override {
    if (window.GetHandle()) DestroyWindow(window.GetHandle());
    window_under_test = nullptr;
    WindowTest::TearDown();
  }
  bool CreateShown(std::optional<CreatedHandler> on_created = std::nullopt) {
    return window.Create({.title = "测试窗口",
                          .on_created = on_created,
                          .x = 100,
                          .y = 80,
                          .width = 320,
                          .height = 120,
                          .style = 0x06C80000,
                          .ex_style = WS_EX_WINDOWEDGE});
  }

  TopLevelWindow window;
};

TEST_F(TopLevelWindowTest, CreatesTheClassTitleSizeAndStyleAsked) {
  ASSERT_TRUE(CreateShown());
  HWND handle = window.GetHandle();
  char class_name[64] = {};
  GetClassNameA(handle, class_name, sizeof(class_name));
  EXPECT_STREQ(class_name, "WTWindow");
  char title[64] = {};
  GetWindowTextA(handle, title, sizeof(title));
  EXPECT_STREQ(title, "\xB2\xE2\xCA\xD4\xB4\xB0\xBF\xDA");  // 测试窗口 in code page 936
  RECT outer{};
  GetWindowRect(handle, &outer);
  EXPECT_EQ(outer.right - outer.left, 320);
  EXPECT_EQ(outer.bottom - outer.top, 120);
  EXPECT_EQ(outer.left, 100);
  EXPECT_EQ(outer.top, 80);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE)),
            DWORD{0x06C80000} | WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_WINDOWEDGE);
  EXPECT_EQ(window.BackgroundColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC)), CommonWindowProc);
  EXPECT_EQ(TheHandleMap()->Find(handle), &window);
}

TEST_F(TopLevelWindowTest, OmittedArgumentsTakeTheirDefaults) {
  ASSERT_TRUE(window.Create({}));
  HWND handle = window.GetHandle();
  RECT outer{};
  GetWindowRect(handle, &outer);
  EXPECT_EQ(outer.right - outer.left, 380);
  EXPECT_EQ(outer.bottom - outer.top, 250);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE)) & ~DWORD{WS_VISIBLE},
            DWORD{0x02CF0000} | WS_CLIPSIBLINGS);
  EXPECT_TRUE(IsWindowVisible(handle));
  EXPECT_FALSE(window.Create({})) << "a second window for the same object";
}

TEST_F(TopLevelWindowTest, CreatedRunsBeforeShowingAndFirstActivationFiresOnce) {
  ASSERT_TRUE(CreateShown(OnCreatedRegistersTheRest));
  EXPECT_EQ(events.created, 1);
  PumpUntil([] { return events.first_activated > 0; }, 2000);
  EXPECT_EQ(events.first_activated, 1);
  // The synthetic WM_SIZE of the creation notification reports the client area.
  RECT client{};
  GetClientRect(window.GetHandle(), &client);
  ASSERT_FALSE(events.resized.empty());
  EXPECT_EQ(events.resized.front(), std::make_pair(int(client.right), int(client.bottom)));

  // Activate another window, then this one again: no second first activation.
  TopLevelWindow other;
  ASSERT_TRUE(other.Create({.x = 500, .y = 400}));
  SetActiveWindow(other.GetHandle());
  PumpUntil([&] { return GetActiveWindow() == other.GetHandle(); }, 1000);
  SetActiveWindow(window.GetHandle());
  PumpUntil([&] { return GetActiveWindow() == window.GetHandle(); }, 1000);
  EXPECT_EQ(GetActiveWindow(), window.GetHandle());
  EXPECT_EQ(events.first_activated, 1);
  DestroyWindow(other.GetHandle());
}

TEST_F(TopLevelWindowTest, ResizedRegisteredAfterCreationMissesTheSyntheticSize) {
  ASSERT_TRUE(CreateShown(+[] { ++events.created; }));
  window.SetOnResized(RecordResize);
  testing::PumpFor(50);
  EXPECT_TRUE(events.resized.empty());
  RECT outer{};
  GetWindowRect(window.GetHandle(), &outer);
  MoveWindow(window.GetHandle(), outer.left, outer.top, 330, 140, TRUE);
  ASSERT_EQ(events.resized.size(), 1u);
  RECT client{};
  GetClientRect(window.GetHandle(), &client);
  EXPECT_EQ(events.resized[0], std::make_pair(int(client.right), int(client.bottom)));
}

TEST_F(TopLevelWindowTest, MovedReportsXUnsignedAndYSigned) {
  ASSERT_TRUE(CreateShown());
  window.SetOnMoved(RecordMove);
  SendMessageA(window.GetHandle(), WM_MOVE, 0, MAKELPARAM(-8, -8));
  SendMessageA(window.GetHandle(), WM_MOVE, 0, MAKELPARAM(40, 30));
  ASSERT_EQ(events.moved.size(), 2u);
  EXPECT_EQ(events.moved[0], std::make_pair(65528u, -8));
  EXPECT_EQ(events.moved[1], std::make_pair(40u, 30));
}

TEST_F(TopLevelWindowTest, CloseDestroysFiresDestroyedOnceAndClearsEveryHandler) {
  ASSERT_TRUE(CreateShown(OnCreatedRegistersTheRest));
  window.SetOnDestroyed(CountDestroyed);
  window.SetOnMoved(RecordMove);
  HWND handle = window.GetHandle();
  SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(events.destroyed, 1);
  EXPECT_EQ(window.GetHandle(), nullptr);
  EXPECT_FALSE(window.HasHandlers());
  EXPECT_EQ(TheHandleMap()->Find(handle), nullptr);
  // Without its handlers and window, the object can make a new window.
  ASSERT_TRUE(CreateShown());
  EXPECT_EQ(events.destroyed, 1);
}

TEST_F(TopLevelWindowTest, CloseQueryKeepsTheWindowOpenWhenItSaysSo) {
  ASSERT_TRUE(CreateShown());
  window.SetOnCloseQuery(CloseQuery);
  events.keep_open = 1;
  EXPECT_EQ(SendMessageA(window.GetHandle(), WM_CLOSE, 0, 0), 1);
  EXPECT_TRUE(IsWindow(window.GetHandle()));
  events.keep_open = 0;
  SendMessageA(window.GetHandle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window.GetHandle(), nullptr);
  EXPECT_EQ(events.close_queries, 2);
}

TEST_F(TopLevelWindowTest, HeightKeepsCornerAndWidth) {
  ASSERT_TRUE(CreateShown());
  EXPECT_EQ(window.Height(), 120);
  EXPECT_TRUE(window.Height(150));
  RECT outer{};
  GetWindowRect(window.GetHandle(), &outer);
  EXPECT_EQ(outer.left, 100);
  EXPECT_EQ(outer.top, 80);
  EXPECT_EQ(outer.right - outer.left, 320);
  EXPECT_EQ(window.Height(), 150);
}

TEST_F(TopLevelWindowTest, IconSetsAndReadsBackBothKinds) {
  ASSERT_TRUE(CreateShown());
  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  window.Icon(icon, ICON_BIG);
  EXPECT_EQ(window.Icon(std::nullopt, ICON_BIG), icon);
  EXPECT_EQ(window.Icon(), nullptr) << "the small icon stays unset";
  window.Icon(static_cast<HICON>(nullptr), ICON_BIG);
  EXPECT_EQ(window.Icon(std::nullopt, ICON_BIG), nullptr);
}

TEST_F(TopLevelWindowTest, DisabledFollowsTheValueGiven) {
  ASSERT_TRUE(CreateShown());
  EXPECT_FALSE(window.Disabled());
  window.Disabled(true);
  EXPECT_TRUE(window.Disabled());
  window.Disabled(false);
  EXPECT_FALSE(window.Disabled());
}

TEST_F(TopLevelWindowTest, ObjectDestroyedBeforeItsWindowPutsTheProcedureBack) {
  auto owned = std::make_unique<TopLevelWindow>();
  ASSERT_TRUE(owned->Create({}));
  HWND handle = owned->GetHandle();
  owned.reset();
  EXPECT_TRUE(IsWindow(handle));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC)), TopLevelWindowProc);
  EXPECT_EQ(TheHandleMap()->Find(handle), nullptr);
  DestroyWindow(handle);
}

}  // namespace
}  // namespace ombrela
