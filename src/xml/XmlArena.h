#pragma once
// The document's memory: nodes, child arrays and copied texts are carved out of large
// blocks. Emptying the document frees everything at once and keeps the blocks for the
// next tree, so reading again does not ask the system for fresh memory. Whatever lives
// here must be trivially destructible.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string_view>
#include <type_traits>
#include <vector>

namespace pendra {

class XmlArena {
 public:
  void* Allocate(size_t size, size_t alignment) {
    std::byte* aligned = Align(next_, alignment);
    if (next_ == nullptr || aligned > end_ || size > static_cast<size_t>(end_ - aligned)) {
      return AllocateInNewBlock(size, alignment);
    }
    next_ = aligned + size;
    return aligned;
  }

  template <class T>
  T* New() {
    static_assert(std::is_trivially_destructible_v<T>);
    return new (Allocate(sizeof(T), alignof(T))) T();
  }

  template <class T>
  T* NewArray(size_t count) {
    static_assert(std::is_trivially_destructible_v<T> && std::is_trivially_default_constructible_v<T>);
    return static_cast<T*>(Allocate(sizeof(T) * count, alignof(T)));
  }

  // A copy of the text that lives as long as the arena.
  std::u16string_view Copy(std::u16string_view text);

  // The most recent allocation ends at `end` instead; the rest of it is free again.
  void ShortenLast(void* end) { next_ = static_cast<std::byte*>(end); }

  // Everything allocated so far is gone; the blocks stay for reuse.
  void Reset();

  // How far the reading of an input has come. A block added while an input is read is made
  // as large as the rest of the input will likely take, judged by what the part read so
  // far took, so that the last block is not much larger than needed.
  void SetOutlook(size_t bytesRead, size_t bytesLeft) {
    bytesRead_ = bytesRead;
    bytesLeft_ = bytesLeft;
  }

 private:
  static std::byte* Align(std::byte* at, size_t alignment) {
    auto address = reinterpret_cast<uintptr_t>(at);
    return at + ((alignment - address % alignment) % alignment);
  }
  void* AllocateInNewBlock(size_t size, size_t alignment);
  void UseBlock(size_t index);
  size_t NextBlockSize() const;
  size_t Used() const;

  struct Block {
    std::unique_ptr<std::byte[]> bytes;
    size_t size;
  };
  std::vector<Block> blocks_;
  size_t current_ = 0;  // the block next_ points into
  std::byte* next_ = nullptr;
  std::byte* end_ = nullptr;
  size_t held_ = 0;  // bytes of all blocks
  size_t bytesRead_ = 0;
  size_t bytesLeft_ = 0;

  // A block of a megabyte or more is memory of its own to the system's heap, given back when it is
  // freed; smaller blocks would stay in the process's heap after a large file was read.
  static constexpr size_t kSmallestBlockSize = 1024 * 1024;
  static constexpr size_t kLargestBlockSize = 8 * 1024 * 1024;
};

}  // namespace pendra
