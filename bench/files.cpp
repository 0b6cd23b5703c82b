// Block and RefreshStatus on hosts files of 1 KB, 1 MB and 5 MB in the
// prefix's real hosts folder, against CopyFileA of the same bytes in the same
// folder. The block reads the file once and writes it twice (backup, hosts),
// each through a flushed temporary file, so about 2x a copy is its floor; a
// copy that is flushed too is shown beside it, for what durability costs.
// The hosts files present before are put back at the end.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "hosts/block_list.h"
#include "hosts/commands.h"
#include "tests/soak/hosts_generator.h"

namespace {

using namespace ombrela;
using namespace ombrela::bench;

std::optional<std::string> ReadAll(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[1 << 16];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void Put(const std::string& path, const std::optional<std::string>& bytes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!bytes) {
    DeleteFileA(path.c_str());
    return;
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr);
  CloseHandle(file);
}

class QuietUi : public CommandUi {
 public:
  void SetStatusText(const Text& text) override { status = text; }
  void SetRestoreEnabled(bool) override {}
  bool AskRestoreInstead() override { return false; }
  bool AskDeleteBackup() override { return false; }
  void ReportFailure(CommandFailure) override { failed = true; }
  Text status;
  bool failed = false;
};

}  // namespace

int main() {
  const std::string hosts = HostsPath();
  const std::string backup = BackupPath();
  const std::string folder = hosts.substr(0, hosts.rfind('\\') + 1);
  const std::string source = folder + "bench-source";
  const std::string copy = folder + "bench-copy";
  const std::optional<std::string> saved_hosts = ReadAll(hosts);
  const std::optional<std::string> saved_backup = ReadAll(backup);

  std::mt19937 random(42);
  struct Size {
    const char* name;
    size_t bytes;
    int runs;
  };
  int status = 0;
  for (const Size& size :
       {Size{"1 KB", 1024, 41}, Size{"1 MB", 1 << 20, 15}, Size{"5 MB", 5 << 20, 9}}) {
    testing::HostsShape shape;
    shape.size = size.bytes;
    const std::string content = testing::GenerateHosts(random, shape);
    const std::string blocked = content + BlockText();
    Put(source, content);
    std::vector<double> copies, flushed_copies, blocks, refreshes;
    for (int run = 0; run < size.runs; ++run) {
      Put(copy, std::nullopt);
      double t = Now();
      CopyFileA(source.c_str(), copy.c_str(), FALSE);
      copies.push_back(Now() - t);

      Put(copy, std::nullopt);
      t = Now();
      CopyFileA(source.c_str(), copy.c_str(), FALSE);
      HANDLE written =
          CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      FlushFileBuffers(written);
      CloseHandle(written);
      flushed_copies.push_back(Now() - t);

      Put(hosts, content);
      Put(backup, std::nullopt);
      QuietUi ui;
      t = Now();
      BlockAds(ui);
      blocks.push_back(Now() - t);
      if (ui.failed || ReadAll(hosts) != blocked) {
        std::fprintf(stderr, "bench_files: the block of %s did not go through\n", size.name);
        status = 1;
      }

      t = Now();
      RefreshStatus(ui);
      refreshes.push_back(Now() - t);
    }
    const double copy_time = Median(copies);
    const double block_ratio = Median(blocks) / copy_time;
    const double refresh_ratio = Median(refreshes) / copy_time;
    Row(std::string("block, ") + size.name + " hosts file", Milliseconds(Median(blocks)),
        "CopyFileA " + Milliseconds(copy_time), Format("%.2fx", block_ratio), "within 3x",
        block_ratio <= 3);
    const double flushed = Median(flushed_copies);
    Row(std::string("block, ") + size.name + " hosts file, against a flushed copy",
        Milliseconds(Median(blocks)), "CopyFileA + FlushFileBuffers " + Milliseconds(flushed),
        Format("%.2fx", Median(blocks) / flushed), "-", true);
    Row(std::string("RefreshStatus, ") + size.name + " blocked hosts file",
        Milliseconds(Median(refreshes)), "CopyFileA " + Milliseconds(copy_time),
        Format("%.2fx", refresh_ratio), "within 3x", refresh_ratio <= 3);
  }

  Put(copy, std::nullopt);
  Put(source, std::nullopt);
  Put(hosts, saved_hosts);
  Put(backup, saved_backup);
  return status;
}
