#pragma once
// The texts of a sheet, row by row, each row shared between copies until one of them changes it:
// a copy of the rows (a snapshot, the undo history's copy, a save's copy, the versions a merge
// starts from) copies pointers, and a change copies only the row it changes. A row nobody else
// holds is changed in place. A copy may be read on another thread while the original is changed,
// as long as the copy is made, and dropped, on the original's thread.
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace pendra {

class SheetRows {
 public:
  using Row = std::vector<std::u16string>;

  class const_iterator {
   public:
    using value_type = Row;
    using reference = const Row&;
    using pointer = const Row*;
    using difference_type = std::ptrdiff_t;
    using iterator_category = std::forward_iterator_tag;

    const_iterator() = default;
    explicit const_iterator(std::vector<std::shared_ptr<Row>>::const_iterator at) : at_(at) {}
    const Row& operator*() const { return RowOf(*at_); }
    const Row* operator->() const { return &RowOf(*at_); }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    const_iterator operator++(int) { return const_iterator(at_++); }
    bool operator==(const const_iterator&) const = default;

   private:
    std::vector<std::shared_ptr<Row>>::const_iterator at_;
  };
  using iterator = const_iterator;

  SheetRows() = default;
  SheetRows(std::initializer_list<Row> rows);

  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const Row& operator[](size_t row) const { return RowOf(rows_[row]); }
  const_iterator begin() const { return const_iterator(rows_.begin()); }
  const_iterator end() const { return const_iterator(rows_.end()); }

  // The row to change in place; a row shared with a copy is copied first.
  Row& Edit(size_t row);
  // Gives the row the cells of `cells`, which gets the row's.
  void Exchange(size_t row, Row& cells);
  // The row becomes the same as `other`'s row, shared with it.
  void Share(size_t row, const SheetRows& other, size_t otherRow) { rows_[row] = other.rows_[otherRow]; }
  // New rows are empty.
  void resize(size_t count) { rows_.resize(count); }
  void push_back(Row cells);
  void Insert(size_t row, Row cells);
  void Erase(size_t row) { rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row)); }

  // The row is the very one `other` holds there (both empty counts), without looking at its texts.
  bool Shares(size_t row, const SheetRows& other) const {
    return row < size() && row < other.size() && rows_[row] == other.rows_[row];
  }

  bool operator==(const SheetRows& other) const;

 private:
  // An empty row is held as no row at all, so that a million new rows cost no memory of their own.
  static const Row& RowOf(const std::shared_ptr<Row>& row);
  static std::shared_ptr<Row> Held(Row cells);

  std::vector<std::shared_ptr<Row>> rows_;
};

}  // namespace pendra
