#include "sheet/SequenceMatch.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace pendra {

namespace {

// Stretches up to this many pairs of elements are aligned by likeness; longer ones in place.
constexpr long long kMaxAlignedPairs = 40'000;

struct Range {
  int b0, b1, l0, l1;
};

class Matcher {
 public:
  Matcher(const SequenceSide& base, const SequenceSide& later, const Likeness& likeness)
      : likeness_(likeness), result_(static_cast<size_t>(base.count), -1) {
    for (int i = 0; i < base.count; ++i) baseKeys_.push_back(base.key(i));
    for (int i = 0; i < later.count; ++i) laterKeys_.push_back(later.key(i));
  }

  std::vector<int> Run() {
    std::vector<Range> pending{{0, static_cast<int>(baseKeys_.size()), 0, static_cast<int>(laterKeys_.size())}};
    while (!pending.empty()) {
      Range range = pending.back();
      pending.pop_back();
      MatchRange(range, pending);
    }
    return std::move(result_);
  }

 private:
  bool Same(int b, int l) const { return baseKeys_[b] == laterKeys_[l]; }

  // Equal ends are matched; the rest is split at the anchors, or aligned when it has none.
  void MatchRange(Range r, std::vector<Range>& pending) {
    while (r.b0 < r.b1 && r.l0 < r.l1 && Same(r.b0, r.l0)) result_[r.b0++] = r.l0++;
    while (r.b0 < r.b1 && r.l0 < r.l1 && Same(r.b1 - 1, r.l1 - 1)) result_[--r.b1] = --r.l1;
    if (r.b0 == r.b1 || r.l0 == r.l1) return;
    const std::vector<std::pair<int, int>> anchors = Anchors(r);
    if (anchors.empty()) {
      AlignStretch(r);
      return;
    }
    int b = r.b0;
    int l = r.l0;
    for (const auto& [anchorB, anchorL] : anchors) {
      result_[anchorB] = anchorL;
      pending.push_back({b, anchorB, l, anchorL});
      b = anchorB + 1;
      l = anchorL + 1;
    }
    pending.push_back({b, r.b1, l, r.l1});
  }

  // Elements found exactly once on each side of the range, the longest run of them whose order
  // both sides agree on.
  std::vector<std::pair<int, int>> Anchors(const Range& r) const {
    struct Seen {
      int baseCount = 0, laterCount = 0, baseIndex = -1, laterIndex = -1;
    };
    std::unordered_map<std::u16string_view, Seen> seen;
    for (int b = r.b0; b < r.b1; ++b) {
      Seen& s = seen[baseKeys_[b]];
      ++s.baseCount;
      s.baseIndex = b;
    }
    for (int l = r.l0; l < r.l1; ++l) {
      auto found = seen.find(laterKeys_[l]);
      if (found == seen.end()) continue;
      ++found->second.laterCount;
      found->second.laterIndex = l;
    }
    std::vector<std::pair<int, int>> unique;  // in the later side's order
    for (int l = r.l0; l < r.l1; ++l) {
      auto found = seen.find(laterKeys_[l]);
      if (found == seen.end()) continue;
      const Seen& s = found->second;
      if (s.baseCount == 1 && s.laterCount == 1) unique.push_back({s.baseIndex, l});
    }
    return LongestRisingRun(unique);
  }

  // The longest subsequence whose base indices rise (patience sorting).
  static std::vector<std::pair<int, int>> LongestRisingRun(const std::vector<std::pair<int, int>>& pairs) {
    std::vector<int> tails;  // indices into pairs: the smallest tail of each run length
    std::vector<int> before(pairs.size(), -1);
    for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
      auto at = std::lower_bound(tails.begin(), tails.end(), pairs[i].first,
                                 [&](int index, int value) { return pairs[index].first < value; });
      if (at != tails.begin()) before[i] = *(at - 1);
      if (at == tails.end()) {
        tails.push_back(i);
      } else {
        *at = i;
      }
    }
    std::vector<std::pair<int, int>> run;
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = before[i]) run.push_back(pairs[i]);
    std::reverse(run.begin(), run.end());
    return run;
  }

  // A stretch without anchors: elements are paired where they are most alike overall, in order;
  // an element alike to none was deleted. A stretch too long to weigh is paired in place.
  void AlignStretch(const Range& r) {
    const int nb = r.b1 - r.b0;
    const int nl = r.l1 - r.l0;
    if (static_cast<long long>(nb) * nl > kMaxAlignedPairs) {
      for (int i = 0; i < std::min(nb, nl); ++i) result_[r.b0 + i] = r.l0 + i;
      return;
    }
    // score[i][j]: the best total likeness of the first i base and first j later elements.
    std::vector<std::vector<int>> score(nb + 1, std::vector<int>(nl + 1, 0));
    std::vector<std::vector<int>> like(nb, std::vector<int>(nl, 0));
    for (int i = 1; i <= nb; ++i) {
      for (int j = 1; j <= nl; ++j) {
        like[i - 1][j - 1] = Same(r.b0 + i - 1, r.l0 + j - 1) ? 1'000'000 : likeness_(r.b0 + i - 1, r.l0 + j - 1);
        int best = std::max(score[i - 1][j], score[i][j - 1]);
        if (like[i - 1][j - 1] > 0) best = std::max(best, score[i - 1][j - 1] + like[i - 1][j - 1]);
        score[i][j] = best;
      }
    }
    for (int i = nb, j = nl; i > 0 && j > 0;) {
      if (like[i - 1][j - 1] > 0 && score[i][j] == score[i - 1][j - 1] + like[i - 1][j - 1]) {
        result_[r.b0 + i - 1] = r.l0 + j - 1;
        --i;
        --j;
      } else if (score[i][j] == score[i - 1][j]) {
        --i;
      } else {
        --j;
      }
    }
  }

  const Likeness& likeness_;
  std::vector<std::u16string> baseKeys_;
  std::vector<std::u16string> laterKeys_;
  std::vector<int> result_;
};

}  // namespace

std::vector<int> MatchSequence(const SequenceSide& base, const SequenceSide& later, const Likeness& likeness) {
  return Matcher(base, later, likeness).Run();
}

}  // namespace pendra
