#include "ui/window_object.h"

#include <cstdint>

#include "ui/handle_map.h"
#include "ui/instance.h"

namespace ombrela {

namespace {

WindowObject* FindObject(HWND handle) {
  HandleMap* map = TheHandleMap();
  return map ? map->Find(handle) : nullptr;
}

// The notification code is the high word of wParam with its sign kept.
int NotificationCode(WPARAM wparam) {
  return static_cast<int32_t>(static_cast<uint32_t>(wparam)) >> 16;
}

}  // namespace

LRESULT CALLBACK CommonWindowProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  WindowObject* object = FindObject(handle);
  if (!object) return DefWindowProcA(handle, message, wparam, lparam);
  return object->HandleMessage(handle, message, wparam, lparam);
}

WindowObject::~WindowObject() {
  Detach(handle_);
}

LRESULT WindowObject::HandleMessage(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCDESTROY: {
      WNDPROC restored = previous_procedure_;
      Detach(handle);
      if (restored) return CallWindowProcA(restored, handle, message, wparam, lparam);
      return DefWindowProcA(handle, message, wparam, lparam);
    }
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lparam);
      if (WindowObject* child = control ? FindObject(control) : nullptr) {
        LRESULT result =
            child->OnCommandFromParent(handle, control, NotificationCode(wparam), LOWORD(wparam));
        if (result != 0) return result;
      }
      break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lparam);
      if (WindowObject* child = FindObject(control)) {
        LRESULT brush = child->OnControlColor(control, reinterpret_cast<HDC>(wparam));
        if (brush != 0) return brush;
      }
      break;
    }
    case WM_ERASEBKGND:
      if (PaintBackgroundOnErase(handle, reinterpret_cast<HDC>(wparam))) return 1;
      break;
    case WM_LBUTTONDOWN:
      DragByClientArea(handle);
      break;
    default:
      break;
  }
  if (!previous_procedure_) return DefWindowProcA(handle, message, wparam, lparam);
  return CallWindowProcA(previous_procedure_, handle, message, wparam, lparam);
}

LRESULT WindowObject::ClassProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(handle, message, wparam, lparam);
}

LRESULT WindowObject::OnCommandFromParent(HWND, HWND, int, int) {
  return 0;
}
LRESULT WindowObject::OnControlColor(HWND, HDC) {
  return 0;
}
bool WindowObject::PaintBackgroundOnErase(HWND, HDC) {
  return false;
}
void WindowObject::DragByClientArea(HWND) {}
void WindowObject::ClassCleanup(HWND) {}

bool WindowObject::Attach(HWND handle) {
  HandleMap* map = TheHandleMap();
  if (!map || !map->Add(handle, this)) return false;
  auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC));
  if (current == CommonWindowProc) return true;
  previous_procedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommonWindowProc)));
  handle_ = handle;
  return true;
}

void WindowObject::Detach(HWND handle) {
  if (!handle) return;
  ClassCleanup(handle);
  if (previous_procedure_) {
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_procedure_));
    if (HandleMap* map = TheHandleMap()) map->Remove(handle);
  }
  cursor_.reset();
  font_.reset();
  handle_ = nullptr;
  previous_procedure_ = nullptr;
}

HWND WindowObject::CreateObjectWindow(HWND parent, DWORD ex_style, const char* class_name,
                                      const char* title, DWORD style, int x, int y, int width,
                                      int height, HMENU menu_or_id, void* creation_parameter) {
  if (handle_) return nullptr;
  handle_ = CreateWindowExA(ex_style, class_name, title, style | WS_CLIPSIBLINGS, x, y, width,
                            height, parent, menu_or_id, InstanceHandle, creation_parameter);
  if (!handle_) return nullptr;
  Attach(handle_);
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return handle_;
}

int WindowObject::Height() const {
  RECT outer{};
  GetWindowRect(handle_, &outer);
  return outer.bottom - outer.top;
}

bool WindowObject::Height(int height, std::optional<bool> repaint) {
  RECT outer{};
  GetWindowRect(handle_, &outer);
  POINT corner{outer.left, outer.top};
  // A top-level window has no parent: the conversion then leaves the corner.
  ScreenToClient(GetParent(handle_), &corner);
  return MoveWindow(handle_, corner.x, corner.y, outer.right - outer.left, height,
                    repaint.value_or(true)) != 0;
}

bool WindowObject::Disabled() const {
  return IsWindowEnabled(handle_) == 0;
}

bool WindowObject::Disabled(bool value) {
  return EnableWindow(handle_, value ? FALSE : TRUE) != 0;
}

}  // namespace ombrela
