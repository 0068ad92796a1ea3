#include "xml/XmlArena.h"

#include <algorithm>
#include <cstring>

namespace pendra {

// Moves on to the next kept block that is large enough, or adds one.
void* XmlArena::AllocateInNewBlock(size_t size, size_t alignment) {
  size_t next = next_ == nullptr ? 0 : current_ + 1;
  while (next < blocks_.size() && blocks_[next].size < size + alignment) ++next;
  if (next == blocks_.size()) {
    size_t blockSize = std::max(NextBlockSize(), size + alignment);
    blocks_.push_back({std::make_unique_for_overwrite<std::byte[]>(blockSize), blockSize});
    held_ += blockSize;
  }
  UseBlock(next);
  return Allocate(size, alignment);
}

// A new block adds an eighth to what the arena holds, so that little of the last one
// stays unused, and blocks stay few. While an input is read, it is sized for the rest of
// the input instead, with a sixteenth to spare.
size_t XmlArena::NextBlockSize() const {
  size_t wanted = held_ / 8;
  if (bytesRead_ > 0) {
    double perByte = static_cast<double>(Used()) / static_cast<double>(bytesRead_);
    wanted = static_cast<size_t>(perByte * static_cast<double>(bytesLeft_) * 17 / 16);
  }
  return std::clamp(wanted, kSmallestBlockSize, kLargestBlockSize);
}

// Everything before the current block counts as used, the unused end of a block included.
size_t XmlArena::Used() const {
  if (next_ == nullptr) return 0;
  size_t used = static_cast<size_t>(next_ - blocks_[current_].bytes.get());
  for (size_t i = 0; i < current_; ++i) used += blocks_[i].size;
  return used;
}

void XmlArena::UseBlock(size_t index) {
  current_ = index;
  next_ = blocks_[index].bytes.get();
  end_ = next_ + blocks_[index].size;
}

std::u16string_view XmlArena::Copy(std::u16string_view text) {
  if (text.empty()) return {};
  char16_t* copy = NewArray<char16_t>(text.size());
  std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
  return {copy, text.size()};
}

void XmlArena::Reset() {
  SetOutlook(0, 0);
  if (blocks_.empty()) return;
  UseBlock(0);
}

}  // namespace pendra
