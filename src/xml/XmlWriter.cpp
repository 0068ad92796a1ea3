#include "xml/XmlWriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Utf.h"
#include "xml/XmlEscape.h"

namespace pendra {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kLongestUtf8 = 3;  // bytes per UTF-16 unit

char* Copy(std::string_view ascii, char* out) {
  for (char c : ascii) *out++ = c;
  return out;
}

// Names and raw texts (comments, CDATA) are written as they are, in UTF-8.
char* CopyUtf8(std::u16string_view text, char* out) {
  char* start = out;
  for (char16_t c : text) {
    if (c >= 0x80) {
      std::string utf8 = ToUtf8(text);
      std::memcpy(start, utf8.data(), utf8.size());
      return start + utf8.size();
    }
    *out++ = static_cast<char>(c);
  }
  return out;
}

size_t NameRoom(XmlElem* node) { return kLongestUtf8 * (node->NameSpace().size() + 1 + node->Name().size()); }

}  // namespace

XmlWriter::XmlWriter(std::u16string_view indentUnit) : indentUnit_(indentUnit.begin(), indentUnit.end()) {}

std::string XmlWriter::Write(XmlElem* prolog, XmlElem* root, std::string_view prefix) {
  Put(prefix);
  for (uint32_t i = 0; i < prolog->itemCount_; ++i) PutOtherNode(prolog->items_[i]);

  struct Open {
    XmlElem* element;
    uint32_t next;
  };
  std::vector<Open> open;
  if (!root->Name().empty() && PutElementStart(root)) open.push_back({root, 0});
  while (!open.empty()) {
    Open& top = open.back();
    if (top.next == top.element->itemCount_) {
      PutElementEnd(top.element);
      open.pop_back();
      continue;
    }
    XmlElem* child = top.element->items_[top.next++];
    if (child->kind_ != XmlElemKind::Element) {
      PutOtherNode(child);
    } else if (PutElementStart(child)) {
      open.push_back({child, 0});
    }
  }
  return Joined();
}

void XmlWriter::NewBlock(size_t size) {
  if (!blocks_.empty()) blocks_.back().size = static_cast<size_t>(next_ - blocks_.back().bytes.get());
  size_t blockSize = std::max(size, nextBlockSize_);
  nextBlockSize_ = std::min<size_t>(nextBlockSize_ * 2, 4 * 1024 * 1024);
  blocks_.push_back({std::make_unique_for_overwrite<char[]>(blockSize), 0});
  next_ = blocks_.back().bytes.get();
  end_ = next_ + blockSize;
}

std::string XmlWriter::Joined() {
  if (blocks_.empty()) return {};
  blocks_.back().size = static_cast<size_t>(next_ - blocks_.back().bytes.get());
  size_t total = 0;
  for (const Block& block : blocks_) total += block.size;
  std::string joined;
  joined.reserve(total);
  for (const Block& block : blocks_) joined.append(block.bytes.get(), block.size);
  return joined;
}

void XmlWriter::Put(std::string_view ascii) { Commit(Copy(ascii, Room(ascii.size()))); }

void XmlWriter::PutUtf8(std::u16string_view text) { Commit(CopyUtf8(text, Room(kLongestUtf8 * text.size()))); }

void XmlWriter::PutEscaped(std::u16string_view value) {
  Commit(WriteEscaped(value, Room(kLongestEscape * value.size())));
}

char* XmlWriter::WriteName(XmlElem* node, char* out) {
  if (!node->NameSpace().empty()) {
    out = CopyUtf8(node->NameSpace(), out);
    *out++ = ':';
  }
  return CopyUtf8(node->Name(), out);
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
  size_t nameRoom = NameRoom(element);
  char* out = Room(indent_.size() + 1 + nameRoom);
  out = Copy(indent_, out);
  *out++ = '<';
  Commit(WriteName(element, out));
  if (element->extra_ != nullptr) PutProps(element);

  if (element->itemCount_ > 0) {
    Put(">\r\n");
    indent_ += indentUnit_;
    return true;
  }
  std::u16string_view value = element->Value();
  if (value.empty()) {
    Put("/>\r\n");
    return false;
  }
  out = Room(1 + kLongestEscape * value.size() + 2 + nameRoom + 3);
  *out++ = '>';
  out = WriteEscaped(value, out);
  *out++ = '<';
  *out++ = '/';
  out = WriteName(element, out);
  Commit(Copy(">\r\n", out));
  return false;
}

void XmlWriter::PutElementEnd(XmlElem* element) {
  indent_.resize(indent_.size() - indentUnit_.size());
  char* out = Room(indent_.size() + 2 + NameRoom(element) + 3);
  out = Copy(indent_, out);
  out = Copy("</", out);
  out = WriteName(element, out);
  Commit(Copy(">\r\n", out));
}

void XmlWriter::PutOtherNode(XmlElem* node) {
  Put(indent_);
  switch (node->Kind()) {
    case XmlElemKind::Text: PutEscaped(node->Value()); break;
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
      Commit(Copy("<?", Room(2)));
      Commit(WriteName(node, Room(NameRoom(node))));
      PutProps(node);
      Put("?>");
      break;
    case XmlElemKind::Element: break;  // elements are written by Write
  }
  Put(kLineEnd);
}

}  // namespace pendra
