#pragma once
// The nodes of a document. Every node belongs to its document, lives in the document's
// memory and stays valid until the document is read or emptied again; so do the views
// Name(), NameSpace() and Value() return (until that value is changed).
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace pendra {

class XmlDocument;
class XmlElem;
class XmlNameIndex;
class XmlProp;

enum class XmlElemKind : uint8_t {
  Element,
  Text,
  Comment,
  CData,
  ProcessingInstruction,
  Header,  // the XML declaration, in the prolog
  DocType,
  Sheet,           // "xml-stylesheet", in the prolog
  MsoApplication,  // "mso-application", in the prolog
};

// The child list of a node: insertion order, lookup by name (letters a to z count as
// their upper-case forms; the first match wins).
class XmlElems {
 public:
  explicit XmlElems(XmlElem* owner) : owner_(owner) {}

  size_t Count() const;
  // The child at index, counted from 0; nullptr when there is none.
  XmlElem* Item(size_t index) const;
  // The first child with that name; nullptr when there is none.
  XmlElem* ItemNamed(std::u16string_view name) const;
  // Appends a new element with that name (and value) and returns it.
  XmlElem* Add(std::u16string_view name, std::u16string_view value = {});

  XmlElem* const* begin() const;
  XmlElem* const* end() const;

 private:
  XmlElem* owner_;
};

// An attribute: prefix, name and unescaped value.
class XmlProp {
 public:
  std::u16string_view Name() const { return name_; }
  std::u16string_view NameSpace() const { return nameSpace_; }
  std::u16string_view Value() const { return value_; }
  void SetValue(std::u16string_view value);

 private:
  friend class XmlProps;
  friend class XmlReader;
  XmlDocument* document_ = nullptr;
  std::u16string_view name_;
  std::u16string_view nameSpace_;
  std::u16string_view value_;
};

// The attribute list of a node, in the order read or added.
class XmlProps {
 public:
  explicit XmlProps(XmlElem* owner) : owner_(owner) {}

  size_t Count() const;
  XmlProp* Item(size_t index) const;
  // The first attribute with that name (letters a to z folded); nullptr when none.
  XmlProp* ItemNamed(std::u16string_view name) const;
  XmlProp* Add(std::u16string_view name, std::u16string_view value);
  // Puts the attributes in a new order: those named in `first`, then all others.
  void Reorder(std::initializer_list<std::u16string_view> first);

 private:
  XmlElem* owner_;
};

class XmlElem {
 public:
  XmlElemKind Kind() const { return kind_; }
  XmlElem* Parent() const { return parent_; }

  std::u16string_view Name() const { return {name_, nameSize_}; }
  // Takes the new name only when it is not empty and differs from the old one.
  void SetName(std::u16string_view name);
  std::u16string_view NameSpace() const { return extra_ ? extra_->nameSpace : std::u16string_view(); }

  // The text of an element or text node (unescaped); the raw content of others.
  std::u16string_view Value() const { return {value_, valueSize_}; }
  void SetValue(std::u16string_view value);
  // Value as a signed 64-bit integer (ParseIntValue), -1 when it is none.
  int64_t IntValue() const;

  XmlElems Items() { return XmlElems(this); }
  XmlProps Properties() { return XmlProps(this); }

 private:
  friend class XmlDocument;
  friend class XmlElems;
  friend class XmlProps;
  friend class XmlReader;
  friend class XmlWriter;

  // What few nodes need: a prefix, attributes, a name index.
  struct Extra {
    std::u16string_view nameSpace;
    XmlProp** props = nullptr;
    uint32_t propCount = 0;
    uint32_t propCapacity = 0;
    XmlNameIndex* nameIndex = nullptr;
  };

  Extra& TakeExtra();
  void AppendItem(XmlElem* child);
  void AppendProp(XmlProp* prop);
  void KeepName(std::u16string_view name) {
    name_ = name.data();
    nameSize_ = static_cast<uint32_t>(name.size());
  }
  void KeepValue(std::u16string_view value) {
    value_ = value.data();
    valueSize_ = static_cast<uint32_t>(value.size());
  }
  // The room of an items array: the reader and AppendItem both make it this large, so
  // that a node need not store it.
  static uint32_t ItemCapacity(uint32_t count);

  // A read document holds many nodes, so a node keeps to 64 bytes: texts are a pointer
  // and a 32-bit length each.
  XmlDocument* document_ = nullptr;
  XmlElem* parent_ = nullptr;
  const char16_t* name_ = nullptr;
  const char16_t* value_ = nullptr;
  XmlElem** items_ = nullptr;
  Extra* extra_ = nullptr;
  uint32_t nameSize_ = 0;
  uint32_t valueSize_ = 0;
  uint32_t itemCount_ = 0;
  XmlElemKind kind_ = XmlElemKind::Element;
};

}  // namespace pendra
