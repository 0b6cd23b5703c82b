// ctest passes the path of ombrela-cli.exe as the first argument.
#include <gtest/gtest.h>

#include "tests/cli/cli_run.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) ombrela::testing::cli_path = argv[1];
  return RUN_ALL_TESTS();
}
