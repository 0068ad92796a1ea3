#include "xml/XmlElem.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "xml/XmlChars.h"
#include "xml/XmlDocument.h"
#include "xml/XmlIntValue.h"
#include "xml/XmlNameIndex.h"

namespace pendra {

namespace {

// Arrays of a node grow in the document's memory; the old one stays there unused.
template <class T>
T** Grown(XmlArena& arena, T** array, uint32_t count, uint32_t capacity) {
  T** larger = arena.NewArray<T*>(capacity);
  if (count > 0) std::memcpy(larger, array, count * sizeof(T*));
  return larger;
}

}  // namespace

size_t XmlElems::Count() const { return owner_->itemCount_; }

XmlElem* XmlElems::Item(size_t index) const { return index < owner_->itemCount_ ? owner_->items_[index] : nullptr; }

XmlElem* XmlElems::ItemNamed(std::u16string_view name) const {
  XmlElem::Extra& extra = owner_->TakeExtra();
  if (extra.nameIndex == nullptr) extra.nameIndex = owner_->document_->NewNameIndex();
  return extra.nameIndex->Find(name, owner_->items_, owner_->itemCount_);
}

XmlElem* XmlElems::Add(std::u16string_view name, std::u16string_view value) {
  XmlDocument* document = owner_->document_;
  XmlElem* child = document->NewElem(XmlElemKind::Element, owner_);
  child->KeepName(document->arena_.Copy(name));
  child->KeepValue(document->arena_.Copy(value));
  owner_->AppendItem(child);
  return child;
}

XmlElem* const* XmlElems::begin() const { return owner_->items_; }

XmlElem* const* XmlElems::end() const { return owner_->items_ + owner_->itemCount_; }

void XmlProp::SetValue(std::u16string_view value) { value_ = document_->arena_.Copy(value); }

size_t XmlProps::Count() const { return owner_->extra_ ? owner_->extra_->propCount : 0; }

XmlProp* XmlProps::Item(size_t index) const { return index < Count() ? owner_->extra_->props[index] : nullptr; }

XmlProp* XmlProps::ItemNamed(std::u16string_view name) const {
  for (size_t i = 0; i < Count(); ++i) {
    if (xmlchars::SameFolded(owner_->extra_->props[i]->Name(), name)) return owner_->extra_->props[i];
  }
  return nullptr;
}

XmlProp* XmlProps::Add(std::u16string_view name, std::u16string_view value) {
  XmlArena& arena = owner_->document_->arena_;
  auto* prop = arena.New<XmlProp>();
  prop->document_ = owner_->document_;
  prop->name_ = arena.Copy(name);
  prop->value_ = arena.Copy(value);
  owner_->AppendProp(prop);
  return prop;
}

void XmlProps::Reorder(std::initializer_list<std::u16string_view> first) {
  size_t count = Count();
  std::vector<XmlProp*> order;
  std::vector<bool> taken(count);
  for (std::u16string_view name : first) {
    for (size_t i = 0; i < count; ++i) {
      if (!taken[i] && xmlchars::SameFolded(Item(i)->Name(), name)) {
        taken[i] = true;
        order.push_back(Item(i));
        break;
      }
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (!taken[i]) order.push_back(Item(i));
  }
  std::copy(order.begin(), order.end(), count > 0 ? owner_->extra_->props : nullptr);
}

void XmlElem::SetName(std::u16string_view name) {
  if (name.empty() || name == Name()) return;
  KeepName(document_->arena_.Copy(name));
  if (parent_ != nullptr && parent_->extra_ != nullptr && parent_->extra_->nameIndex != nullptr) {
    parent_->extra_->nameIndex->Invalidate();
  }
}

void XmlElem::SetValue(std::u16string_view value) { KeepValue(document_->arena_.Copy(value)); }

int64_t XmlElem::IntValue() const { return ParseIntValue(Value()); }

XmlElem::Extra& XmlElem::TakeExtra() {
  if (extra_ == nullptr) extra_ = document_->arena_.New<Extra>();
  return *extra_;
}

void XmlElem::AppendProp(XmlProp* prop) {
  Extra& extra = TakeExtra();
  if (extra.propCount == extra.propCapacity) {
    extra.propCapacity = std::max<uint32_t>(4, extra.propCapacity * 2);
    extra.props = Grown(document_->arena_, extra.props, extra.propCount, extra.propCapacity);
  }
  extra.props[extra.propCount++] = prop;
}

uint32_t XmlElem::ItemCapacity(uint32_t count) { return count == 0 ? 0 : std::max<uint32_t>(4, std::bit_ceil(count)); }

void XmlElem::AppendItem(XmlElem* child) {
  if (itemCount_ == ItemCapacity(itemCount_)) {
    items_ = Grown(document_->arena_, items_, itemCount_, ItemCapacity(itemCount_ + 1));
  }
  items_[itemCount_++] = child;
  if (extra_ != nullptr && extra_->nameIndex != nullptr) extra_->nameIndex->Add(child);
}

}  // namespace pendra
