#include "ui/handler.h"

#include <gtest/gtest.h>

namespace ombrela {
namespace {

int calls = 0;
unsigned seen_x = 0;
int seen_y = 0;

void TakesNothing() {
  ++calls;
}
void TakesX(unsigned x) {
  seen_x = x;
}
int TakesBoth(unsigned x, int y) {
  seen_x = x;
  seen_y = y;
  return 7;
}

TEST(Handler, EmptySlotCallsNothingAndGivesZero) {
  Handler<unsigned, int> slot;
  EXPECT_FALSE(slot);
  EXPECT_EQ(slot(1, 2), 0);
  slot = nullptr;
  EXPECT_FALSE(slot);
}

TEST(Handler, RoutineMayTakeFewerValuesThanPassed) {
  calls = 0;
  Handler<unsigned, int> none = TakesNothing;
  EXPECT_EQ(none(65528u, -8), 0);
  EXPECT_EQ(calls, 1);

  Handler<unsigned, int> one = TakesX;
  one(65528u, -8);
  EXPECT_EQ(seen_x, 65528u);

  Handler<unsigned, int> both = TakesBoth;
  EXPECT_EQ(both(3u, -4), 7);
  EXPECT_EQ(seen_x, 3u);
  EXPECT_EQ(seen_y, -4);
}

}  // namespace
}  // namespace ombrela
