// Test-only stand-ins for the platform's file calls, and the plan that says
// which call fails. Only the fault-injection build of fileops/, hosts/ and
// flashguard/ calls the stand-ins (platform_fault_injection.h routes it
// there); the program's own build never sees them.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace ombrela::faults {

// The kinds of call that can be made to fail.
enum class Call {
  kOpen,           // CreateFileA
  kRead,           // ReadFile
  kWrite,          // WriteFile
  kFlush,          // FlushFileBuffers
  kClose,          // CloseHandle
  kSizeQuery,      // GetFileSizeEx
  kSetEnd,         // SetEndOfFile
  kSetAttributes,  // SetFileAttributesA
  kGetAttributes,  // GetFileAttributesA
  kDelete,         // DeleteFileA
  kReplace,        // ReplaceFileA
  kMove,           // MoveFileExA
  kExists,         // PathFileExistsA
  kFolderQuery,    // SHGetSpecialFolderPathA
  kFindFirst,      // FindFirstFileA
  kFindNext,       // FindNextFileA
  kFullPath,       // GetFullPathNameA
  kHandleInfo,     // GetFileInformationByHandle(Ex)
  kSetHandleInfo,  // SetFileInformationByHandle
  kFinalPath,      // GetFinalPathNameByHandleA
};
const char* CallName(Call call);

enum class Mode {
  // The one call fails, the way a busy or flaky file fails once: a short
  // read or write, a sharing violation, a replace that stops half way.
  kOnce,
  // The call and every later call of its kind fail: a full disk, a refused
  // access, a file that stays locked.
  kFromThenOn,
};

// Starts counting; the call with this 1-based number fails (0: none does).
void Arm(int fail_at, Mode mode);
// Stops counting and failing.
void Disarm();
// Every call since Arm, in order.
const std::vector<Call>& Calls();
// The number of the call that was failed, once it has been.
std::optional<int> FailedAt();

}  // namespace ombrela::faults

HANDLE WINAPI OmbrelaFaultCreateFileA(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD,
                                      HANDLE);
BOOL WINAPI OmbrelaFaultReadFile(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
BOOL WINAPI OmbrelaFaultWriteFile(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
BOOL WINAPI OmbrelaFaultFlushFileBuffers(HANDLE);
BOOL WINAPI OmbrelaFaultCloseHandle(HANDLE);
BOOL WINAPI OmbrelaFaultGetFileSizeEx(HANDLE, PLARGE_INTEGER);
BOOL WINAPI OmbrelaFaultSetEndOfFile(HANDLE);
BOOL WINAPI OmbrelaFaultSetFileAttributesA(LPCSTR, DWORD);
DWORD WINAPI OmbrelaFaultGetFileAttributesA(LPCSTR);
BOOL WINAPI OmbrelaFaultDeleteFileA(LPCSTR);
BOOL WINAPI OmbrelaFaultReplaceFileA(LPCSTR, LPCSTR, LPCSTR, DWORD, LPVOID, LPVOID);
BOOL WINAPI OmbrelaFaultMoveFileExA(LPCSTR, LPCSTR, DWORD);
BOOL WINAPI OmbrelaFaultPathFileExistsA(LPCSTR);
BOOL WINAPI OmbrelaFaultSHGetSpecialFolderPathA(HWND, LPSTR, int, BOOL);
HANDLE WINAPI OmbrelaFaultFindFirstFileA(LPCSTR, LPWIN32_FIND_DATAA);
BOOL WINAPI OmbrelaFaultFindNextFileA(HANDLE, LPWIN32_FIND_DATAA);
DWORD WINAPI OmbrelaFaultGetFullPathNameA(LPCSTR, DWORD, LPSTR, LPSTR*);
BOOL WINAPI OmbrelaFaultGetFileInformationByHandle(HANDLE, LPBY_HANDLE_FILE_INFORMATION);
BOOL WINAPI OmbrelaFaultGetFileInformationByHandleEx(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID,
                                                     DWORD);
BOOL WINAPI OmbrelaFaultSetFileInformationByHandle(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID,
                                                   DWORD);
DWORD WINAPI OmbrelaFaultGetFinalPathNameByHandleA(HANDLE, LPSTR, DWORD, DWORD);
