#include "tests/support/prefix_files.h"

#include <windows.h>
#include <shlobj.h>

namespace ombrela::testing {

namespace {

std::string SpecialFolder(int id) {
  char path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, id, FALSE)) return {};
  return path;
}

void MakeWritable(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetFileAttributesA(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
  }
}

}  // namespace

std::string TestHostsPath() {
  return SpecialFolder(CSIDL_SYSTEM) + "\\drivers\\etc\\hosts";
}
std::string TestBackupPath() {
  return SpecialFolder(CSIDL_SYSTEM) + "\\drivers\\etc\\hosts.bak";
}
std::string TestAppData() {
  return SpecialFolder(CSIDL_APPDATA);
}

std::vector<std::string> StrayFilesBesideHosts() {
  std::vector<std::string> names;
  const std::string folder = TestHostsPath().substr(0, TestHostsPath().rfind('\\') + 1);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != ".." && name != "hosts" && name != "hosts.bak" &&
        name != "networks" && name != "protocol" && name != "services")
      names.push_back(name);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}

std::string WindowsPathOf(const std::string& linux_path) {
  std::string windows = linux_path.empty() || linux_path[0] != '/' ? "" : "Z:";
  windows.append(linux_path);
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}

std::string FreshTempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof(temp), temp);
  std::string folder = std::string(temp) + "ombrela-" + name;
  RemovePath(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  MakeWritable(path);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemovePath(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  MakeWritable(path);
  // A link to a folder is removed as a link, never descended into.
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") RemovePath(path + "\\" + name);
      } while (FindNextFileA(search, &entry));
      FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
  } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    RemoveDirectoryA(path.c_str());
  } else {
    DeleteFileA(path.c_str());
  }
}

namespace {
void SetOrRemove(const std::string& path, const std::optional<std::string>& bytes) {
  if (bytes) {
    if (IsFolder(path)) RemovePath(path);
    WriteFileBytes(path, *bytes);
  } else {
    RemovePath(path);
  }
}
}  // namespace

void SetHostsFiles(const std::optional<std::string>& hosts,
                   const std::optional<std::string>& backup) {
  SetOrRemove(TestHostsPath(), hosts);
  SetOrRemove(TestBackupPath(), backup);
}

SavedHostsFiles::SavedHostsFiles()
    : hosts_(ReadFileBytes(TestHostsPath())), backup_(ReadFileBytes(TestBackupPath())) {}

SavedHostsFiles::~SavedHostsFiles() {
  SetHostsFiles(hosts_, backup_);
}

}  // namespace ombrela::testing
