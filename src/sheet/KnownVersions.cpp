#include "sheet/KnownVersions.h"

#include <algorithm>
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

size_t KnownVersions::BytesOf(const Sheet::Content& version) const {
  if (versions_.empty()) return version.Bytes();
  const Version& newest = versions_.back();
  const SheetRows& before = newest.content.rows;
  const SheetRows& now = version.rows;
  const auto withoutRows = [](const Sheet::Content& content) {
    Sheet::Content shape;
    shape.widths = content.widths;
    shape.alignments = content.alignments;
    return shape.Bytes();
  };
  size_t bytes = newest.bytes - withoutRows(newest.content) + withoutRows(version);
  for (size_t row = 0; row < std::max(before.size(), now.size()); ++row) {
    if (now.Shares(row, before)) continue;
    if (row < before.size()) bytes -= Sheet::Content::RowBytes(before[row]);
    if (row < now.size()) bytes += Sheet::Content::RowBytes(now[row]);
  }
  return bytes;
}

void KnownVersions::Add(Sheet::Content version) {
  if (!versions_.empty() && versions_.back().content == version) return;
  const size_t bytes = BytesOf(version);
  versions_.push_back({std::move(version), bytes});
  bytes_ += bytes;
  while (versions_.size() > 1 && (bytes_ > kMaxBytes || versions_.size() > kMaxCount)) {
    bytes_ -= versions_.front().bytes;
    versions_.pop_front();
  }
}

const Sheet::Content& KnownVersions::BaseFor(const Sheet::Content& other,
                                             const std::vector<const Sheet::Content*>& concurrent) const {
  const Sheet::Content* best = &kNothingKnown;
  size_t bestDistance = 0;
  for (const Version& version : versions_) {
    if (std::any_of(concurrent.begin(), concurrent.end(),
                    [&](const Sheet::Content* written) { return Distance(*written, version.content) == 0; })) {
      continue;
    }
    const size_t distance = Distance(version.content, other);
    if (best == &kNothingKnown || distance <= bestDistance) {
      best = &version.content;
      bestDistance = distance;
    }
  }
  return *best;
}

}  // namespace pendra
