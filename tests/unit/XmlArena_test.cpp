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

// While an input is read, a block added is sized for the rest of the input at the rate the
// part read so far took: a tree of three megabytes, a kilobyte per kilobyte of input, takes
// two blocks, not three of the smallest size.
TEST(XmlArena, ABlockAddedWhileReadingFitsTheRestOfTheInput) {
  XmlArena arena;
  constexpr size_t kPiece = 1024;
  constexpr size_t kPieces = 3 * 1024;
  int blocks = 0;
  std::byte* expected = nullptr;
  for (size_t i = 0; i < kPieces; ++i) {
    arena.SetOutlook(i * kPiece, (kPieces - i) * kPiece);
    auto* piece = static_cast<std::byte*>(arena.Allocate(kPiece, 8));
    if (piece != expected) ++blocks;
    expected = piece + kPiece;
  }
  EXPECT_EQ(blocks, 2);
}

}  // namespace pendra
