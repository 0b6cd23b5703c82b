#include "app/fatal.h"

#include <windows.h>

#include <cstdio>

namespace ombrela {

void FatalOutOfMemory() {
  MessageBoxA(nullptr, "内存不足", "error", MB_ICONERROR);
  ExitProcess(0);
}

void FatalInternalError(int number) {
  char message[96];
  std::snprintf(message, sizeof(message), "program internal error number is %d. (0x%Xh)", number,
                static_cast<unsigned>(number));
  MessageBoxA(nullptr, message, "error", MB_ICONERROR);
  ExitProcess(0);
}

}  // namespace ombrela
