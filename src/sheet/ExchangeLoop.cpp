#include "sheet/ExchangeLoop.h"

#include <string>

#include "sheet/SheetMerge.h"

namespace pendra {

// A blank cell counts as an empty one (a cell saved empty loads holding a blank), and a row's empty
// cells at its end as none.
std::uint64_t VersionFingerprint(const Sheet::Content& content) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto add = [&](std::uint64_t value) {
    hash ^= value;
    hash *= 1099511628211ull;
  };
  for (const std::vector<std::u16string>& row : content.rows) {
    size_t used = row.size();
    while (used > 0 && IsBlank(row[used - 1])) --used;
    add(used);
    for (size_t c = 0; c < used; ++c) {
      if (IsBlank(row[c])) {
        add(0);
        continue;
      }
      add(row[c].size());
      for (char16_t ch : row[c]) add(ch);
    }
  }
  for (int width : content.widths) add(static_cast<std::uint64_t>(width));
  for (TCellAlignment alignment : content.alignments) add(alignment);
  add(static_cast<std::uint64_t>(content.fixedRows));
  add(content.flags.HeaderTextBold());
  add(content.flags.DrawGridLines());
  return hash;
}

void ExchangeLoop::Add(Event event) {
  // Writing the same version twice in a row sends nothing new.
  if (event.wrote && !events_.empty() && events_.back().wrote && events_.back().version == event.version) return;
  events_.push_back(event);
  if (events_.size() > 3) events_.pop_front();
}

void ExchangeLoop::Wrote(std::uint64_t fingerprint) { Add({true, fingerprint}); }

bool ExchangeLoop::Arrived(const Sheet::Content& version, const Sheet::Content& mine) {
  const Event arrived{false, VersionFingerprint(version)};
  const bool loop = events_.size() == 3 && events_[0].wrote && !events_[1].wrote && events_[2].wrote &&
                    events_[0].version == events_[2].version && events_[1].version == arrived.version &&
                    arrived.version != events_[0].version && VersionFingerprint(mine) == events_[2].version;
  Add(arrived);
  return loop;
}

bool KeepsOwnVersion(const Sheet::Content& mine, const Sheet::Content& other) {
  return VersionFingerprint(mine) >= VersionFingerprint(other);
}

}  // namespace pendra
