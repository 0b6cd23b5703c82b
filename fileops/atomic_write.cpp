// The new contents are written to a temporary file in the target's folder,
// flushed, and then swapped in by name: ReplaceFileA over an existing target
// (which keeps its security and attributes), MoveFileExA when there is none.
// Virus scanners and indexers hold such files briefly, so the swap is retried
// for a moment when the platform reports the file as busy.
#include "fileops/atomic_write.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fileops/unique_handle.h"

namespace ombrela {

namespace {

constexpr int kAttempts = 5;
constexpr DWORD kRetryPauseMs = 50;
constexpr int kTempNameTries = 16;
// The attributes SetFileAttributesA accepts.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                      FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_TEMPORARY |
                                      FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool Exists(const Text& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsBusyError(DWORD error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
      return true;
    default:
      return false;
  }
}

// Deletes the temporary file unless it has been swapped in.
class TempFile {
 public:
  explicit TempFile(Text path) : path_(std::move(path)) {}
  ~TempFile() {
    if (!owned_) return;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (DeleteFileA(path_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return;
      Sleep(kRetryPauseMs);
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const Text& Path() const { return path_; }
  void Disown() { owned_ = false; }

 private:
  Text path_;
  bool owned_ = true;
};

// A process killed while writing leaves its temporary file behind; the next
// replace of the same file removes those whose process is gone.
void RemoveStaleTemps(const Text& path) {
  WIN32_FIND_DATAA entry;
  UniqueFind search(FindFirstFileA((path + ".~*-*.tmp").c_str(), &entry));
  if (!search) return;
  const std::size_t slash = path.find_last_of('\\');
  const Text folder = slash == Text::npos ? Text() : path.substr(0, slash + 1);
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const char* pid_text = std::strrchr(entry.cFileName, '~');
    if (!pid_text) continue;
    const DWORD pid = static_cast<DWORD>(std::strtoul(pid_text + 1, nullptr, 10));
    if (pid == 0 || pid == GetCurrentProcessId()) continue;
    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid)) {
      const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
      CloseHandle(process);
      if (running) continue;
    }
    DeleteFileA((folder + entry.cFileName).c_str());
  } while (FindNextFileA(search.Get(), &entry));
}

// Creates a new, empty file beside path with a name of this process's own.
std::optional<Text> CreateTempBeside(const Text& path, UniqueFile& file) {
  const std::string stem = path + ".~" + std::to_string(GetCurrentProcessId()) + "-";
  for (int n = 0; n < kTempNameTries; ++n) {
    Text candidate = stem + std::to_string(n) + ".tmp";
    file.Reset(CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_ARCHIVE, nullptr));
    if (file) return candidate;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

// Writes every byte and flushes; the handle is closed either way, so that a
// failed temporary file can be deleted.
bool WriteAndFlush(UniqueFile& file, const ByteSet& data) {
  const DWORD count = static_cast<DWORD>(data.size());
  DWORD written = 0;
  const bool wrote = count == 0 || (WriteFile(file.Get(), data.data(), count, &written, nullptr) &&
                                    written == count);
  const bool flushed = wrote && FlushFileBuffers(file.Get()) != FALSE;
  const bool closed = file.Close();
  return wrote && flushed && closed;
}

// The folder part of path, with its trailing separator; found by the
// platform so that a DBCS trail byte of 0x5C is not taken for a backslash.
std::optional<Text> FolderOf(const Text& path) {
  char full[MAX_PATH + 1] = {};
  char* name = nullptr;
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, &name);
  if (length == 0 || length >= sizeof(full) || name == nullptr) return std::nullopt;
  return Text(full, static_cast<size_t>(name - full));
}

// Under Wine a failed ReplaceFileA leaves an empty rf*.tmp of its own in the
// folder; these are the empty ones present now.
std::vector<Text> EmptyReplaceLeftovers(const Text& folder) {
  std::vector<Text> names;
  WIN32_FIND_DATAA entry;
  UniqueFind search(FindFirstFileA((folder + "rf*.tmp").c_str(), &entry));
  if (!search) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.nFileSizeLow == 0 &&
        entry.nFileSizeHigh == 0)
      names.emplace_back(entry.cFileName);
  } while (FindNextFileA(search.Get(), &entry));
  return names;
}

void RemoveNewLeftovers(const std::optional<Text>& folder, const std::vector<Text>& before) {
  if (!folder) return;
  for (const Text& name : EmptyReplaceLeftovers(*folder)) {
    bool existed = false;
    for (const Text& old : before) existed = existed || old == name;
    if (!existed) DeleteFileA((*folder + name).c_str());
  }
}

// ERROR_SUCCESS when nobody holds path in a way that makes a replace fail:
// it opens the file with the access a replace needs, granting every sharing.
DWORD ProbeReplaceable(const Text& path) {
  UniqueFile probe(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return probe ? ERROR_SUCCESS : GetLastError();
}

// One swap attempt; ERROR_SUCCESS when the temporary file is in place.
DWORD SwapIn(const Text& path, const Text& temp) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    // No target (or it vanished meanwhile): a plain rename puts the file in.
    if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return ERROR_SUCCESS;
    return GetLastError();
  }
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
    return ERROR_FILE_READ_ONLY;  // refused, not busy: no retry

  // A replace that fails on a busy target leaves a stray file under Wine:
  // find out first, and sweep up after a failure all the same.
  if (const DWORD busy = ProbeReplaceable(path); busy != ERROR_SUCCESS) return busy;
  const std::optional<Text> folder = FolderOf(path);
  const std::vector<Text> before = folder ? EmptyReplaceLeftovers(*folder) : std::vector<Text>{};
  if (ReplaceFileA(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                   nullptr))
    return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  RemoveNewLeftovers(folder, before);
  return error;
}

}  // namespace

bool ReplaceFileContents(const Text& path, const ByteSet& data) {
  if (data.size() > std::numeric_limits<DWORD>::max()) return false;
  const DWORD old_attributes = GetFileAttributesA(path.c_str());
  if (old_attributes != INVALID_FILE_ATTRIBUTES &&
      (old_attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;

  RemoveStaleTemps(path);
  UniqueFile file;
  const std::optional<Text> temp_path = CreateTempBeside(path, file);
  if (!temp_path) return false;
  TempFile temp(*temp_path);
  if (!WriteAndFlush(file, data)) return false;

  bool swapped = false;
  for (int attempt = 1; !swapped; ++attempt) {
    const DWORD error = SwapIn(path, temp.Path());
    swapped = error == ERROR_SUCCESS;
    if (swapped || !IsBusyError(error) || attempt == kAttempts) break;
    Sleep(kRetryPauseMs);
  }
  // A replace that fails half way (ERROR_UNABLE_TO_MOVE_REPLACEMENT) has
  // already removed the target: the complete new file beats no file at all.
  if (!swapped && old_attributes != INVALID_FILE_ATTRIBUTES && !Exists(path))
    swapped = MoveFileExA(temp.Path().c_str(), path.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  if (!swapped) return false;
  temp.Disown();

  // Wine's replace drops the target's attributes; Windows keeps them.
  if (old_attributes != INVALID_FILE_ATTRIBUTES) {
    const DWORD wanted = old_attributes & kSettableAttributes;
    const DWORD now = GetFileAttributesA(path.c_str());
    if (wanted != 0 && now != INVALID_FILE_ATTRIBUTES && (now & kSettableAttributes) != wanted)
      SetFileAttributesA(path.c_str(), wanted);
  }
  return true;
}

}  // namespace ombrela
