#include "tests/support/message_boxes.h"

#include <algorithm>

namespace ombrela::testing {

namespace {

struct FindContext {
  DWORD process_id;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM context_value) {
  auto* context = reinterpret_cast<FindContext*>(context_value);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof(class_name));
  DWORD owner_process = 0;
  GetWindowThreadProcessId(window, &owner_process);
  if (owner_process == context->process_id && std::string(class_name) == "#32770" &&
      IsWindowVisible(window)) {
    context->found->push_back(window);
  }
  return TRUE;
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

}  // namespace

std::vector<HWND> FindBoxes(DWORD process_id) {
  std::vector<HWND> found;
  FindContext context{process_id ? process_id : GetCurrentProcessId(), &found};
  EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&context));
  return found;
}

SeenBox ReadBox(HWND box) {
  SeenBox seen;
  seen.caption = WindowText(box);
  // The message text is the box's static control 0xFFFF.
  if (HWND text = GetDlgItem(box, 0xFFFF)) seen.text = WindowText(text);
  for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
    if (GetDlgItem(box, id)) seen.buttons.push_back(id);
  }
  seen.owner = GetWindow(box, GW_OWNER);
  // The icon static (1088) shows one of the shared system icons, or is hidden.
  HWND icon = GetDlgItem(box, 1088);
  if (icon && IsWindowVisible(icon)) {
    auto shown = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    const struct {
      LPCSTR id;
      UINT style;
    } kIcons[] = {{IDI_QUESTION, MB_ICONQUESTION},
                  {IDI_HAND, MB_ICONHAND},
                  {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                  {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& known : kIcons) {
      if (LoadIconA(nullptr, known.id) == shown) seen.icon_style = known.style;
    }
    if (seen.icon_style == 0 && shown) seen.icon_style = 0xF0;  // some other icon
  }
  return seen;
}

void PressButton(HWND box, int button_id) {
  HWND button = GetDlgItem(box, button_id);
  if (button) {
    PostMessageA(button, BM_CLICK, 0, 0);
  } else {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED), 0);
  }
}

BoxAnswerer::BoxAnswerer(std::vector<int> answers, DWORD process_id,
                         std::function<void(const SeenBox&)> on_box)
    : answers_(std::move(answers)),
      process_id_(process_id ? process_id : GetCurrentProcessId()),
      on_box_(std::move(on_box)),
      thread_([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenBox> BoxAnswerer::Seen() {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

size_t BoxAnswerer::SeenCount() {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_.size();
}

void BoxAnswerer::Run() {
  size_t next = 0;
  while (!stop_) {
    if (next < answers_.size()) {
      for (HWND box : FindBoxes(process_id_)) {
        if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) continue;
        // Let the box finish laying out its controls before reading it.
        if (!GetDlgItem(box, 0xFFFF)) continue;
        SeenBox seen = ReadBox(box);
        {
          std::lock_guard<std::mutex> lock(mutex_);
          seen_.push_back(seen);
        }
        handled_.push_back(box);
        if (on_box_) on_box_(seen);
        PressButton(box, answers_[next++]);
        break;
      }
    }
    Sleep(10);
  }
}

}  // namespace ombrela::testing
