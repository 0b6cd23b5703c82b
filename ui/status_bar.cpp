#include "ui/status_bar.h"

#include <cstdint>

#include "ui/instance.h"

namespace ombrela {

std::vector<int> PartRightEdges(std::span<const int> widths) {
  std::vector<int> edges(widths.size(), 0);
  int total = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    edges[i] = widths[i] == -1 ? -1 : widths[i] + total;
    total += widths[i];
  }
  return edges;
}

StatusBar::StatusBar() {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_BAR_CLASSES;
  InitCommonControlsEx(&classes);
}

StatusBar::~StatusBar() {
  Detach(GetHandle());
}

bool StatusBar::Create(HWND parent, std::optional<DWORD> style, std::optional<DWORD> ex_style) {
  DWORD window_style = style.value_or(kDefaultStatusBarStyle) | WS_CHILD | WS_VISIBLE;
  int id = ++ControlIdCounter;
  HWND handle =
      CreateObjectWindow(parent, ex_style.value_or(0), STATUSCLASSNAMEA, "", window_style, 0, 0, 0,
                         0, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr);
  return handle != nullptr;
}

bool StatusBar::SetParts(std::span<const int> widths) {
  std::vector<int> edges = PartRightEdges(widths);
  return SendMessageA(GetHandle(), SB_SETPARTS, edges.size(),
                      reinterpret_cast<LPARAM>(edges.data())) != 0;
}

bool StatusBar::SetPartText(int part_word, const char* text) {
  return SendMessageA(GetHandle(), SB_SETTEXTA, static_cast<WPARAM>(part_word),
                      reinterpret_cast<LPARAM>(text)) != 0;
}

LRESULT StatusBar::Relayout() {
  return SendMessageA(GetHandle(), WM_SIZE, 0, 0);
}

}  // namespace ombrela
