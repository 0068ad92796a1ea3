#include "xml/XmlNameIndex.h"

#include "xml/XmlChars.h"
#include "xml/XmlElem.h"

namespace pendra {

size_t XmlNameIndex::FoldedHash::operator()(std::u16string_view name) const {
  size_t hash = 14695981039346656037u;  // FNV-1a
  for (char16_t c : name) hash = (hash ^ xmlchars::FoldCase(c)) * 1099511628211u;
  return hash;
}

bool XmlNameIndex::FoldedEqual::operator()(std::u16string_view a, std::u16string_view b) const {
  return xmlchars::SameFolded(a, b);
}

XmlElem* XmlNameIndex::Find(std::u16string_view name, XmlElem* const* children, size_t count) {
  if (!built_) {
    for (size_t i = 0; i < count; ++i) first_.emplace(children[i]->Name(), children[i]);
    built_ = true;
  }
  auto found = first_.find(name);
  return found == first_.end() ? nullptr : found->second;
}

void XmlNameIndex::Add(XmlElem* child) {
  if (built_) first_.emplace(child->Name(), child);
}

void XmlNameIndex::Invalidate() {
  first_.clear();
  built_ = false;
}

}  // namespace pendra
