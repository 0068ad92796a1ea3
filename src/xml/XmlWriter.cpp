#include "xml/XmlWriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Utf.h"
#include "xml/XmlEscape.h"

namespace pendra {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

XmlWriter::XmlWriter(std::u16string_view indentUnit) : indentUnit_(indentUnit.begin(), indentUnit.end()) {}

std::string XmlWriter::Write(XmlElems prolog, XmlElem* root, std::string_view prefix) {
  Put(prefix);
  for (XmlElem* node : prolog) PutOtherNode(node);

  struct Open {
    XmlElem* element;
    size_t next;
  };
  std::vector<Open> open;
  if (PutElementStart(root)) open.push_back({root, 0});
  while (!open.empty()) {
    XmlElem* parent = open.back().element;
    if (open.back().next == parent->Items().Count()) {
      PutElementEnd(parent);
      open.pop_back();
      continue;
    }
    XmlElem* child = parent->Items().Item(open.back().next++);
    if (child->Kind() != XmlElemKind::Element) {
      PutOtherNode(child);
    } else if (PutElementStart(child)) {
      open.push_back({child, 0});
    }
  }
  out_.resize(used_);
  return std::move(out_);
}

// Grows the output geometrically and returns where the next `size` bytes go.
char* XmlWriter::Room(size_t size) {
  if (used_ + size > out_.size()) out_.resize(std::max({out_.size() * 2, used_ + size, size_t{4096}}));
  return out_.data() + used_;
}

void XmlWriter::Put(std::string_view ascii) {
  std::memcpy(Room(ascii.size()), ascii.data(), ascii.size());
  used_ += ascii.size();
}

// Names and raw texts (comments, CDATA) are written as they are, in UTF-8.
void XmlWriter::PutUtf8(std::u16string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
    char* out = Room(text.size());
    for (char16_t c : text) *out++ = static_cast<char>(c);
    used_ += text.size();
  } else {
    Put(ToUtf8(text));
  }
}

void XmlWriter::PutEscaped(std::u16string_view value) {
  size_t length = EscapedLength(value);
  WriteEscaped(value, Room(length));
  used_ += length;
}

void XmlWriter::PutName(XmlElem* node) {
  if (!node->NameSpace().empty()) {
    PutUtf8(node->NameSpace());
    Put(":");
  }
  PutUtf8(node->Name());
}

void XmlWriter::PutProps(XmlElem* node) {
  XmlProps props = node->Properties();
  for (size_t i = 0; i < props.Count(); ++i) {
    XmlProp* prop = props.Item(i);
    Put(" ");
    if (!prop->NameSpace().empty()) {
      PutUtf8(prop->NameSpace());
      Put(":");
    }
    PutUtf8(prop->Name());
    Put("=\"");
    PutEscaped(prop->Value());
    Put("\"");
  }
}

// Writes an element without children completely and returns false; of one with children
// the start tag, and returns true: its children and end tag follow one level deeper.
bool XmlWriter::PutElementStart(XmlElem* element) {
  Put(indent_);
  Put("<");
  PutName(element);
  PutProps(element);
  if (element->Items().Count() > 0) {
    Put(">");
    Put(kLineEnd);
    indent_ += indentUnit_;
    return true;
  }
  if (element->Value().empty()) {
    Put("/>");
  } else {
    Put(">");
    PutEscaped(element->Value());
    Put("</");
    PutName(element);
    Put(">");
  }
  Put(kLineEnd);
  return false;
}

void XmlWriter::PutElementEnd(XmlElem* element) {
  indent_.resize(indent_.size() - indentUnit_.size());
  Put(indent_);
  Put("</");
  PutName(element);
  Put(">");
  Put(kLineEnd);
}

void XmlWriter::PutOtherNode(XmlElem* node) {
  Put(indent_);
  switch (node->Kind()) {
    case XmlElemKind::Text:
      PutEscaped(node->Value());
      break;
    case XmlElemKind::Comment:
      Put("<!--");
      PutUtf8(node->Value());
      Put("-->");
      break;
    case XmlElemKind::CData:
      Put("<![CDATA[");
      PutUtf8(node->Value());
      Put("]]>");
      break;
    case XmlElemKind::DocType:
      Put("<!DOCTYPE");
      PutUtf8(node->Value());
      Put(">");
      break;
    case XmlElemKind::ProcessingInstruction:
    case XmlElemKind::Header:
    case XmlElemKind::Sheet:
    case XmlElemKind::MsoApplication:
      Put("<?");
      PutName(node);
      PutProps(node);
      Put("?>");
      break;
    case XmlElemKind::Element:
      break;  // elements are written by Write
  }
  Put(kLineEnd);
}

}  // namespace pendra
