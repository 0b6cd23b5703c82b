// Whole-file, attribute, special-folder and message-box services over the
// ANSI Win32 calls. Every handle is closed before the call returns.
#include "fileops/file_services.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <limits>

#include "fileops/unique_handle.h"

namespace ombrela {

namespace {

constexpr DWORD kArchive = FILE_ATTRIBUTE_ARCHIVE;  // 32

// Room for any ANSI path the shell can return (more than MAX_PATH).
constexpr int32_t kFolderBufferSize = 300;

Text SpecialFolder(int folder) {
  Text buffer = *BlankText(kFolderBufferSize);
  // A failed query would otherwise hand back 300 blanks as a "path".
  if (!SHGetSpecialFolderPathA(nullptr, buffer.data(), folder, FALSE)) return Text();
  buffer.resize(buffer.find('\0'));  // the terminator is always there
  return buffer;
}

}  // namespace

Text SystemFolder() {
  return SpecialFolder(CSIDL_SYSTEM);
}

Text AppDataFolder() {
  return SpecialFolder(CSIDL_APPDATA);
}

std::optional<ByteSet> ReadWholeFile(const Text& path) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, kArchive, nullptr));
  if (!file) return std::nullopt;

  // The full 64-bit size: a 5 GiB file must not pass for a 1 GiB one.
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
      size.QuadPart > static_cast<LONGLONG>(std::numeric_limits<DWORD>::max()))
    return std::nullopt;
  const DWORD wanted = static_cast<DWORD>(size.QuadPart);

  ByteSet bytes(wanted);
  if (wanted > 0) {
    DWORD got = 0;
    // A failed or short read gives no result rather than a partial one.
    if (!ReadFile(file.Get(), bytes.data(), wanted, &got, nullptr) || got != wanted)
      return std::nullopt;
  }
  return bytes;
}

bool WriteWholeFile(const Text& path, const ByteSet& data) {
  // One request carries at most a 32-bit count; refuse before touching disk.
  if (data.size() > std::numeric_limits<DWORD>::max()) return false;
  const DWORD count = static_cast<DWORD>(data.size());

  UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, kArchive, nullptr));
  if (!file) return false;

  DWORD written = 0;
  // The platform may report success for fewer bytes than asked: count them.
  const bool wrote =
      WriteFile(file.Get(), data.data(), count, &written, nullptr) && written == count;
  const bool closed = file.Close();
  return wrote && closed;
}

bool SetAttributes(const Text& path, uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool RemoveFile(const Text& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

bool FileExists(const Text& path) {
  return PathFileExistsA(path.c_str()) != FALSE;
}

int32_t ShowMessageBox(const Text& message, int32_t style, std::optional<Text> caption) {
  const Text title = caption ? *caption : Text("信息");
  // No owner: the main window stays usable while the box is open.
  const int id = MessageBoxA(nullptr, message.c_str(), title.c_str(), static_cast<UINT>(style));
  return id - 1;
}

}  // namespace ombrela
