// The commands behind the window's buttons, with their real message boxes
// answered through the window system.
#include "app/window_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "hosts/block_list.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/message_boxes.h"
#include "tests/support/pump.h"

namespace ombrela {
namespace {

using testing::BoxAnswerer;
using testing::ReadFileBytes;
using testing::TestBackupPath;
using testing::TestHostsPath;

const std::string& kHosts = testing::kCleanHosts;

class WindowCommandsTest : public testing::AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    BoxAnswerer information({IDOK});
    ASSERT_TRUE(CreateMainWindow());
  }
  void Click(PushButton& button) { SendMessageA(button.GetHandle(), BM_CLICK, 0, 0); }
};

TEST_F(WindowCommandsTest, FirstClickBlocksWithoutABox) {
  BoxAnswerer answerer({IDOK});
  Click(*BlockButton);
  testing::PumpFor(200);
  EXPECT_EQ(answerer.SeenCount(), 0u);
  EXPECT_EQ(ReadFileBytes(TestHostsPath()), kHosts + BlockText());
  EXPECT_EQ(ReadFileBytes(TestBackupPath()), kHosts);
  EXPECT_TRUE(IsWindowEnabled(RestoreButton->GetHandle()));
}

TEST_F(WindowCommandsTest, SecondClickAsksAndNoKeepsBothFiles) {
  Click(*BlockButton);
  BoxAnswerer answerer({IDNO});
  Click(*BlockButton);
  auto seen = answerer.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "信息");
  EXPECT_EQ(seen[0].text, "已经屏蔽过广告.若需重新屏蔽,请先还原备份.是否还原备份?");
  EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(seen[0].icon_style, UINT{MB_ICONQUESTION});
  EXPECT_EQ(seen[0].owner, nullptr) << "no owner: the main window stays usable";
  EXPECT_EQ(ReadFileBytes(TestHostsPath()), kHosts + BlockText());
  EXPECT_EQ(ReadFileBytes(TestBackupPath()), kHosts);
}

TEST_F(WindowCommandsTest, YesRestoresAndTheSecondQuestionDeletesTheBackup) {
  Click(*BlockButton);
  BoxAnswerer answerer({IDYES, IDYES});
  Click(*BlockButton);
  auto seen = answerer.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].caption, "还原完毕");
  EXPECT_EQ(seen[1].text, "是否删除备份?");
  EXPECT_EQ(seen[1].icon_style, UINT{MB_ICONQUESTION});
  EXPECT_EQ(ReadFileBytes(TestHostsPath()), kHosts);
  EXPECT_EQ(ReadFileBytes(TestBackupPath()), std::nullopt);
  EXPECT_FALSE(IsWindowEnabled(RestoreButton->GetHandle()));
}

TEST_F(WindowCommandsTest, FailureIsToldInAnErrorBox) {
  Click(*BlockButton);
  HANDLE holder = CreateFileA(TestHostsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  BoxAnswerer answerer({IDOK});
  Click(*RestoreButton);
  CloseHandle(holder);
  auto seen = answerer.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "错误");
  EXPECT_EQ(seen[0].text, "无法写入Hosts文件,备份已保留.");
  EXPECT_EQ(seen[0].buttons, std::vector<int>{IDOK});
  EXPECT_EQ(seen[0].icon_style, UINT{MB_ICONHAND});
  EXPECT_EQ(ReadFileBytes(TestHostsPath()), kHosts + BlockText());
  EXPECT_EQ(ReadFileBytes(TestBackupPath()), kHosts);
}

}  // namespace
}  // namespace ombrela
