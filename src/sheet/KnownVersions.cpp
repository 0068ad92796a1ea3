#include "sheet/KnownVersions.h"

#include <string>
#include <unordered_map>

#include "sheet/SheetMerge.h"

namespace pendra {

namespace {

const Sheet::Content kNothingKnown{};

// A row's texts as one key; empty cells at its end are none.
std::u16string RowKey(const std::vector<std::u16string>& row) {
  size_t used = row.size();
  while (used > 0 && IsBlank(row[used - 1])) --used;
  std::u16string key;
  for (size_t i = 0; i < used; ++i) AddToRowKey(key, row[i]);
  return key;
}

// How many rows (the title row with the captions included) one version has that the other has
// not, counted both ways.
size_t Distance(const Sheet::Content& a, const Sheet::Content& b) {
  std::unordered_map<std::u16string, long> count;
  for (const auto& row : a.rows) ++count[RowKey(row)];
  for (const auto& row : b.rows) --count[RowKey(row)];
  size_t distance = 0;
  for (const auto& [key, n] : count) distance += static_cast<size_t>(n < 0 ? -n : n);
  return distance;
}

}  // namespace

void KnownVersions::Add(Sheet::Content version) {
  if (!versions_.empty() && versions_.back() == version) return;
  versions_.push_back(std::move(version));
  bytes_ += versions_.back().Bytes();
  while (versions_.size() > 1 && (bytes_ > kMaxBytes || versions_.size() > kMaxCount)) {
    bytes_ -= versions_.front().Bytes();
    versions_.pop_front();
  }
}

const Sheet::Content& KnownVersions::BaseFor(const Sheet::Content& other) const {
  const Sheet::Content* best = &kNothingKnown;
  size_t bestDistance = 0;
  for (const Sheet::Content& version : versions_) {
    const size_t distance = Distance(version, other);
    if (best == &kNothingKnown || distance <= bestDistance) {
      best = &version;
      bestDistance = distance;
    }
  }
  return *best;
}

}  // namespace pendra
