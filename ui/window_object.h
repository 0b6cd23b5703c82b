// The base of every window object: one object in front of one platform window.
// Attaching enters the object in the handle map and routes the window's
// messages through CommonWindowProc to HandleMessage; what that leaves goes on
// to the window procedure that was in place before.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/gdi_handles.h"

namespace ombrela {

LRESULT CALLBACK CommonWindowProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);

class WindowObject {
 public:
  WindowObject() = default;
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;
  virtual ~WindowObject();

  // Common handling of every message of an attached window.
  virtual LRESULT HandleMessage(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);
  // The class's own processing, reached through the class's window procedure.
  virtual LRESULT ClassProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);
  // A WM_COMMAND of the parent that names this window; non-zero ends it.
  virtual LRESULT OnCommandFromParent(HWND parent, HWND self, int code, int id);
  // A WM_CTLCOLOR* of the parent that names this window; a brush ends it.
  virtual LRESULT OnControlColor(HWND self, HDC dc);
  // WM_ERASEBKGND; true when the object painted its background.
  virtual bool PaintBackgroundOnErase(HWND self, HDC dc);
  // WM_LBUTTONDOWN, before default processing.
  virtual void DragByClientArea(HWND self);
  // The class's clean-up when its window goes away.
  virtual void ClassCleanup(HWND handle);

  void Detach(HWND handle);
  HWND CreateObjectWindow(HWND parent, DWORD ex_style, const char* class_name, const char* title,
                          DWORD style, int x, int y, int width, int height, HMENU menu_or_id,
                          void* creation_parameter);

  HWND GetHandle() const { return handle_; }

  // Outer height; with a height, moves the window keeping corner and width.
  int Height() const;
  bool Height(int height, std::optional<bool> repaint = std::nullopt);

  // True when the window is disabled; with a value, disables (true) or enables.
  bool Disabled() const;
  bool Disabled(bool value);

 protected:
  WNDPROC PreviousProcedure() const { return previous_procedure_; }

 private:
  bool Attach(HWND handle);

  HWND handle_ = nullptr;
  WNDPROC previous_procedure_ = nullptr;
  UniqueCursor cursor_;
  UniqueFont font_;
};

}  // namespace ombrela
