#pragma once
// The document's memory: nodes, child arrays and copied texts are carved out of large
// blocks and released all at once when the document is emptied. Whatever lives here
// must be trivially destructible.
#include <cstddef>
#include <memory>
#include <new>
#include <string_view>
#include <type_traits>
#include <vector>

namespace pendra {

class XmlArena {
 public:
  void* Allocate(size_t size, size_t alignment);

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

  void Reset();

 private:
  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::byte* next_ = nullptr;
  std::byte* end_ = nullptr;
  size_t nextBlockSize_ = kFirstBlockSize;

  static constexpr size_t kFirstBlockSize = 64 * 1024;
  static constexpr size_t kLargestBlockSize = 8 * 1024 * 1024;
};

}  // namespace pendra
