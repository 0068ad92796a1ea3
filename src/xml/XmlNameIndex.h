#pragma once
// The name lookup of a child list: for each name (letters a to z folded to upper case)
// the first child with it. Built at the first lookup, kept current as children are
// added, and built anew after a child was renamed.
#include <string_view>
#include <unordered_map>

namespace pendra {

class XmlElem;

class XmlNameIndex {
 public:
  // The first of the children with that name, or nullptr.
  XmlElem* Find(std::u16string_view name, XmlElem* const* children, size_t count);
  // A child was appended to the list.
  void Add(XmlElem* child);
  // A child's name changed.
  void Invalidate();

 private:
  struct FoldedHash {
    size_t operator()(std::u16string_view name) const;
  };
  struct FoldedEqual {
    bool operator()(std::u16string_view a, std::u16string_view b) const;
  };
  bool built_ = false;
  std::unordered_map<std::u16string_view, XmlElem*, FoldedHash, FoldedEqual> first_;
};

}  // namespace pendra
