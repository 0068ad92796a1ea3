#pragma once
// Which elements of a later version of a sequence are the elements of the earlier one, as a
// line diff pairs lines: elements found once in both are anchors in their order, the stretches
// between anchors are aligned by similarity, and what is left over was deleted or inserted. An
// element paired with one that differs was changed in place, so that an insertion or deletion
// around it does not shift the elements after it.
#include <functional>
#include <string>
#include <vector>

namespace pendra {

struct SequenceSide {
  int count = 0;
  // The element's text as compared: equal texts are equal elements.
  std::function<std::u16string(int)> key;
};

// How alike two elements are, when they are not equal: more is more alike.
using Likeness = std::function<int(int base, int later)>;

// For each element of `base`, the index of its element in `later`, or -1 when it was deleted.
// The matched indices rise with the base index.
std::vector<int> MatchSequence(const SequenceSide& base, const SequenceSide& later, const Likeness& likeness);

}  // namespace pendra
