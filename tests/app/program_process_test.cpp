// The built program as its own process: it starts, shows its window and the
// information box, and a normal close ends it with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/message_boxes.h"
#include "tests/support/prefix_files.h"
#include "tests/support/pump.h"

namespace ombrela {
namespace {

std::string program_path;

struct FoundWindow {
  DWORD process_id;
  HWND window = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM context_value) {
  auto* context = reinterpret_cast<FoundWindow*>(context_value);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  char class_name[32] = {};
  GetClassNameA(window, class_name, sizeof(class_name));
  if (process_id == context->process_id && std::string(class_name) == "WTWindow") {
    context->window = window;
    return FALSE;
  }
  return TRUE;
}

TEST(ProgramProcess, NormalCloseEndsWithExitCodeZero) {
  ASSERT_FALSE(program_path.empty()) << "the test takes the path of ombrela.exe";
  testing::SavedHostsFiles saved;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string command = "\"" + testing::WindowsPathOf(program_path) + "\"";
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  {
    testing::BoxAnswerer answerer({IDOK}, process.dwProcessId);
    FoundWindow found{process.dwProcessId};
    testing::PumpUntil(
        [&] {
          EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
          return found.window != nullptr && answerer.SeenCount() == 1;
        },
        15000);
    ASSERT_NE(found.window, nullptr);
    ASSERT_EQ(answerer.SeenCount(), 1u);
    testing::PumpUntil([&] { return testing::FindBoxes(process.dwProcessId).empty(); }, 5000);
    PostMessageA(found.window, WM_CLOSE, 0, 0);
  }
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0);
  DWORD exit_code = 99;
  GetExitCodeProcess(process.hProcess, &exit_code);
  EXPECT_EQ(exit_code, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

TEST(ProgramProcess, CarriesItsIconIn16_32And48Pixels) {
  ASSERT_FALSE(program_path.empty());
  HMODULE module = LoadLibraryExA(testing::WindowsPathOf(program_path).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  for (int size : {16, 32, 48}) {
    auto icon =
        static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(129), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmBitsPixel, 32) << "drawn with an alpha channel";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  FreeLibrary(module);
}

}  // namespace
}  // namespace ombrela

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) ombrela::program_path = argv[1];
  return RUN_ALL_TESTS();
}
