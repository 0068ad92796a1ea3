#pragma once
// Two PCs can each hold a version the other has taken in before: each then merges the other's as
// an old one, keeps its own and sends it back, and so on without end. This notices the exchange:
// this run wrote a version, the other's arrived, this run wrote the same version again, and the
// same other one arrived again, while this run still holds what it wrote. Both PCs then settle on
// the same one of the two versions.
#include <cstdint>
#include <deque>

#include "sheet/Sheet.h"

namespace pendra {

// A fingerprint of what a data file holds of the sheet, alike on both PCs.
std::uint64_t VersionFingerprint(const Sheet::Content& content);

class ExchangeLoop {
 public:
  // This run wrote the version of that fingerprint.
  void Wrote(std::uint64_t fingerprint);
  // Whether the version that arrived completes such an exchange; `mine` is the sheet as it is.
  bool Arrived(const Sheet::Content& version, const Sheet::Content& mine);

 private:
  struct Event {
    bool wrote = false;
    std::uint64_t version = 0;
  };
  void Add(Event event);

  // The latest three, oldest first.
  std::deque<Event> events_;
};

// Which of two versions two PCs sent back and forth both keep: the same one, whichever of them asks.
bool KeepsOwnVersion(const Sheet::Content& mine, const Sheet::Content& other);

}  // namespace pendra
