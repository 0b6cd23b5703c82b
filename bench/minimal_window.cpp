// The start-up baseline: a Win32 program that registers a class and shows
// one window of the program's size, and nothing else. Built a second time
// with OMBRELA_BENCH_SAME_IMPORTS, it first calls into each system DLL that
// ombrela.exe imports, so that the loader does the same work.
#include <windows.h>

#ifdef OMBRELA_BENCH_SAME_IMPORTS
#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>
#endif

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef OMBRELA_BENCH_SAME_IMPORTS
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  char folder[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, folder, CSIDL_SYSTEM, FALSE);
  PathFileExistsA(folder);
#endif
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "OmbrelaBenchWindow";
  if (!RegisterClassA(&window_class)) return 1;
  HWND window = CreateWindowExA(0, "OmbrelaBenchWindow", "baseline", WS_OVERLAPPEDWINDOW, 100, 100,
                                320, 120, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
