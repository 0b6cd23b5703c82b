// A status bar over the common control "msctls_statusbar32": parts laid out
// from widths, part texts, and a re-fit to the parent's bottom edge.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <span>
#include <vector>

#include "ui/window_object.h"

namespace ombrela {

inline constexpr DWORD kDefaultStatusBarStyle =
    SBARS_SIZEGRIP | SBARS_TOOLTIPS | CCS_BOTTOM | CCS_NOMOVEY;

// Widths (-1: to the right end) become the right edges the control takes.
std::vector<int> PartRightEdges(std::span<const int> widths);

class StatusBar : public WindowObject {
 public:
  // Initialises the common-controls bar classes; creates no window.
  StatusBar();
  ~StatusBar() override;

  bool Create(HWND parent, std::optional<DWORD> style = std::nullopt,
              std::optional<DWORD> ex_style = std::nullopt);
  bool SetParts(std::span<const int> widths);
  // The part word is the part's index, possibly with drawing-type bits.
  bool SetPartText(int part_word, const char* text);
  LRESULT Relayout();
};

}  // namespace ombrela
