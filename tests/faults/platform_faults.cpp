// The stand-ins: each one counts its call, and either makes the real call or
// fails the way the platform fails, with a realistic error code. Compiled
// without platform_fault_injection.h, so the names here are the real calls.
#include "tests/faults/platform_faults.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace ombrela::faults {

namespace {

struct Plan {
  bool armed = false;
  int fail_at = 0;
  Mode mode = Mode::kOnce;
  std::vector<Call> calls;
  std::optional<int> failed_at;
  Call failed_kind = Call::kOpen;
};

Plan& ThePlan() {
  static Plan plan;
  return plan;
}

// Counts the call; true when it is to fail.
bool Fails(Call call) {
  Plan& plan = ThePlan();
  if (!plan.armed) return false;
  plan.calls.push_back(call);
  const int number = static_cast<int>(plan.calls.size());
  if (number == plan.fail_at) {
    plan.failed_at = number;
    plan.failed_kind = call;
    return true;
  }
  return plan.failed_at && plan.mode == Mode::kFromThenOn && call == plan.failed_kind;
}

bool Once() {
  return ThePlan().mode == Mode::kOnce;
}

template <typename Result>
Result Refuse(Result result, DWORD error) {
  SetLastError(error);
  return result;
}

}  // namespace

const char* CallName(Call call) {
  switch (call) {
    case Call::kOpen:
      return "open";
    case Call::kRead:
      return "read";
    case Call::kWrite:
      return "write";
    case Call::kFlush:
      return "flush";
    case Call::kClose:
      return "close";
    case Call::kSizeQuery:
      return "size query";
    case Call::kSetEnd:
      return "set end";
    case Call::kSetAttributes:
      return "attribute change";
    case Call::kGetAttributes:
      return "attribute query";
    case Call::kDelete:
      return "delete";
    case Call::kReplace:
      return "replace";
    case Call::kMove:
      return "move";
    case Call::kExists:
      return "existence test";
    case Call::kFolderQuery:
      return "folder query";
    case Call::kFindFirst:
      return "search start";
    case Call::kFindNext:
      return "search step";
    case Call::kFullPath:
      return "full path";
    case Call::kHandleInfo:
      return "handle information";
    case Call::kSetHandleInfo:
      return "handle information change";
    case Call::kFinalPath:
      return "final path";
  }
  return "?";
}

void Arm(int fail_at, Mode mode) {
  Plan& plan = ThePlan();
  plan = Plan{};
  plan.armed = true;
  plan.fail_at = fail_at;
  plan.mode = mode;
}

void Disarm() {
  ThePlan().armed = false;
}

const std::vector<Call>& Calls() {
  return ThePlan().calls;
}

std::optional<int> FailedAt() {
  return ThePlan().failed_at;
}

}  // namespace ombrela::faults

using ombrela::faults::Call;
using ombrela::faults::Fails;
using ombrela::faults::Once;
using ombrela::faults::Refuse;

HANDLE WINAPI OmbrelaFaultCreateFileA(LPCSTR name, DWORD access, DWORD share,
                                      LPSECURITY_ATTRIBUTES security, DWORD disposition,
                                      DWORD flags, HANDLE model) {
  if (Fails(Call::kOpen))
    return Refuse(INVALID_HANDLE_VALUE, Once() ? ERROR_SHARING_VIOLATION : ERROR_ACCESS_DENIED);
  return CreateFileA(name, access, share, security, disposition, flags, model);
}

BOOL WINAPI OmbrelaFaultReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD got,
                                 LPOVERLAPPED overlapped) {
  if (Fails(Call::kRead)) {
    // Once: success for half the bytes. From then on: a device error.
    if (Once()) return ReadFile(file, buffer, count / 2, got, overlapped);
    if (got) *got = 0;
    return Refuse(FALSE, ERROR_IO_DEVICE);
  }
  return ReadFile(file, buffer, count, got, overlapped);
}

BOOL WINAPI OmbrelaFaultWriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written,
                                  LPOVERLAPPED overlapped) {
  if (Fails(Call::kWrite)) {
    // Half the bytes reach the file either way; once, that is called success,
    // as Wine does at a file size limit; from then on the disk is full.
    const BOOL wrote = WriteFile(file, buffer, count / 2, written, overlapped);
    if (Once()) return wrote;
    return Refuse(FALSE, ERROR_DISK_FULL);
  }
  return WriteFile(file, buffer, count, written, overlapped);
}

BOOL WINAPI OmbrelaFaultFlushFileBuffers(HANDLE file) {
  if (Fails(Call::kFlush)) return Refuse(FALSE, ERROR_IO_DEVICE);
  return FlushFileBuffers(file);
}

BOOL WINAPI OmbrelaFaultCloseHandle(HANDLE handle) {
  // The handle is gone either way; only the report of a late write error differs.
  const BOOL closed = CloseHandle(handle);
  if (Fails(Call::kClose)) return Refuse(FALSE, ERROR_IO_DEVICE);
  return closed;
}

BOOL WINAPI OmbrelaFaultGetFileSizeEx(HANDLE file, PLARGE_INTEGER size) {
  if (Fails(Call::kSizeQuery)) return Refuse(FALSE, ERROR_IO_DEVICE);
  return GetFileSizeEx(file, size);
}

BOOL WINAPI OmbrelaFaultSetEndOfFile(HANDLE file) {
  if (Fails(Call::kSetEnd)) return Refuse(FALSE, ERROR_DISK_FULL);
  return SetEndOfFile(file);
}

BOOL WINAPI OmbrelaFaultSetFileAttributesA(LPCSTR name, DWORD attributes) {
  if (Fails(Call::kSetAttributes)) return Refuse(FALSE, ERROR_ACCESS_DENIED);
  return SetFileAttributesA(name, attributes);
}

DWORD WINAPI OmbrelaFaultGetFileAttributesA(LPCSTR name) {
  if (Fails(Call::kGetAttributes))
    return Refuse(INVALID_FILE_ATTRIBUTES, Once() ? ERROR_SHARING_VIOLATION : ERROR_ACCESS_DENIED);
  return GetFileAttributesA(name);
}

BOOL WINAPI OmbrelaFaultDeleteFileA(LPCSTR name) {
  if (Fails(Call::kDelete))
    return Refuse(FALSE, Once() ? ERROR_SHARING_VIOLATION : ERROR_ACCESS_DENIED);
  return DeleteFileA(name);
}

BOOL WINAPI OmbrelaFaultReplaceFileA(LPCSTR replaced, LPCSTR replacement, LPCSTR backup,
                                     DWORD flags, LPVOID exclude, LPVOID reserved) {
  if (Fails(Call::kReplace)) {
    // Once: the replace stops half way, as the platform documents for error
    // 1176 without a backup name: the replaced file is gone, the replacement
    // keeps its own name. From then on: the replaced file cannot be removed,
    // and nothing has changed.
    if (Once() && !backup) {
      DeleteFileA(replaced);
      return Refuse(FALSE, ERROR_UNABLE_TO_MOVE_REPLACEMENT);
    }
    return Refuse(FALSE, ERROR_UNABLE_TO_REMOVE_REPLACED);
  }
  return ReplaceFileA(replaced, replacement, backup, flags, exclude, reserved);
}

BOOL WINAPI OmbrelaFaultMoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
  if (Fails(Call::kMove))
    return Refuse(FALSE, Once() ? ERROR_SHARING_VIOLATION : ERROR_ACCESS_DENIED);
  return MoveFileExA(from, to, flags);
}

BOOL WINAPI OmbrelaFaultPathFileExistsA(LPCSTR name) {
  if (Fails(Call::kExists)) return Refuse(FALSE, ERROR_ACCESS_DENIED);
  return PathFileExistsA(name);
}

BOOL WINAPI OmbrelaFaultSHGetSpecialFolderPathA(HWND owner, LPSTR path, int folder, BOOL create) {
  if (Fails(Call::kFolderQuery)) return Refuse(FALSE, ERROR_ACCESS_DENIED);
  return SHGetSpecialFolderPathA(owner, path, folder, create);
}

HANDLE WINAPI OmbrelaFaultFindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA entry) {
  if (Fails(Call::kFindFirst)) return Refuse(INVALID_HANDLE_VALUE, ERROR_ACCESS_DENIED);
  return FindFirstFileA(pattern, entry);
}

BOOL WINAPI OmbrelaFaultFindNextFileA(HANDLE search, LPWIN32_FIND_DATAA entry) {
  // Once: the listing ends early, as if the folder had no more entries.
  if (Fails(Call::kFindNext)) return Refuse(FALSE, Once() ? ERROR_NO_MORE_FILES : ERROR_IO_DEVICE);
  return FindNextFileA(search, entry);
}

DWORD WINAPI OmbrelaFaultGetFullPathNameA(LPCSTR name, DWORD size, LPSTR buffer, LPSTR* part) {
  if (Fails(Call::kFullPath)) return Refuse(DWORD{0}, ERROR_INVALID_NAME);
  return GetFullPathNameA(name, size, buffer, part);
}

BOOL WINAPI OmbrelaFaultGetFileInformationByHandle(HANDLE file,
                                                   LPBY_HANDLE_FILE_INFORMATION information) {
  if (Fails(Call::kHandleInfo)) return Refuse(FALSE, ERROR_ACCESS_DENIED);
  return GetFileInformationByHandle(file, information);
}

BOOL WINAPI OmbrelaFaultGetFileInformationByHandleEx(HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind,
                                                     LPVOID buffer, DWORD size) {
  if (Fails(Call::kHandleInfo)) return Refuse(FALSE, ERROR_ACCESS_DENIED);
  return GetFileInformationByHandleEx(file, kind, buffer, size);
}

BOOL WINAPI OmbrelaFaultSetFileInformationByHandle(HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind,
                                                   LPVOID buffer, DWORD size) {
  if (Fails(Call::kSetHandleInfo)) return Refuse(FALSE, ERROR_ACCESS_DENIED);
  return SetFileInformationByHandle(file, kind, buffer, size);
}

DWORD WINAPI OmbrelaFaultGetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size,
                                                   DWORD flags) {
  if (Fails(Call::kFinalPath)) return Refuse(DWORD{0}, ERROR_ACCESS_DENIED);
  return GetFinalPathNameByHandleA(file, path, size, flags);
}
