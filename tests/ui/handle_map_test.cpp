#include "ui/handle_map.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace ombrela {
namespace {

HWND FakeHandle(intptr_t value) {
  return reinterpret_cast<HWND>(value);
}

TEST(HandleMap, RefusesADuplicateAndKeepsTheFirstEntry) {
  HandleMap map;
  auto* first = reinterpret_cast<WindowObject*>(0x10);
  auto* second = reinterpret_cast<WindowObject*>(0x20);
  ASSERT_TRUE(map.Add(FakeHandle(1), first));
  EXPECT_FALSE(map.Add(FakeHandle(1), second));
  EXPECT_EQ(map.Find(FakeHandle(1)), first);
  EXPECT_EQ(map.Size(), 1u);
}

TEST(HandleMap, HoldsAtMost997Entries) {
  HandleMap map;
  auto* object = reinterpret_cast<WindowObject*>(0x10);
  for (intptr_t i = 1; i <= 997; ++i) ASSERT_TRUE(map.Add(FakeHandle(i), object)) << i;
  EXPECT_FALSE(map.Add(FakeHandle(998), object));
  EXPECT_EQ(map.Find(FakeHandle(998)), nullptr);
  map.Remove(FakeHandle(5));
  EXPECT_TRUE(map.Add(FakeHandle(998), object));
}

TEST(HandleMap, UnknownHandleFindsNothing) {
  HandleMap map;
  EXPECT_EQ(map.Find(FakeHandle(42)), nullptr);
}

TEST(HandleMap, LayerMapExistsOnlyBetweenCreateAndRelease) {
  EXPECT_EQ(TheHandleMap(), nullptr);
  CreateHandleMap();
  ASSERT_NE(TheHandleMap(), nullptr);
  EXPECT_EQ(TheHandleMap()->Size(), 0u);
  ReleaseHandleMap();
  EXPECT_EQ(TheHandleMap(), nullptr);
}

}  // namespace
}  // namespace ombrela
