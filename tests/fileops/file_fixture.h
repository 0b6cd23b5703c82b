// A fresh folder in the prefix's temp folder per test, removed afterwards,
// with helpers that look at files without going through the program's code.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fileops/unique_handle.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {

class FileFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ =
        FreshTempFolder(std::string("fileops-") + info->test_suite_name() + "-" + info->name());
    ASSERT_TRUE(IsFolder(folder_)) << folder_;
  }
  void TearDown() override { RemovePath(folder_); }

  std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }

  // Names in the folder, sorted, without "." and "..".
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    UniqueFind search(FindFirstFileA((folder_ + "\\*").c_str(), &entry));
    if (!search) return names;
    do {
      const std::string name = entry.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search.Get(), &entry));
    std::sort(names.begin(), names.end());
    return names;
  }

  static DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

  // A handle that some other part of the system keeps open on the file.
  static UniqueFile HoldOpen(const std::string& path, DWORD access, DWORD sharing) {
    return UniqueFile(
        CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr));
  }

  std::string folder_;
};

}  // namespace ombrela::testing
