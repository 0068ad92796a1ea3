#include "xml/XmlReader.h"

#include <cstring>

#include "platform/CodePage.h"
#include "platform/DecimalText.h"
#include "xml/XmlChars.h"
#include "xml/XmlCharsets.h"
#include "xml/XmlEscape.h"
#include "xml/XmlFailures.h"

namespace pendra {

using xmlchars::IsNameChar;
using xmlchars::IsPropStart;
using xmlchars::IsSpace;

namespace {

bool IsSpaceChar(int c) { return c >= 0 && IsSpace(static_cast<char16_t>(c)); }

// Skips four units at a time while none of them is "<" or "&".
const char16_t* SkipPlainUnits(const char16_t* p, const char16_t* end) {
  constexpr uint64_t kOnes = 0x0001000100010001;
  constexpr uint64_t kHighBits = 0x8000800080008000;
  auto holds = [](uint64_t units, char16_t unit) {
    uint64_t zeroWhereEqual = units ^ (unit * kOnes);
    return ((zeroWhereEqual - kOnes) & ~zeroWhereEqual & kHighBits) != 0;
  };
  while (end - p >= 4) {
    uint64_t units;
    std::memcpy(&units, p, sizeof units);
    if (holds(units, u'<') || holds(units, u'&')) break;
    p += 4;
  }
  return p;
}

// Whether an end tag's name closes the element: the very same name, or with a prefix
// "prefix:name" in any letter case.
bool EndTagMatches(const XmlElem& element, std::u16string_view found) {
  std::u16string_view prefix = element.NameSpace();
  if (prefix.empty()) return found == element.Name();
  return found.size() == prefix.size() + 1 + element.Name().size() &&
         xmlchars::SameFolded(found.substr(0, prefix.size()), prefix) && found[prefix.size()] == u':' &&
         xmlchars::SameFolded(found.substr(prefix.size() + 1), element.Name());
}

std::u16string QualifiedName(const XmlElem& element) {
  std::u16string name(element.NameSpace());
  if (!name.empty()) name += u':';
  return name += element.Name();
}

XmlElemKind PrologKind(const XmlElem& instruction) {
  if (!instruction.NameSpace().empty()) return XmlElemKind::ProcessingInstruction;
  if (instruction.Name() == u"xml") return XmlElemKind::Header;
  if (instruction.Name() == u"xml-stylesheet") return XmlElemKind::Sheet;
  if (instruction.Name() == u"mso-application") return XmlElemKind::MsoApplication;
  return XmlElemKind::ProcessingInstruction;
}

}  // namespace

XmlReader::XmlReader(XmlDocument& document, std::string_view bytes, XmlDecoder decoder, bool automatic, bool quickly)
    : document_(document),
      text_(document.text_),
      data_(text_.Data()),
      size_(text_.Size()),
      bytes_(bytes),
      decoder_(decoder),
      automatic_(automatic),
      decodedAll_(bytes.empty()),
      quickly_(quickly) {}

XmlReader::XmlReader(XmlDocument& document)
    : document_(document),
      text_(document.text_),
      data_(text_.Data()),
      size_(text_.Size()),
      decoder_(kCodePageUtf16),
      automatic_(false),
      decodedAll_(true),
      quickly_(false) {}

bool XmlReader::Read() {
  ReadProlog();
  if (Peek() == kEnd) return true;
  if (quickly_ && CanReadUtf8Bytes()) return ReadElementsInUtf8();
  inParts_ = true;
  ReadElements();
  return true;
}

// --- Input -----------------------------------------------------------------------------

int XmlReader::PeekBeyond(size_t at) {
  while (at >= size_) {
    if (!DecodeMore()) return kEnd;
  }
  return data_[at];
}

bool XmlReader::DecodeMore() {
  if (decodedAll_) return false;
  std::string_view rest = bytes_.substr(bytePos_);
  if (inParts_) {
    size_t length = decoder_.PartLength(rest, kPartBytes);
    decoder_.DecodeAll(rest.substr(0, length), text_);
    bytePos_ += length;
  } else {
    bytePos_ += decoder_.DecodeCharacter(rest, text_);
  }
  decodedAll_ = bytePos_ == bytes_.size();
  data_ = text_.Data();
  size_ = text_.Size();
  return true;
}

// Called between two items of content, when nothing points into the window: drops what
// was read and decodes the next part once little is left.
void XmlReader::RefillWindow() {
  if (decodedAll_ || size_ - pos_ >= kLowWater) return;
  document_.arena_.SetOutlook(bytePos_, bytes_.size() - bytePos_);
  text_.DropFront(pos_);
  dropped_ += pos_;
  pos_ = 0;
  DecodeMore();
}

// The window moves and is overwritten, so the tree gets copies in the document's memory.
std::u16string_view XmlReader::Keep(size_t start, size_t end) {
  return document_.arena_.Copy(std::u16string_view(data_ + start, end - start));
}

// Names repeat from node to node: one copy of each name met lately serves them all.
std::u16string_view XmlReader::KeepName(size_t start, size_t end) {
  std::u16string_view name(data_ + start, end - start);
  size_t slot = name.empty() ? 0 : (name.size() * 7 + name.front() + 3 * name.back()) % names_.size();
  if (names_[slot] != name) names_[slot] = document_.arena_.Copy(name);
  return names_[slot];
}

std::u16string_view XmlReader::KeepUnescaped(size_t start, size_t end) {
  if (start == end) return {};
  XmlArena& arena = document_.arena_;
  char16_t* copy = arena.NewArray<char16_t>(end - start);
  size_t length = UnescapeTo(std::u16string_view(data_ + start, end - start), copy);
  arena.ShortenLast(copy + length);
  return {copy, length};
}

// --- Prolog ----------------------------------------------------------------------------

void XmlReader::ReadProlog() {
  XmlElem* prolog = &document_.prolog_;
  for (;;) {
    SkipSpace();
    int c = Peek();
    if (c == kEnd) return;
    if (c != u'<') FailAt(u"Invalid Document: Unexpected text in file prolog at position ");
    int next = Peek(1);
    XmlElem* node;
    if (next == u'!') {
      node = Peek(2) == u'-' ? ReadComment(prolog) : ReadDocType(prolog);
    } else if (next == u'?') {
      node = ReadProcessingInstruction(prolog, true);
    } else {
      return;  // the root element begins
    }
    prolog->AppendItem(node);
    if (node->Kind() == XmlElemKind::Header) ApplyDeclaration(node);
  }
}

// Called right after the declaration's "?>", when nothing after it has been decoded yet.
void XmlReader::ApplyDeclaration(XmlElem* declaration) {
  XmlProp* encoding = declaration->Properties().ItemNamed(u"encoding");
  if (encoding == nullptr || encoding->Value().empty()) return;
  unsigned codePage = CodePageOfCharset(encoding->Value());
  if (!automatic_) return;
  if (codePage != kCodePageUtf8 && codePage != kCodePageUtf16 && !CodePageAvailable(codePage)) {
    throw ECharsetError(u"No matching charset");
  }
  decoder_.SwitchTo(codePage);
}

// --- Elements --------------------------------------------------------------------------

void XmlReader::ReadElements() {
  XmlElem* root = &document_.root_;
  if (!ReadStartTag(root)) return;
  open_.push_back({root, children_.size(), {}, false});
  while (!open_.empty()) {
    RefillWindow();
    ReadText();
    XmlElem* parent = open_.back().element;
    int next = Peek(1);
    if (next == u'/') {
      ReadEndTag(parent);
      CloseElement();
    } else if (next == u'!' && Peek(2) == u'-') {
      AddChild(ReadComment(parent));
    } else if (next == u'!' && Peek(2) == u'[') {
      AddChild(ReadCData(parent));
    } else if (next == u'?') {
      AddChild(ReadProcessingInstruction(parent, false));
    } else {
      XmlElem* child = NewNode(XmlElemKind::Element, parent);
      AddChild(child);
      if (ReadStartTag(child)) open_.push_back({child, children_.size(), {}, false});
    }
  }
}

// At "<": reads the name and attributes; true when the element has content to read,
// false when it was an empty-element tag.
bool XmlReader::ReadStartTag(XmlElem* element) {
  ++pos_;
  ReadName(element);
  int c = Peek();
  if (element->Name().empty() || (c != u'/' && c != u'>' && !IsSpaceChar(c))) FailMalformed();
  if (IsSpaceChar(c)) {
    ReadProps(element);
    SkipSpace();
    c = Peek();
  }
  if (c == u'/') {
    ++pos_;
    if (Peek() != u'>') FailEndOfTag();
    ++pos_;
    return false;
  }
  if (c != u'>') FailEndOfTag();
  ++pos_;
  return true;
}

// At "</".
void XmlReader::ReadEndTag(XmlElem* element) {
  pos_ += 2;
  if (!SkipOwnName(*element)) {
    size_t start = pos_;
    SkipWhile([](char16_t c) { return IsNameChar(c) || c == u':'; });
    int c = Peek();
    if (c != u'>' && !IsSpaceChar(c)) FailMalformed();
    std::u16string_view found(data_ + start, pos_ - start);
    if (!EndTagMatches(*element, found)) {
      FailAt(u"Invalid XML Element: Erroneous end of tag, expecting </" + QualifiedName(*element) + u"> but </" +
             std::u16string(found) + u"> found at position ");
    }
  }
  SkipSpace();
  if (Peek() != u'>') FailEndOfTag();
  ++pos_;
}

// The usual end tag repeats the element's name exactly; it is skipped without a search.
bool XmlReader::SkipOwnName(const XmlElem& element) {
  std::u16string_view prefix = element.NameSpace();
  std::u16string_view name = element.Name();
  size_t length = prefix.empty() ? name.size() : prefix.size() + 1 + name.size();
  if (Peek(length) != u'>') return false;
  const char16_t* at = data_ + pos_;
  bool same = prefix.empty() ? name == std::u16string_view(at, length)
                             : prefix == std::u16string_view(at, prefix.size()) && at[prefix.size()] == u':' &&
                                   name == std::u16string_view(at + prefix.size() + 1, name.size());
  if (same) pos_ += length;
  return same;
}

// The characters up to the next "<": a text child (or value) unless they are all white
// space.
void XmlReader::ReadText() {
  size_t start = pos_;
  SkipSpace();
  int c = Peek();
  if (c == u'<') return;
  if (c == kEnd) FailEndOfTag();
  bool references = SkipCharacterData();
  if (Peek() == kEnd) FailEndOfTag();
  AddText(references ? KeepUnescaped(start, pos_) : Keep(start, pos_));
}

// Up to the next "<"; true when an "&" was passed.
bool XmlReader::SkipCharacterData() {
  bool references = false;
  for (;;) {
    const char16_t* p = data_ + pos_;
    const char16_t* end = data_ + size_;
    for (;;) {
      p = SkipPlainUnits(p, end);
      while (p < end && *p != u'<' && *p != u'&') ++p;
      if (p == end || *p == u'<') break;
      references = true;
      ++p;
    }
    pos_ = static_cast<size_t>(p - data_);
    if (p < end || !DecodeMore()) return references;
  }
}

// A name, with a prefix before a first ":".
void XmlReader::ReadName(XmlElem* node) {
  size_t start = pos_;
  SkipName();
  if (Peek() == u':') {
    node->TakeExtra().nameSpace = KeepName(start, pos_);
    start = ++pos_;
    SkipName();
  }
  node->KeepName(KeepName(start, pos_));
}

void XmlReader::ReadProps(XmlElem* node) {
  for (;;) {
    SkipSpace();
    int c = Peek();
    if (c == kEnd || c == u'/' || c == u'>' || c == u'?') return;
    if (!IsPropStart(static_cast<char16_t>(c))) FailProp();
    auto* prop = document_.arena_.New<XmlProp>();
    prop->document_ = &document_;
    size_t start = pos_;
    SkipName();
    if (Peek() == u':') {
      prop->nameSpace_ = KeepName(start, pos_);
      start = ++pos_;
      SkipName();
    }
    prop->name_ = KeepName(start, pos_);
    SkipSpace();
    if (Peek() != u'=') FailProp();
    ++pos_;
    SkipSpace();
    int quote = Peek();
    if (quote != u'"' && quote != u'\'') {
      FailAt(u"Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' but \"" + Found() +
             u"\"  found at position ");
    }
    start = ++pos_;
    SkipWhile([quote](char16_t u) { return u != quote; });
    if (Peek() == kEnd) FailProp();
    prop->value_ = KeepUnescaped(start, pos_);
    ++pos_;
    node->AppendProp(prop);
  }
}

void XmlReader::AddText(std::u16string_view text) {
  OpenElement& open = open_.back();
  if (!open.hasText && children_.size() == open.firstChild) {
    open.text = text;
    open.hasText = true;
  } else {
    AddChild(NewNode(XmlElemKind::Text, open.element, text));
  }
}

// An element whose only child is text gets that text as its value instead.
void XmlReader::CloseElement() {
  OpenElement& open = open_.back();
  XmlElem* element = open.element;
  size_t count = children_.size() - open.firstChild;
  if (open.hasText) {
    element->KeepValue(open.text);
  } else if (count > 0) {
    element->itemCount_ = static_cast<uint32_t>(count);
    element->items_ = document_.arena_.NewArray<XmlElem*>(XmlElem::ItemCapacity(element->itemCount_));
    std::memcpy(element->items_, children_.data() + open.firstChild, count * sizeof(XmlElem*));
    children_.resize(open.firstChild);
  }
  open_.pop_back();
}

// --- Other nodes -----------------------------------------------------------------------

// At "<": the opening must follow; the failure quotes as many characters as it has.
void XmlReader::ExpectOpening(std::u16string_view opening, std::u16string_view failure) {
  for (size_t i = 0; i < opening.size(); ++i) {
    if (Peek(i) == opening[i]) continue;
    size_t length = i;
    while (length < opening.size() && Peek(length) != kEnd) ++length;
    std::u16string found(data_ + pos_, length);
    pos_ += length - 1;
    FailAt(std::u16string(failure) + u": expected \"" + std::u16string(opening) + u"\" but found \"" + found +
           u"\" at position ");
  }
  pos_ += opening.size();
}

XmlElem* XmlReader::ReadComment(XmlElem* parent) {
  ExpectOpening(u"<!--", u"Invalid Comment");
  size_t start = pos_;
  for (;;) {
    SkipWhile([](char16_t c) { return c != u'-'; });
    if (Peek() == kEnd) FailEndOfData(u"Invalid Comment");
    if (Peek(1) == u'-') {
      int after = Peek(2);
      if (after == u'>') break;
      if (after == kEnd) FailEndOfData(u"Invalid Comment");
      pos_ += 2;
      FailAt(u"Invalid Comment: \"--\" not allowed inside comments at position ");
    }
    ++pos_;
  }
  XmlElem* comment = NewNode(XmlElemKind::Comment, parent, Keep(start, pos_));
  pos_ += 3;
  return comment;
}

XmlElem* XmlReader::ReadCData(XmlElem* parent) {
  ExpectOpening(u"<![CDATA[", u"Invalid CDATA");
  size_t start = pos_;
  for (;;) {
    SkipWhile([](char16_t c) { return c != u']'; });
    if (Peek() == kEnd) FailEndOfData(u"Invalid CDATA");
    if (Peek(1) == u']' && Peek(2) == u'>') break;
    ++pos_;
  }
  XmlElem* cdata = NewNode(XmlElemKind::CData, parent, Keep(start, pos_));
  pos_ += 3;
  return cdata;
}

// At "<?": a name, attributes and "?>". In the prolog the name tells the declaration,
// a stylesheet and an mso-application node from other instructions.
XmlElem* XmlReader::ReadProcessingInstruction(XmlElem* parent, bool inProlog) {
  pos_ += 2;
  XmlElem* instruction = NewNode(XmlElemKind::ProcessingInstruction, parent);
  ReadName(instruction);
  int c = Peek();
  if (c == kEnd) FailEndOfData(u"Invalid Comment");
  if (instruction->Name().empty() || (c != u'?' && !IsSpaceChar(c))) FailMalformed();
  if (inProlog) instruction->kind_ = PrologKind(*instruction);
  ReadProps(instruction);
  SkipSpace();
  for (char16_t expected : {u'?', u'>'}) {
    c = Peek();
    if (c == kEnd) FailEndOfData(u"Invalid Comment");
    if (c != expected) FailEndOfTag();
    ++pos_;
  }
  return instruction;
}

// At "<!": the DOCTYPE up to its closing ">", which may follow an internal subset in "[...]".
XmlElem* XmlReader::ReadDocType(XmlElem* parent) {
  ExpectOpening(u"<!DOCTYPE", u"Invalid Header");
  size_t start = pos_;
  bool inSubset = false;
  SkipWhile([&inSubset](char16_t c) {
    if (c == u'[') inSubset = true;
    if (c == u']') inSubset = false;
    return inSubset || c != u'>';
  });
  if (Peek() == kEnd) FailEndOfData(u"Invalid Comment");
  XmlElem* docType = NewNode(XmlElemKind::DocType, parent, Keep(start, pos_));
  ++pos_;
  return docType;
}

// --- Failures --------------------------------------------------------------------------

// The number of characters read when the failure was found, the one that caused it included.
size_t XmlReader::Position() {
  Peek();
  return dropped_ + (pos_ < size_ ? pos_ + 1 : size_);
}

std::u16string XmlReader::Found() {
  int c = Peek();
  return c == kEnd ? std::u16string() : std::u16string(1, static_cast<char16_t>(c));
}

void XmlReader::Fail(std::u16string_view message) { throw EXmlError(std::u16string(message)); }

void XmlReader::FailAt(std::u16string_view prefix, std::u16string_view suffix) {
  Fail(std::u16string(prefix) + DecimalText(static_cast<long long>(Position())) + std::u16string(suffix));
}

void XmlReader::FailMalformed() { FailAt(u"Invalid XML Element: malformed tag found (no valid name) at position "); }

void XmlReader::FailEndOfTag() {
  FailAt(u"Invalid XML Element: Expected end of tag but \"" + Found() + u"\" found at position ");
}

void XmlReader::FailProp() {
  FailAt(u"Invalid XML Element: Unexpected character in property declaration (\"" + Found() + u"\" found at position ",
         u")");
}

void XmlReader::FailEndOfData(std::u16string_view kind) {
  pos_ = size_;
  FailAt(std::u16string(kind) + u": Unexpected end of data at position ");
}

}  // namespace pendra
