#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/pump.h"
#include "tests/ui/window_test_fixture.h"
#include "ui/push_button.h"
#include "ui/status_bar.h"
#include "ui/top_level_window.h"

namespace ombrela {
namespace {

int clicks = 0;
void CountClick() {
  ++clicks;
}

class ControlsTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    clicks = 0;
    ASSERT_TRUE(parent.Create({.x = 200, .y = 200, .width = 320, .height = 120}));
  }
  void TearDown() override {
    if (parent.GetHandle()) DestroyWindow(parent.GetHandle());
    WindowTest::TearDown();
  }
  static DWORD Style(const WindowObject& object) {
    return static_cast<DWORD>(GetWindowLongPtrA(object.GetHandle(), GWL_STYLE));
  }
  static std::string PartText(const StatusBar& bar, int part) {
    char text[256] = {};
    SendMessageA(bar.GetHandle(), SB_GETTEXTA, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(text));
    return text;
  }

  TopLevelWindow parent;
};

TEST_F(ControlsTest, ButtonWithEverythingOmittedIsTheDefaultButton) {
  PushButton button;
  ASSERT_TRUE(button.Create({.parent = parent.GetHandle()}));
  char caption[32] = {};
  GetWindowTextA(button.GetHandle(), caption, sizeof(caption));
  EXPECT_STREQ(caption, "\xB0\xB4\xC5\xA5");  // 按钮
  RECT rect{};
  GetWindowRect(button.GetHandle(), &rect);
  EXPECT_EQ(rect.right - rect.left, 80);
  EXPECT_EQ(rect.bottom - rect.top, 32);
  EXPECT_EQ(Style(button), DWORD{0x54010000});
  EXPECT_EQ(GetDlgCtrlID(button.GetHandle()), 501);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button.GetHandle(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(ControlsTest, IdentifiersCountUpAndStylesCarryTheExtras) {
  PushButton first, second;
  StatusBar bar;
  ASSERT_TRUE(first.Create({.parent = parent.GetHandle(), .extra_style = BS_DEFPUSHBUTTON}));
  ASSERT_TRUE(second.Create({.parent = parent.GetHandle()}));
  ASSERT_TRUE(bar.Create(parent.GetHandle(), 0x50000803));
  EXPECT_EQ(GetDlgCtrlID(first.GetHandle()), 501);
  EXPECT_EQ(GetDlgCtrlID(second.GetHandle()), 502);
  EXPECT_EQ(GetDlgCtrlID(bar.GetHandle()), 503);
  EXPECT_EQ(Style(first), DWORD{0x54010001});
  EXPECT_EQ(Style(second), DWORD{0x54010000});
  EXPECT_EQ(Style(bar), DWORD{0x54000803});
}

TEST_F(ControlsTest, StatusBarWithStyleOmittedHasTheSizeGrip) {
  StatusBar bar;
  ASSERT_TRUE(bar.Create(parent.GetHandle()));
  EXPECT_EQ(Style(bar), DWORD{0x54000903});
}

TEST_F(ControlsTest, CounterAdvancesEvenWhenCreationFails) {
  PushButton orphan;
  // A child window without a parent cannot be created.
  EXPECT_FALSE(orphan.Create({.parent = nullptr}));
  EXPECT_EQ(ControlIdCounter, 501);
  StatusBar bar;
  ASSERT_TRUE(bar.Create(parent.GetHandle()));
  EXPECT_EQ(GetDlgCtrlID(bar.GetHandle()), 502);
}

TEST_F(ControlsTest, SecondCreateFailsAndLeavesTheFirstWindow) {
  PushButton button;
  ASSERT_TRUE(button.Create({.parent = parent.GetHandle()}));
  HWND first = button.GetHandle();
  EXPECT_FALSE(button.Create({.parent = parent.GetHandle()}));
  EXPECT_EQ(button.GetHandle(), first);
  EXPECT_TRUE(IsWindow(first));
  EXPECT_EQ(ControlIdCounter, 502) << "the failed call still took an identifier";
  StatusBar bar;
  ASSERT_TRUE(bar.Create(parent.GetHandle()));
  HWND bar_window = bar.GetHandle();
  EXPECT_FALSE(bar.Create(parent.GetHandle()));
  EXPECT_EQ(bar.GetHandle(), bar_window);
}

TEST_F(ControlsTest, PartWidthsBecomeRightEdges) {
  struct Case {
    std::vector<int> widths;
    std::vector<int> edges;
  } cases[] = {{{170, -1}, {170, -1}}, {{50, 60, -1}, {50, 110, -1}}, {{10, 20, 30}, {10, 30, 60}}};
  for (const auto& c : cases) EXPECT_EQ(PartRightEdges(c.widths), c.edges);

  StatusBar bar;
  ASSERT_TRUE(bar.Create(parent.GetHandle(), 0x50000803));
  const int widths[] = {170, -1};
  ASSERT_TRUE(bar.SetParts(widths));
  int edges[4] = {};
  ASSERT_EQ(SendMessageA(bar.GetHandle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 170);
  EXPECT_EQ(edges[1], -1);
}

TEST_F(ControlsTest, PartTextChangesOnlyThePartNamed) {
  StatusBar bar;
  ASSERT_TRUE(bar.Create(parent.GetHandle(), 0x50000803));
  const int widths[] = {170, -1};
  bar.SetParts(widths);
  ASSERT_TRUE(bar.SetPartText(0, "left"));
  ASSERT_TRUE(bar.SetPartText(1, "By:\xC8\xFD"));
  EXPECT_EQ(PartText(bar, 0), "left");
  EXPECT_EQ(PartText(bar, 1), "By:\xC8\xFD");
}

TEST_F(ControlsTest, RelayoutFitsTheBarToTheParentsNewBottom) {
  StatusBar bar;
  ASSERT_TRUE(bar.Create(parent.GetHandle(), 0x50000803));
  RECT outer{};
  GetWindowRect(parent.GetHandle(), &outer);
  MoveWindow(parent.GetHandle(), outer.left, outer.top, 320, 160, TRUE);
  bar.Relayout();
  RECT client{}, bar_rect{};
  GetClientRect(parent.GetHandle(), &client);
  GetWindowRect(bar.GetHandle(), &bar_rect);
  MapWindowPoints(nullptr, parent.GetHandle(), reinterpret_cast<POINT*>(&bar_rect), 2);
  EXPECT_EQ(bar_rect.bottom, client.bottom);
  EXPECT_EQ(bar_rect.right - bar_rect.left, client.right);
}

TEST_F(ControlsTest, ClickReachesTheHandlerOnceOtherCodesNever) {
  PushButton button;
  button.SetClickHandler(CountClick);  // before Create: the slot needs no window
  ASSERT_TRUE(button.Create({.parent = parent.GetHandle()}));
  SendMessageA(button.GetHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  // Another notification from the same button, through the parent.
  SendMessageA(parent.GetHandle(), WM_COMMAND, MAKEWPARAM(501, BN_DOUBLECLICKED),
               reinterpret_cast<LPARAM>(button.GetHandle()));
  SendMessageA(parent.GetHandle(), WM_COMMAND, MAKEWPARAM(501, BN_SETFOCUS),
               reinterpret_cast<LPARAM>(button.GetHandle()));
  EXPECT_EQ(clicks, 1);
  // Routing goes by the control's handle, not by the identifier.
  SendMessageA(parent.GetHandle(), WM_COMMAND, MAKEWPARAM(999, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.GetHandle()));
  EXPECT_EQ(clicks, 2);
  SendMessageA(parent.GetHandle(), WM_COMMAND, MAKEWPARAM(501, BN_CLICKED), 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, DisabledButtonSendsNoClicks) {
  PushButton button;
  ASSERT_TRUE(button.Create({.parent = parent.GetHandle()}));
  button.SetClickHandler(CountClick);
  EXPECT_FALSE(button.Disabled());
  button.Disabled(true);
  EXPECT_TRUE(button.Disabled());
  EXPECT_FALSE(IsWindowEnabled(button.GetHandle()));
  // A real click on the disabled button goes nowhere.
  RECT rect{};
  GetWindowRect(button.GetHandle(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
  testing::PumpFor(200);
  EXPECT_EQ(clicks, 0);
  button.Disabled(false);
  EXPECT_FALSE(button.Disabled());
  SendInput(2, press, sizeof(INPUT));
  testing::PumpUntil([] { return clicks > 0; }, 2000);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, DestroyedButtonForgetsItsClickHandler) {
  PushButton button;
  button.SetClickHandler(CountClick);
  ASSERT_TRUE(button.Create({.parent = parent.GetHandle()}));
  HWND first = button.GetHandle();
  DestroyWindow(first);
  EXPECT_EQ(button.GetHandle(), nullptr);
  ASSERT_TRUE(button.Create({.parent = parent.GetHandle()}));
  SendMessageA(button.GetHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 0) << "the handler must be set again after a new Create";
}

TEST_F(ControlsTest, OperationsWithoutAWindowReportFailure) {
  StatusBar bar;
  const int widths[] = {170, -1};
  EXPECT_FALSE(bar.SetParts(widths));
  EXPECT_FALSE(bar.SetPartText(0, "x"));
  EXPECT_EQ(bar.Relayout(), 0);
}

}  // namespace
}  // namespace ombrela
