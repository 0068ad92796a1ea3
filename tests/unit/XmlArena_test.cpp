#include "xml/XmlArena.h"

#include <gtest/gtest.h>

namespace pendra {

// A text too large for a new block gets a block of its own, of just its size; what comes
// after it, aligned for a pointer, must not be placed beyond that block's end.
TEST(XmlArena, AnAllocationAfterAnOddSizedTextStaysInsideABlock) {
  XmlArena arena;
  constexpr size_t kUnits = 1'000'001;
  char16_t* text = arena.NewArray<char16_t>(kUnits);
  auto* textEnd = reinterpret_cast<std::byte*>(text + kUnits);
  auto* after = static_cast<std::byte*>(arena.Allocate(8, 8));
  EXPECT_FALSE(after >= textEnd && after < textEnd + 8);
}

}  // namespace pendra
