// Real message boxes, answered through the window system from another thread.
#include "fileops/file_services.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/message_boxes.h"

namespace ombrela {
namespace {

using testing::BoxAnswerer;
using testing::SeenBox;

const std::string kInfoCaption = "\xD0\xC5\xCF\xA2";  // 信息 in code page 936

SeenBox OnlyBox(BoxAnswerer& answerer) {
  const std::vector<SeenBox> seen = answerer.Seen();
  EXPECT_EQ(seen.size(), 1u);
  return seen.empty() ? SeenBox{} : seen.front();
}

TEST(ShowMessageBoxTest, QuestionAnsweredYesOrNo) {
  const struct {
    int button;
    int32_t expected;
  } kAnswers[] = {{IDYES, 5}, {IDNO, 6}};
  for (const auto& answer : kAnswers) {
    BoxAnswerer answerer({answer.button});
    const Text message = "是否还原备份?\r\n第二行";
    EXPECT_EQ(ShowMessageBox(message, 36), answer.expected);
    const SeenBox box = OnlyBox(answerer);
    EXPECT_EQ(box.caption, kInfoCaption);
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box.icon_style, UINT{MB_ICONQUESTION});
    EXPECT_EQ(box.owner, nullptr);
  }
}

TEST(ShowMessageBoxTest, GivenCaptionAndOkBox) {
  BoxAnswerer answerer({IDOK});
  const Text caption = "error";
  EXPECT_EQ(ShowMessageBox("内存不足", 0, caption), 0);
  const SeenBox box = OnlyBox(answerer);
  EXPECT_EQ(box.caption, "error");
  EXPECT_EQ(box.text, "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3");  // 内存不足
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
}

TEST(ShowMessageBoxTest, EveryButtonMapsToItsIdentifierMinusOne) {
  const struct {
    int32_t style;
    int button;
  } kCases[] = {{MB_OKCANCEL, IDCANCEL},
                {MB_ABORTRETRYIGNORE, IDABORT},
                {MB_ABORTRETRYIGNORE, IDRETRY},
                {MB_ABORTRETRYIGNORE, IDIGNORE}};
  for (const auto& c : kCases) {
    BoxAnswerer answerer({c.button});
    EXPECT_EQ(ShowMessageBox("x", c.style, Text("t")), c.button - 1) << c.button;
  }
}

}  // namespace
}  // namespace ombrela
