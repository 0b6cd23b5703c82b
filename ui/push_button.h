// A push button over the system "Button" class; its parent reflects BN_CLICKED
// to the object, which calls the one click handler.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/gdi_handles.h"
#include "ui/handler.h"
#include "ui/window_object.h"

namespace ombrela {

struct PushButtonCreateArgs {
  HWND parent = nullptr;
  std::optional<const char*> caption;  // "按钮"
  std::optional<int> id;               // next ControlIdCounter value
  std::optional<DWORD> extra_style;    // 0; BS_DEFPUSHBUTTON makes the default button
  std::optional<int> x;
  std::optional<int> y;
  std::optional<int> width;   // 80
  std::optional<int> height;  // 32
  std::optional<DWORD> ex_style;
};

class PushButton : public WindowObject {
 public:
  using ClickHandler = Handler<>;

  PushButton() = default;
  ~PushButton() override;

  bool Create(const PushButtonCreateArgs& args);
  ClickHandler SetClickHandler(ClickHandler handler) { return click_handler_ = handler; }

  LRESULT OnCommandFromParent(HWND parent, HWND self, int code, int id) override;
  void ClassCleanup(HWND handle) override;

 private:
  COLORREF text_colour_ = 0;
  COLORREF background_colour_ = 0;
  UniqueBrush background_brush_;
  ClickHandler click_handler_;
  UniqueBitmap bitmap_image_;
  UniqueIcon icon_image_;
};

}  // namespace ombrela
