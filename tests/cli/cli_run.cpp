#include "tests/cli/cli_run.h"

#include <windows.h>

#include <thread>

#include "fileops/unique_handle.h"
#include "tests/support/prefix_files.h"

namespace ombrela::testing {

std::string cli_path;

namespace {

std::string ReadToEnd(HANDLE pipe) {
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(pipe, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  return bytes;
}

// A pipe whose write end the child inherits and whose read end stays here.
bool MakePipe(UniqueFile& read_end, UniqueFile& write_end) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return false;
  read_end.Reset(read);
  write_end.Reset(write);
  return SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0) != FALSE;
}

}  // namespace

CliResult RunCli(const std::string& arguments) {
  CliResult result;
  result.exit_code = kCliDidNotEnd;
  UniqueFile out_read, out_write, err_read, err_write;
  if (!MakePipe(out_read, out_write) || !MakePipe(err_read, err_write)) return result;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  UniqueFile input(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               OPEN_EXISTING, 0, nullptr));

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.Get();
  startup.hStdOutput = out_write.Get();
  startup.hStdError = err_write.Get();
  PROCESS_INFORMATION process{};
  std::string command = "\"" + testing::WindowsPathOf(cli_path) + "\"";
  if (!arguments.empty()) command += " " + arguments;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process))
    return result;
  UniqueFile process_handle(process.hProcess);
  UniqueFile thread_handle(process.hThread);
  // Only the child holds the write ends now, so the reads end with it.
  out_write.Close();
  err_write.Close();
  input.Close();

  std::thread out_reader([&] { result.out = ReadToEnd(out_read.Get()); });
  std::thread err_reader([&] { result.err = ReadToEnd(err_read.Get()); });
  // A guard against a hang, not a measure of speed.
  if (WaitForSingleObject(process_handle.Get(), 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process_handle.Get(), kCliDidNotEnd);
    WaitForSingleObject(process_handle.Get(), INFINITE);
  }
  out_reader.join();
  err_reader.join();
  DWORD exit_code = kCliDidNotEnd;
  GetExitCodeProcess(process_handle.Get(), &exit_code);
  result.exit_code = exit_code;
  return result;
}

}  // namespace ombrela::testing
