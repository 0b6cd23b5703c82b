#include "ui/push_button.h"

#include <cstdint>

#include "ui/instance.h"

namespace ombrela {

namespace {
constexpr const char* kDefaultCaption = "按钮";
constexpr int kDefaultWidth = 80;
constexpr int kDefaultHeight = 32;
}  // namespace

PushButton::~PushButton() {
  Detach(GetHandle());
}

bool PushButton::Create(const PushButtonCreateArgs& args) {
  const char* caption = args.caption.value_or(kDefaultCaption);
  int id = args.id ? *args.id : ++ControlIdCounter;
  DWORD style = WS_CHILD | WS_TABSTOP | WS_VISIBLE | args.extra_style.value_or(0);
  HWND handle = CreateObjectWindow(
      args.parent, args.ex_style.value_or(0), "Button", caption, style, args.x.value_or(0),
      args.y.value_or(0), args.width.value_or(kDefaultWidth), args.height.value_or(kDefaultHeight),
      reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr);
  return handle != nullptr;
}

LRESULT PushButton::OnCommandFromParent(HWND, HWND, int code, int) {
  if (code == BN_CLICKED) {
    ClickHandler handler = click_handler_;
    handler();
  }
  // Always 0: the parent's default processing sees the notification too.
  return 0;
}

void PushButton::ClassCleanup(HWND) {
  bitmap_image_.reset();
  icon_image_.reset();
  click_handler_ = nullptr;
  background_brush_.reset();
  text_colour_ = 0;
  background_colour_ = 0;
}

}  // namespace ombrela
