// Looks at a running ombrela.exe from outside, through the window system, for
// the person-level test: where its windows are, what they show, which control
// has the focus. Texts are printed as hex of their code page 936 bytes.
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "hosts/block_list.h"

namespace {

std::string Hex(const std::string& bytes) {
  std::string out;
  char two[3];
  for (unsigned char c : bytes) {
    std::snprintf(two, sizeof(two), "%02x", c);
    out += two;
  }
  return out.empty() ? "-" : out;
}

std::string Text(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

HWND FindMain(DWORD* process_id) {
  HWND main = FindWindowA("WTWindow", nullptr);
  if (main) GetWindowThreadProcessId(main, process_id);
  return main;
}

struct BoxSearch {
  DWORD process_id;
  HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM value) {
  auto* search = reinterpret_cast<BoxSearch*>(value);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof(class_name));
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == search->process_id && std::strcmp(class_name, "#32770") == 0 &&
      IsWindowVisible(window)) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

void PrintRect(const char* name, HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%s %ld %ld %ld %ld %d\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top,
              IsWindowEnabled(window) ? 1 : 0);
}

// SB_GETTEXTA writes through its pointer, so the buffer must live in the
// program's own address space.
std::string RemotePartText(HWND bar, DWORD process_id, int part) {
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
  if (!process) return {};
  char text[512] = {};
  void* remote = VirtualAllocEx(process, nullptr, sizeof(text), MEM_COMMIT, PAGE_READWRITE);
  if (remote) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(bar, SB_GETTEXTA, static_cast<WPARAM>(part),
                        reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 2000, &result);
    ReadProcessMemory(process, remote, text, sizeof(text) - 1, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

int Controls() {
  DWORD process_id = 0;
  HWND main = FindMain(&process_id);
  if (!main) {
    std::puts("nomain");
    return 1;
  }
  PrintRect("main", main);
  RECT client{};
  GetClientRect(main, &client);
  std::printf("client %ld %ld\n", client.right, client.bottom);
  HWND block = GetDlgItem(main, 501);
  HWND restore = GetDlgItem(main, 502);
  HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
  PrintRect("block", block);
  PrintRect("restore", restore);
  PrintRect("bar", bar);
  std::printf("status0 %s\n", Hex(RemotePartText(bar, process_id, 0)).c_str());
  std::printf("status1 %s\n", Hex(RemotePartText(bar, process_id, 1)).c_str());
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
  const char* focus = info.hwndFocus == block     ? "block"
                      : info.hwndFocus == restore ? "restore"
                      : info.hwndFocus == main    ? "main"
                                                  : "other";
  std::printf("focus %s\n", focus);
  return 0;
}

int Box() {
  DWORD process_id = 0;
  if (!FindMain(&process_id)) {
    std::puts("nomain");
    return 1;
  }
  BoxSearch search{process_id};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
  if (!search.box) {
    std::puts("nobox");
    return 1;
  }
  std::printf("caption %s\n", Hex(Text(search.box)).c_str());
  std::printf("text %s\n", Hex(Text(GetDlgItem(search.box, 0xFFFF))).c_str());
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (HWND button = GetDlgItem(search.box, id)) {
      std::string name = "button" + std::to_string(id);
      PrintRect(name.c_str(), button);
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string verb = argc > 1 ? argv[1] : "";
  _setmode(_fileno(stdout), _O_BINARY);  // bytes as they are, no CR added
  if (verb == "controls") return Controls();
  if (verb == "box") return Box();
  if (verb == "block-text") {
    const auto& text = ombrela::BlockText();
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  if (verb == "site-list") {
    std::fwrite(ombrela::SiteList.data(), 1, ombrela::SiteList.size(), stdout);
    return 0;
  }
  std::fputs("usage: window_probe controls|box|block-text|site-list\n", stderr);
  return 64;
}
