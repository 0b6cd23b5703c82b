#include <gtest/gtest.h>

#include "app/main_window_content.h"
#include "app/program.h"

namespace ombrela {
namespace {

TEST(Centring, RoundsTowardsTopLeftAndGoesNegativeOnSmallScreens) {
  struct Case {
    int screen, window, origin;
  } cases[] = {
      {1366, 320, 523}, {768, 120, 324}, {1920, 320, 800}, {1080, 120, 480},
      {1365, 320, 522}, {319, 320, -1},  {320, 320, 0},    {100, 120, -10},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CenteredOrigin(c.screen, c.window), c.origin) << c.screen << " - " << c.window;
  }
}

TEST(ClientHeight, OuterHeightKeepsTheClientAreaAt92) {
  struct Case {
    int client, outer, new_outer;
  } cases[] = {{86, 120, 126}, {95, 120, 117}, {92, 120, 120}, {0, 30, 122}};
  for (const auto& c : cases) {
    EXPECT_EQ(OuterHeightForClient(c.client, c.outer), c.new_outer) << c.client;
  }
}

}  // namespace
}  // namespace ombrela
