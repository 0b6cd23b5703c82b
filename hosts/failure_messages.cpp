#include "hosts/failure_messages.h"

namespace ombrela {

const char* FailureMessage(CommandFailure failure) {
  switch (failure) {
    case CommandFailure::kHostsUnreadable:
      return "无法读取Hosts文件,未做任何修改.";
    case CommandFailure::kBackupUnwritable:
      return "无法写入备份文件,Hosts文件未改动.";
    case CommandFailure::kHostsUnwritable:
      return "无法写入Hosts文件,Hosts文件未改动.";
    case CommandFailure::kNoReadableBackup:
      return "未找到可读取的备份文件,Hosts文件未改动.";
    case CommandFailure::kRestoreUnwritable:
      return "无法写入Hosts文件,备份已保留.";
  }
  return "";
}

}  // namespace ombrela
