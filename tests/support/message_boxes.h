// Finds message boxes (#32770) of a process and presses their buttons through
// the window system, as a user would, from a thread of its own.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ombrela::testing {

struct SeenBox {
  std::string caption;  // code page 936 bytes
  std::string text;
  UINT icon_style = 0;       // MB_ICONQUESTION etc., read from the icon shown
  std::vector<int> buttons;  // identifiers of the buttons present
  HWND owner = nullptr;
};

// Reads a box's caption, text and buttons.
SeenBox ReadBox(HWND box);
// Visible boxes of the process (0: this process), in no particular order.
std::vector<HWND> FindBoxes(DWORD process_id = 0);
// Presses the button with this identifier (IDOK, IDYES, IDNO ...).
void PressButton(HWND box, int button_id);

// Answers boxes as they appear, in order, with the given buttons; once all are
// used it answers nothing more. Stops (and joins) on destruction.
class BoxAnswerer {
 public:
  // on_box runs on the answering thread for each box, before its button is
  // pressed: a test can look at the rest of the screen at that moment.
  explicit BoxAnswerer(std::vector<int> answers, DWORD process_id = 0,
                       std::function<void(const SeenBox&)> on_box = nullptr);
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  std::vector<SeenBox> Seen();
  size_t SeenCount();

 private:
  void Run();

  std::vector<int> answers_;
  DWORD process_id_;
  std::function<void(const SeenBox&)> on_box_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenBox> seen_;
  std::vector<HWND> handled_;
  std::thread thread_;
};

}  // namespace ombrela::testing
