#pragma once
// The decoded text of a document: UTF-16 units that only grow at the end, and that the
// tree of a read document points into. Room for new units is handed out uninitialised,
// because the decoder fills it right away; emptying keeps the memory for the next text.
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
