// The top-level window class "WTWindow": creation with its optional
// arguments, the creation notification, and the window's events.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/gdi_handles.h"
#include "ui/handler.h"
#include "ui/window_object.h"

namespace ombrela {

inline constexpr const char* kTopLevelClassName = "WTWindow";
// Sent by Create after the window is attached and before it is shown.
inline constexpr UINT kCreationNotification = WM_USER + 2;

LRESULT CALLBACK TopLevelWindowProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);

using CreatedHandler = Handler<HWND>;
using MovedHandler = Handler<unsigned, int>;
using ResizedHandler = Handler<int, int>;
using PlainHandler = Handler<>;

// Every argument of Create may be left out; each then takes its own default.
struct TopLevelCreateArgs {
  std::optional<HWND> parent;
  std::optional<const char*> title;
  std::optional<CreatedHandler> on_created;
  std::optional<bool> modal;
  std::optional<int> x;        // CW_USEDEFAULT
  std::optional<int> y;        // CW_USEDEFAULT
  std::optional<int> width;    // 380
  std::optional<int> height;   // 250
  std::optional<DWORD> style;  // WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN
  std::optional<DWORD> ex_style;
  std::optional<bool> visible;            // true
  std::optional<const char*> class_name;  // "WTWindow"
  std::optional<HACCEL> accelerators;     // modal use only
  std::optional<bool> taskbar_button;     // true
};

// Registers a top-level window class; an existing class is simply kept.
void RegisterTopLevelClass(const char* class_name);

class TopLevelWindow : public WindowObject {
 public:
  TopLevelWindow() = default;
  ~TopLevelWindow() override;

  bool Create(const TopLevelCreateArgs& args);

  LRESULT ClassProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) override;
  bool PaintBackgroundOnErase(HWND self, HDC dc) override;
  void DragByClientArea(HWND self) override;
  void ClassCleanup(HWND handle) override;

  void PaintBackground(HDC dc, const RECT& rect);
  COLORREF BackgroundColor(std::optional<COLORREF> colour = std::nullopt,
                           std::optional<bool> redraw = std::nullopt);
  // kind 0 = ICON_SMALL (default), 1 = ICON_BIG; without an icon, reads it.
  HICON Icon(std::optional<HICON> icon = std::nullopt, std::optional<int> kind = std::nullopt);

  PlainHandler SetOnDestroyed(PlainHandler handler) { return on_destroyed_ = handler; }
  MovedHandler SetOnMoved(MovedHandler handler) { return on_moved_ = handler; }
  ResizedHandler SetOnResized(ResizedHandler handler) { return on_resized_ = handler; }
  PlainHandler SetOnFirstActivated(PlainHandler handler) { return on_first_activated_ = handler; }
  PlainHandler SetOnCloseQuery(PlainHandler handler) { return close_query_ = handler; }

  // True while any event handler is registered (a destroyed window keeps none).
  bool HasHandlers() const;

 private:
  void DispatchEvent(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);

  UniqueBrush background_brush_;
  COLORREF background_colour_ = 0;
  int background_mode_ = 0;
  PlainHandler on_destroyed_;
  MovedHandler on_moved_;
  ResizedHandler on_resized_;
  PlainHandler on_first_activated_;
  bool keep_caption_active_ = false;
  bool drag_by_client_area_ = false;
  bool activated_once_ = false;
  CreatedHandler on_created_;
  PlainHandler close_query_;
  UniqueWindow hidden_owner_;
};

}  // namespace ombrela
