#include "tests/flashguard/shared_object_tree.h"

#include <windows.h>

#include "fileops/unique_handle.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {

namespace {

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(length));
  return wide;
}

std::string Narrow(const std::wstring& text) {
  std::string narrow(text.size() * 2, '\0');
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                          static_cast<int>(narrow.size()), nullptr, nullptr);
  narrow.resize(static_cast<size_t>(length));
  return narrow;
}

// "\\?\" and wide: no length limit, no rewriting of the path.
std::wstring LongPath(const std::string& path) {
  return L"\\\\?\\" + Wide(path);
}

// Calls visit(name, attributes) for each entry but "." and "..".
template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
  WIN32_FIND_DATAW entry;
  UniqueFind search(FindFirstFileW(LongPath(folder + "\\*").c_str(), &entry));
  if (!search) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") visit(Narrow(name), entry.dwFileAttributes);
  } while (FindNextFileW(search.Get(), &entry));
}

void AddSnapshot(const std::string& folder, const std::string& relative, Snapshot& snapshot) {
  ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
    const std::string key = relative.empty() ? name : relative + "\\" + name;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      snapshot[key] = "<folder>";
      AddSnapshot(folder + "\\" + name, key, snapshot);
    } else {
      snapshot[key] = ReadBytes(folder + "\\" + name).value_or("<unreadable>");
    }
  });
}

}  // namespace

std::string MacromediaFolder() {
  return TestAppData() + "\\Macromedia";
}
std::string FirstRoot() {
  return MacromediaFolder() + "\\Flash Player\\#SharedObjects";
}
std::string SecondRoot() {
  return MacromediaFolder() + "\\FlashPlayer\\#SharedObjects";
}

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
    CreateDirectoryW(LongPath(path.substr(0, at)).c_str(), nullptr);
  }
  ASSERT_TRUE(CreateDirectoryW(LongPath(path).c_str(), nullptr) ||
              GetLastError() == ERROR_ALREADY_EXISTS)
      << path;
}

void PutFile(const std::string& path, const std::string& bytes) {
  MakeFolders(path.substr(0, path.rfind('\\')));
  SetFileAttributesW(LongPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  UniqueFile file(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file) << path;
  DWORD written = 0;
  ASSERT_TRUE(
      WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size())
      << path;
}

void MakeReadOnly(const std::string& path) {
  ASSERT_TRUE(SetFileAttributesW(LongPath(path).c_str(), FILE_ATTRIBUTE_READONLY)) << path;
}

std::optional<std::string> ReadBytes(const std::string& path) {
  UniqueFile file(CreateFileW(LongPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file.Get(), chunk, sizeof(chunk), &got, nullptr) && got > 0) {
    bytes.append(chunk, got);
  }
  return bytes;
}

void RemoveTree(const std::string& path) {
  const std::wstring wide = LongPath(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(wide.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(wide.c_str());
    return;
  }
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    ForEachEntry(path, [&](const std::string& name, DWORD) { RemoveTree(path + "\\" + name); });
  }
  RemoveDirectoryW(wide.c_str());
}

Snapshot TakeSnapshot(const std::string& folder) {
  Snapshot snapshot;
  AddSnapshot(folder, "", snapshot);
  return snapshot;
}

std::vector<std::string> ListedFolders(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &entry));
  if (!search) return names;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(entry.cFileName);
  } while (FindNextFileA(search.Get(), &entry));
  return names;
}

::testing::AssertionResult IsGuardFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return ::testing::AssertionFailure() << path << " is still a folder";
  }
  const std::optional<std::string> bytes = ReadBytes(path);
  if (!bytes) return ::testing::AssertionFailure() << path << " cannot be read";
  if (*bytes != kGuardBytes) {
    return ::testing::AssertionFailure()
           << path << " holds " << bytes->size() << " bytes \"" << *bytes << "\"";
  }
  return ::testing::AssertionSuccess();
}

void TempFolderTest::SetUp() {
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  folder_ = FreshTempFolder("flashguard-" + name);
  // Whatever an earlier run left beyond the length the ANSI calls reach.
  RemoveTree(folder_);
  MakeFolders(folder_);
}

void TempFolderTest::TearDown() {
  RemoveTree(folder_);
}

void SharedObjectTest::SetUp() {
  RemoveTree(MacromediaFolder());
  ASSERT_EQ(GetFileAttributesA(MacromediaFolder().c_str()), INVALID_FILE_ATTRIBUTES);
}

void SharedObjectTest::TearDown() {
  RemoveTree(MacromediaFolder());
}

}  // namespace ombrela::testing
