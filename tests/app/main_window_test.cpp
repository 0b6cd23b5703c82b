#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/main_window_content.h"
#include "hosts/block_list.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/message_boxes.h"
#include "tests/support/pump.h"

namespace ombrela {
namespace {

using testing::AppTest;
using testing::BoxAnswerer;
using testing::SeenBox;

std::string Caption(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

std::string PartText(int part) {
  char text[256] = {};
  SendMessageA(MainStatusBar->GetHandle(), SB_GETTEXTA, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(text));
  return text;
}

DWORD Style(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

int ClientHeight() {
  RECT client{};
  GetClientRect(MainWindow->GetHandle(), &client);
  return client.bottom;
}

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, StartsCentredWithItsTitleStylesAndControls) {
  BoxAnswerer answerer({IDOK});
  ASSERT_TRUE(CreateMainWindow());
  HWND main = MainWindow->GetHandle();

  char class_name[32] = {};
  GetClassNameA(main, class_name, sizeof(class_name));
  EXPECT_STREQ(class_name, "WTWindow");
  EXPECT_EQ(Caption(main), "Ombrelacv0.2 Quarnix\xD7\xA8\xB0\xE6");  // 专版
  RECT outer{};
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 320);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 120) / 2);
  EXPECT_EQ(Style(main), DWORD{0x06C80000} | WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_WINDOWEDGE);

  HWND block = BlockButton->GetHandle();
  HWND restore = RestoreButton->GetHandle();
  HWND bar = MainStatusBar->GetHandle();
  EXPECT_EQ(GetParent(block), main);
  EXPECT_EQ(Caption(block), "\xC6\xC1\xB1\xCE\xCA\xD3\xC6\xB5\xCD\xF8\xD5\xBE\xB9\xE3\xB8\xE6(&P)");
  EXPECT_EQ(Caption(restore),
            "\xBB\xB9\xD4\xAD"
            "Hosts\xB1\xB8\xB7\xDD(&Z)");
  EXPECT_EQ(Style(block), DWORD{0x54010001});
  // Disabled by the first status refresh, as there is no backup yet.
  EXPECT_EQ(Style(restore) & ~DWORD{WS_DISABLED}, DWORD{0x54010000});
  EXPECT_EQ(Style(bar), DWORD{0x54000803});
  EXPECT_EQ(GetDlgCtrlID(block), 501);
  EXPECT_EQ(GetDlgCtrlID(restore), 502);
  EXPECT_EQ(GetDlgCtrlID(bar), 503);
  RECT rect{};
  GetWindowRect(block, &rect);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 18);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right - rect.left, 128);
  EXPECT_EQ(rect.bottom - rect.top, 32);
  GetWindowRect(restore, &rect);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 166);
  EXPECT_EQ(rect.top, 20);
  int edges[4] = {};
  ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 170);
  EXPECT_EQ(edges[1], -1);
}

TEST_F(MainWindowTest, FirstActivationShowsStatusAuthorAndTheSiteListOnce) {
  std::atomic<bool> main_visible_at_box{false};
  std::string status_at_box;
  BoxAnswerer answerer({IDOK, IDOK}, 0, [&](const SeenBox&) {
    main_visible_at_box = IsWindowVisible(MainWindow->GetHandle()) != FALSE;
    status_at_box = PartText(0);
  });
  ASSERT_TRUE(CreateMainWindow());
  testing::PumpFor(300);

  auto seen = answerer.Seen();
  ASSERT_EQ(seen.size(), 1u) << "the information box is shown once";
  EXPECT_EQ(seen[0].text, std::string(SiteList));
  EXPECT_EQ(seen[0].caption,
            "By:Quarnix Mirgel \xC4\xBF\xC7\xB0\xD6\xA7\xB3\xD6\xB5\xC4\xCA\xD3\xC6\xB5\xCD\xF8"
            "\xD5\xBE\xD3\xD0:");
  EXPECT_EQ(seen[0].buttons, std::vector<int>{IDOK});
  EXPECT_EQ(seen[0].icon_style, 0u);
  EXPECT_EQ(seen[0].owner, nullptr);
  EXPECT_TRUE(main_visible_at_box) << "the box comes after the window is shown";
  // 未屏蔽广告｜未检测到备份, already on display while the box is open.
  const std::string clean =
      "\xCE\xB4\xC6\xC1\xB1\xCE\xB9\xE3\xB8\xE6\xA3\xFC\xCE\xB4\xBC\xEC"
      "\xB2\xE2\xB5\xBD\xB1\xB8\xB7\xDD";
  EXPECT_EQ(status_at_box, clean);
  EXPECT_EQ(PartText(0), clean);
  EXPECT_EQ(PartText(1), "By:Mirgel QQ:Kalvireth");
  EXPECT_FALSE(IsWindowEnabled(RestoreButton->GetHandle())) << "no backup yet";
}

TEST_F(MainWindowTest, AMoveSettlesTheClientAreaAt92AndTheBarAtTheBottom) {
  BoxAnswerer answerer({IDOK});
  ASSERT_TRUE(CreateMainWindow());
  HWND main = MainWindow->GetHandle();
  RECT outer{};
  GetWindowRect(main, &outer);
  // Make the client area wrong first, then move: the move handler fixes it.
  SetWindowPos(main, nullptr, 0, 0, 320, 140, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_NE(ClientHeight(), 92);
  SetWindowPos(main, nullptr, outer.left + 10, outer.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  testing::PumpFor(50);
  EXPECT_EQ(ClientHeight(), 92);
  RECT moved{};
  GetWindowRect(main, &moved);
  EXPECT_EQ(moved.left, outer.left + 10) << "position and width stay";
  EXPECT_EQ(moved.right - moved.left, 320);
  RECT bar{};
  GetWindowRect(MainStatusBar->GetHandle(), &bar);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, 92);
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_EQ(bar.right - bar.left, client.right) << "full width of the client area";
  // A further move finds 92 and changes nothing.
  int height = MainWindow->Height();
  SetWindowPos(main, nullptr, outer.left, outer.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(MainWindow->Height(), height);
}

TEST_F(MainWindowTest, ButtonClickedWhileTheInformationBoxIsOpenRunsItsCommand) {
  // While the box is open, click the block button; only then close the box.
  std::atomic<bool> clicked{false};
  std::thread user([&] {
    HWND box = nullptr;
    for (int i = 0; i < 1000 && !box; ++i) {
      auto boxes = testing::FindBoxes();
      if (!boxes.empty()) box = boxes.front();
      Sleep(10);
    }
    if (!box) return;
    PostMessageA(BlockButton->GetHandle(), BM_CLICK, 0, 0);
    for (int i = 0; i < 500; ++i) {
      auto hosts = testing::ReadFileBytes(testing::TestHostsPath());
      if (hosts && hosts->size() > testing::kCleanHosts.size()) {
        clicked = true;
        break;
      }
      Sleep(10);
    }
    testing::PressButton(box, IDOK);
  });
  ASSERT_TRUE(CreateMainWindow());
  user.join();
  EXPECT_TRUE(clicked) << "the block ran inside the box's own loop";
  EXPECT_EQ(testing::ReadFileBytes(testing::TestHostsPath()), testing::kCleanHosts + BlockText());
  EXPECT_EQ(testing::ReadFileBytes(testing::TestBackupPath()), testing::kCleanHosts);
  EXPECT_TRUE(IsWindowEnabled(RestoreButton->GetHandle()));
}

}  // namespace
}  // namespace ombrela
