#pragma once
// The decoded input of a document: UTF-16 units that grow at the end and are dropped at
// the front once read. Room for new units is handed out uninitialised, because the decoder
// fills it right away; emptying keeps the memory for the next text.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace pendra {

class XmlTextBuffer {
 public:
  char16_t* Data() { return units_.get(); }
  const char16_t* Data() const { return units_.get(); }
  size_t Size() const { return size_; }
  void Clear() { size_ = 0; }

  // Room for up to `count` more units after the end; Commit(end) keeps those written.
  char16_t* Extend(size_t count) {
    if (count > capacity_ - size_) Reallocate(std::max(size_ + count, 2 * capacity_));
    return units_.get() + size_;
  }
  void Commit(const char16_t* end) { size_ = static_cast<size_t>(end - units_.get()); }

  void Append(char16_t unit) { Commit(std::fill_n(Extend(1), 1, unit)); }
  void Append(std::u16string_view units) { Commit(std::copy(units.begin(), units.end(), Extend(units.size()))); }

  // Removes the first `count` units; the others move to the front.
  void DropFront(size_t count) {
    std::memmove(units_.get(), units_.get() + count, (size_ - count) * sizeof(char16_t));
    size_ -= count;
  }
  // Empties the text and gives its memory back when it holds more than `units`.
  void ClearKeepingAtMost(size_t units) {
    size_ = 0;
    if (capacity_ <= units) return;
    units_.reset();
    capacity_ = 0;
  }

 private:
  void Reallocate(size_t capacity) {
    auto larger = std::make_unique_for_overwrite<char16_t[]>(capacity);
    if (size_ > 0) std::memcpy(larger.get(), units_.get(), size_ * sizeof(char16_t));
    units_ = std::move(larger);
    capacity_ = capacity;
  }

  std::unique_ptr<char16_t[]> units_;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace pendra
