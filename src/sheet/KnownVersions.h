#pragma once
// The versions of the sheet this run read from the data file or wrote into it, newest last. A
// version another PC wrote descends from one of them: from this run's save it had received, or
// from its own earlier version that this run read. The one it descends from is the base of a
// merge with it; taking a newer one would make that PC look as if it had taken back this run's
// edits, taking an older one would make this run's edits look like conflicts.
#include <cstddef>
#include <deque>
#include <vector>

#include "sheet/Sheet.h"

namespace pendra {

class KnownVersions {
 public:
  // Versions are kept while they take no more than this together; the newest always stays.
  static constexpr size_t kMaxBytes = 8u << 20;
  static constexpr size_t kMaxCount = 32;

  void Add(Sheet::Content version);
  // The known version with the fewest tasks and captions that differ from `other`: the one it
  // most likely descends from; the newer one of two alike. None of `concurrent`, versions written
  // at the same time as `other` (a sync client kept one of them as a conflicted copy), is one it
  // descends from. An empty sheet when none is known.
  const Sheet::Content& BaseFor(const Sheet::Content& other,
                                const std::vector<const Sheet::Content*>& concurrent = {}) const;

 private:
  struct Version {
    Sheet::Content content;
    size_t bytes = 0;
  };
  // What a version takes, counted from the newest known one in the rows it does not share with it.
  size_t BytesOf(const Sheet::Content& version) const;

  std::deque<Version> versions_;
  size_t bytes_ = 0;
};

}  // namespace pendra
