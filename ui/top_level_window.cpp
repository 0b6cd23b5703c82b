#include "ui/top_level_window.h"

#include "ui/handle_map.h"
#include "ui/instance.h"

namespace ombrela {

namespace {

constexpr int kDefaultWidth = 380;
constexpr int kDefaultHeight = 250;
constexpr DWORD kDefaultStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// Runs a modal window's own loop until the window is gone.
void RunModalLoop(HWND window, HACCEL accelerators) {
  MSG message{};
  while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(window, accelerators, &message)) continue;
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

LRESULT CALLBACK TopLevelWindowProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  HandleMap* map = TheHandleMap();
  WindowObject* object = map ? map->Find(handle) : nullptr;
  if (!object) return DefWindowProcA(handle, message, wparam, lparam);
  return object->ClassProcedure(handle, message, wparam, lparam);
}

void RegisterTopLevelClass(const char* class_name) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = TopLevelWindowProc;
  window_class.hInstance = InstanceHandle;
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszMenuName = "";
  window_class.lpszClassName = class_name;
  RegisterClassExA(&window_class);
}

TopLevelWindow::~TopLevelWindow() {
  Detach(GetHandle());
}

bool TopLevelWindow::Create(const TopLevelCreateArgs& args) {
  const char* class_name = args.class_name.value_or(kTopLevelClassName);
  RegisterTopLevelClass(class_name);
  if (args.on_created) on_created_ = *args.on_created;

  HWND parent = args.parent.value_or(nullptr);
  if (!args.parent && !args.taskbar_button.value_or(true)) {
    // An owned window gets no taskbar button: own it by an invisible window.
    hidden_owner_.reset(CreateWindowExA(0, class_name, "", 0, 0, 0, 250, 110, nullptr, nullptr,
                                        InstanceHandle, nullptr));
    parent = hidden_owner_.get();
  }

  BackgroundColor(GetSysColor(COLOR_BTNFACE), false);
  HWND handle = CreateObjectWindow(parent, args.ex_style.value_or(0), class_name,
                                   args.title.value_or(nullptr), args.style.value_or(kDefaultStyle),
                                   args.x.value_or(CW_USEDEFAULT), args.y.value_or(CW_USEDEFAULT),
                                   args.width.value_or(kDefaultWidth),
                                   args.height.value_or(kDefaultHeight), nullptr, nullptr);
  if (handle && parent) {
    for (WPARAM kind : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}}) {
      LRESULT icon = SendMessageA(parent, WM_GETICON, kind, 0);
      SendMessageA(handle, WM_SETICON, kind, icon);
    }
  }
  if (!handle) return false;

  SendMessageA(handle, kCreationNotification, 0, 0);
  if (args.visible.value_or(true)) {
    ShowWindow(handle, SW_SHOW);
    UpdateWindow(handle);
  }
  if (args.modal.value_or(false)) {
    if (args.parent) EnableWindow(*args.parent, FALSE);
    RunModalLoop(handle, args.accelerators.value_or(nullptr));
    if (args.parent) {
      EnableWindow(*args.parent, TRUE);
      SetActiveWindow(*args.parent);
    }
  }
  return true;
}

LRESULT TopLevelWindow::ClassProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kCreationNotification:
      if (on_created_) {
        on_created_(handle);
        RECT client{};
        GetClientRect(handle, &client);
        SendMessageA(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
      }
      return DefWindowProcA(handle, message, wparam, lparam);
    case WM_CLOSE:
      if (close_query_ && close_query_() != 0) return 1;
      DestroyWindow(handle);
      return 0;
    default:
      DispatchEvent(handle, message, wparam, lparam);
      return DefWindowProcA(handle, message, wparam, lparam);
  }
}

void TopLevelWindow::DispatchEvent(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      on_destroyed_();
      break;
    case WM_MOVE:
      // x arrives unsigned, y keeps its sign.
      on_moved_(static_cast<unsigned>(LOWORD(lparam)),
                static_cast<int>(static_cast<short>(HIWORD(lparam))));
      break;
    case WM_SIZE:
      on_resized_(static_cast<int>(LOWORD(lparam)), static_cast<int>(HIWORD(lparam)));
      break;
    case WM_ACTIVATE:
      // The flag is set even with no handler yet: a later one never fires.
      if (LOWORD(wparam) != WA_INACTIVE && !activated_once_) {
        activated_once_ = true;
        PlainHandler first = on_first_activated_;
        first();
      }
      break;
    default:
      break;
  }
}

bool TopLevelWindow::PaintBackgroundOnErase(HWND self, HDC dc) {
  if (!background_brush_) return false;
  RECT client{};
  GetClientRect(self, &client);
  PaintBackground(dc, client);
  return true;
}

void TopLevelWindow::DragByClientArea(HWND self) {
  if (drag_by_client_area_) SendMessageA(self, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void TopLevelWindow::ClassCleanup(HWND) {
  on_created_ = nullptr;
  close_query_ = nullptr;
  background_brush_.reset();
  background_colour_ = 0;
  background_mode_ = 0;
  on_destroyed_ = nullptr;
  on_moved_ = nullptr;
  on_resized_ = nullptr;
  on_first_activated_ = nullptr;
  keep_caption_active_ = false;
  drag_by_client_area_ = false;
  activated_once_ = false;
  hidden_owner_.reset();
}

void TopLevelWindow::PaintBackground(HDC dc, const RECT& rect) {
  if (background_mode_ == 0 && background_brush_) FillRect(dc, &rect, background_brush_.get());
}

COLORREF TopLevelWindow::BackgroundColor(std::optional<COLORREF> colour,
                                         std::optional<bool> redraw) {
  if (colour) {
    background_colour_ = *colour;
    background_brush_.reset(CreateSolidBrush(*colour));
    background_mode_ = 0;
    if (redraw.value_or(true)) InvalidateRect(GetHandle(), nullptr, TRUE);
  }
  return background_colour_;
}

HICON TopLevelWindow::Icon(std::optional<HICON> icon, std::optional<int> kind) {
  WPARAM which = static_cast<WPARAM>(kind.value_or(ICON_SMALL));
  if (icon) {
    return reinterpret_cast<HICON>(
        SendMessageA(GetHandle(), WM_SETICON, which, reinterpret_cast<LPARAM>(*icon)));
  }
  return reinterpret_cast<HICON>(SendMessageA(GetHandle(), WM_GETICON, which, 0));
}

bool TopLevelWindow::HasHandlers() const {
  return on_destroyed_ || on_moved_ || on_resized_ || on_first_activated_ || on_created_ ||
         close_query_;
}

}  // namespace ombrela
