// Start-up time and memory of ombrela.exe, seen from a launcher process:
// from CreateProcessA until the main window is visible and the status bar's
// part 0 has its text, against the same for a program that only shows a
// window, and against that window in a program that also loads what the
// program's imports and manifest bring in (common controls 6, shell32,
// shlwapi), to tell the platform's share from the program's own. Then the
// program's private memory once start-up is over (its information box is
// up); the box is left alone and the process ended.
//   bench_startup <ombrela.exe> <bench_window.exe> <bench_window_imports.exe> [runs]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

using ombrela::bench::Now;

struct Found {
  DWORD process_id;
  const char* class_name;
  HWND window = nullptr;
};

BOOL CALLBACK FindOwnWindow(HWND window, LPARAM value) {
  auto* found = reinterpret_cast<Found*>(value);
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == found->process_id && std::strcmp(name, found->class_name) == 0 &&
      IsWindowVisible(window)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND VisibleWindow(DWORD process_id, const char* class_name) {
  Found found{process_id, class_name};
  EnumWindows(FindOwnWindow, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// SB_GETTEXTLENGTHA carries no pointer, so it works across processes. It is
// answered when the program next takes messages: after setting the status at
// start-up that is in the information box's loop, so the box is made by then.
bool StatusShown(HWND main) {
  HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
  if (!bar) return false;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(bar, SB_GETTEXTLENGTHA, 0, 0, SMTO_ABORTIFHUNG, 1000, &result))
    return false;
  return LOWORD(result) > 0;
}

// The baseline is timed to the same point: its window shown and its thread
// taking messages.
bool Answers(HWND main) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

struct Start {
  double seconds = -1;     // to the window (and status) shown; -1: never
  double visible = -1;     // to the window shown, status or not
  double private_mib = 0;  // after start-up
  bool private_is_commit = false;
};

double PrivateMiB(HANDLE process, bool* is_commit) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof(counters)))
    return 0;
  // Wine keeps no PrivateUsage (it reads 0); its PagefileUsage is the
  // process's anonymous resident memory (RssAnon + VmSwap), which stands in.
  *is_commit = counters.PrivateUsage == 0;
  const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

Start Launch(const std::string& exe, const char* class_name, bool with_status) {
  Start start;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string command = "\"" + exe + "\"";
  const double began = Now();
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return start;
  const double give_up = began + 30;
  while (Now() < give_up) {
    HWND main = VisibleWindow(process.dwProcessId, class_name);
    if (main && start.visible < 0) start.visible = Now() - began;
    if (main && (with_status ? StatusShown(main) : Answers(main))) {
      start.seconds = Now() - began;
      break;
    }
    Sleep(1);
  }
  if (start.seconds >= 0) {
    // Start-up is over once the information box is up (the program only);
    // the baseline has nothing more to come.
    if (with_status) {
      const double box_deadline = Now() + 10;
      while (Now() < box_deadline && !VisibleWindow(process.dwProcessId, "#32770")) Sleep(5);
    }
    Sleep(200);
    start.private_mib = PrivateMiB(process.hProcess, &start.private_is_commit);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return start;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs(
        "usage: bench_startup <ombrela.exe> <bench_window.exe> <bench_window_imports.exe>"
        " [runs]\n",
        stderr);
    return 64;
  }
  const int runs = argc > 4 ? std::atoi(argv[4]) : 9;
  std::vector<double> program, visible, baseline, imports, program_memory, baseline_memory;
  bool commit = false;
  // One unmeasured start of each first: the files are then in the cache.
  Launch(argv[1], "WTWindow", true);
  Launch(argv[2], "OmbrelaBenchWindow", false);
  Launch(argv[3], "OmbrelaBenchWindow", false);
  for (int run = 0; run < runs; ++run) {
    const Start p = Launch(argv[1], "WTWindow", true);
    const Start b = Launch(argv[2], "OmbrelaBenchWindow", false);
    const Start i = Launch(argv[3], "OmbrelaBenchWindow", false);
    if (p.seconds < 0 || b.seconds < 0 || i.seconds < 0) {
      std::fputs("bench_startup: a program did not show its window\n", stderr);
      return 1;
    }
    program.push_back(p.seconds);
    visible.push_back(p.visible);
    baseline.push_back(b.seconds);
    imports.push_back(i.seconds);
    program_memory.push_back(p.private_mib);
    baseline_memory.push_back(b.private_mib);
    commit = p.private_is_commit;
  }
  using namespace ombrela::bench;
  const double ratio = Median(program) / Median(baseline);
  Row("start-up: window and status shown (median of " + std::to_string(runs) + ")",
      Milliseconds(Median(program)), "minimal window " + Milliseconds(Median(baseline)),
      Format("%.2fx", ratio), "within 1.3x", ratio <= 1.3);
  Row("start-up: window shown, status not yet read", Milliseconds(Median(visible)),
      "minimal window " + Milliseconds(Median(baseline)),
      Format("%.2fx", Median(visible) / Median(baseline)), "-", true);
  const double own = Median(program) / Median(imports);
  Row("start-up, against a window with the same imports and manifest",
      Milliseconds(Median(program)), "same imports " + Milliseconds(Median(imports)),
      Format("%.2fx", own), "-", true);
  const double memory = Median(program_memory);
  Row(std::string(commit ? "anonymous resident memory" : "private memory") +
          " after start-up (information box up)",
      Format("%.2f MiB", memory), "minimal window " + Format("%.2f MiB", Median(baseline_memory)),
      "-", "under 8 MiB", memory > 0 && memory < 8);
  return 0;
}
