// The status line the program must show for a pair of file states, spelled
// out in code page 936 bytes rather than taken from the program's own code.
#pragma once

#include <string>

namespace ombrela::testing {

inline std::string ExpectedStatus(bool blocked, bool backup) {
  const std::string blocked_part =
      blocked ? "\xD2\xD1\xC6\xC1\xB1\xCE\xB9\xE3\xB8\xE6\xA3\xFC"   // 已屏蔽广告｜
              : "\xCE\xB4\xC6\xC1\xB1\xCE\xB9\xE3\xB8\xE6\xA3\xFC";  // 未屏蔽广告｜
  const std::string backup_part =
      backup ? "\xD2\xD1\xBC\xEC\xB2\xE2\xB5\xBD\xB1\xB8\xB7\xDD"   // 已检测到备份
             : "\xCE\xB4\xBC\xEC\xB2\xE2\xB5\xBD\xB1\xB8\xB7\xDD";  // 未检测到备份
  return blocked_part + backup_part;
}

}  // namespace ombrela::testing
