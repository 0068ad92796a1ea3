#include "xml/XmlArena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pendra {

void* XmlArena::Allocate(size_t size, size_t alignment) {
  auto at = reinterpret_cast<uintptr_t>(next_);
  uintptr_t aligned = (at + alignment - 1) & ~(uintptr_t{alignment} - 1);
  if (next_ == nullptr || aligned + size > reinterpret_cast<uintptr_t>(end_)) {
    size_t blockSize = std::max(nextBlockSize_, size + alignment);
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(blockSize));
    next_ = blocks_.back().get();
    end_ = next_ + blockSize;
    nextBlockSize_ = std::min(nextBlockSize_ * 2, kLargestBlockSize);
    at = reinterpret_cast<uintptr_t>(next_);
    aligned = (at + alignment - 1) & ~(uintptr_t{alignment} - 1);
  }
  next_ += (aligned - at) + size;
  return reinterpret_cast<void*>(aligned);
}

std::u16string_view XmlArena::Copy(std::u16string_view text) {
  if (text.empty()) return {};
  char16_t* copy = NewArray<char16_t>(text.size());
  std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
  return {copy, text.size()};
}

void XmlArena::Reset() {
  blocks_.clear();
  next_ = end_ = nullptr;
  nextBlockSize_ = kFirstBlockSize;
}

}  // namespace pendra
