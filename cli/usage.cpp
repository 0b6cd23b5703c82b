#include "cli/usage.h"

namespace ombrela::cli {

std::string_view UsageText() {
  return "usage: ombrela-cli <command> [option]\r\n"
         "\r\n"
         "Adds the video-site ad block to the Windows hosts file, or takes it out\r\n"
         "again, without asking anything. Needs administrator rights.\r\n"
         "\r\n"
         "commands:\r\n"
         "  status                  print whether the block and a backup are present\r\n"
         "  block                   save hosts as hosts.bak, then append the block;\r\n"
         "                          when the block is there already, change nothing\r\n"
         "  restore [--keep-backup] write hosts.bak back over hosts, then delete\r\n"
         "                          hosts.bak unless --keep-backup is given\r\n"
         "  --help                  print this text\r\n"
         "\r\n"
         "exit codes:\r\n"
         "  0   done; for status: the block is present\r\n"
         "  1   status: the block is not present\r\n"
         "  2   failed; the hosts file keeps its content (message on stderr)\r\n"
         "  3   restore: no readable hosts.bak; nothing changed\r\n"
         "  64  bad command line\r\n";
}

}  // namespace ombrela::cli
