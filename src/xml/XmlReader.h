#pragma once
// The reader behind XmlDocument's Load functions. It reads without recursion: open
// elements live on a stack of its own, so nesting depth is bounded by memory only.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlChars.h"
#include "xml/XmlDecoder.h"
#include "xml/XmlDocument.h"

namespace pendra {

class XmlReader {
 public:
  // Reads bytes, decoded first by `decoder`; when `automatic`, a declaration naming an
  // encoding switches the decoder from the character after it on. With `quickly`, UTF-8
  // elements are read straight from the bytes (XmlReaderUtf8.cpp).
  XmlReader(XmlDocument& document, std::string_view bytes, XmlDecoder decoder, bool automatic, bool quickly);
  // Reads the document's text, which already holds the whole input as UTF-16.
  explicit XmlReader(XmlDocument& document);

  // Fills the (emptied) document's prolog and root. False when the quick reading met
  // something it leaves to the general one: the document must then be emptied and read
  // again by a reader that is not quick.
  bool Read();
  // The code page in use at the end (1200 for text given as UTF-16).
  unsigned CodePage() const { return decoder_.CodePage(); }
  // Whether bytes that formed no character were replaced.
  bool ReplacedCharacters() const { return decoder_.Replaced() || replacedInText_; }

 private:
  static constexpr int kEnd = -1;
  static constexpr size_t kPartBytes = 32 * 1024;  // decoded at a time after the prolog
  static constexpr size_t kLowWater = 2 * 1024;    // units left in the window that call for the next part

  struct OpenElement {
    XmlElem* element;
    size_t firstChild;         // in children_
    std::u16string_view text;  // kept in the document's memory
    bool hasText;              // a first text run, not yet a child: the value if no other child follows
  };

  // The input: the prolog is decoded a character at a time, the rest in parts into a
  // window of the text that drops what was read (dropped_ units so far).
  int Peek(size_t ahead = 0) { return pos_ + ahead < size_ ? data_[pos_ + ahead] : PeekBeyond(pos_ + ahead); }
  int PeekBeyond(size_t at);
  bool DecodeMore();
  void RefillWindow();
  template <class Predicate>
  void SkipWhile(Predicate&& keep) {
    for (;;) {
      const char16_t* p = data_ + pos_;
      const char16_t* end = data_ + size_;
      while (p < end && keep(*p)) ++p;
      pos_ = static_cast<size_t>(p - data_);
      if (p < end || !DecodeMore()) return;
    }
  }
  void SkipSpace() {
    SkipWhile([](char16_t c) { return xmlchars::IsSpace(c); });
  }
  void SkipName() {
    SkipWhile([](char16_t c) { return xmlchars::IsNameChar(c); });
  }
  bool SkipCharacterData();
  bool SkipOwnName(const XmlElem& element);

  // The quick reading of elements in UTF-8; each returns nullptr where it stops.
  bool CanReadUtf8Bytes() const;
  bool ReadElementsInUtf8();
  const char* ReadStartTagInUtf8(XmlElem* element, const char* at, const char* end, bool& hasContent);
  bool ReadOtherNameInUtf8(const char* name, const char* end);
  const char* ReadContentStartInUtf8(XmlElem* element, const char* at, const char* end);
  const char* ReadTextInUtf8(const char* at, const char* end, std::optional<std::u16string_view>& text);
  const char* ReadNonSpaceTextInUtf8(const char* start, const char* at, const char* end,
                                     std::optional<std::u16string_view>& text);
  const char* KeepTextUpToMarkup(const char* start, const char* end, std::optional<std::u16string_view>& text);
  std::u16string_view KeepAsciiName(std::string_view name);

  void ReadProlog();
  void ApplyDeclaration(XmlElem* declaration);
  void ReadElements();
  bool ReadStartTag(XmlElem* element);
  void ReadEndTag(XmlElem* element);
  void ReadText();
  void ReadName(XmlElem* node);
  void ReadProps(XmlElem* node);
  XmlElem* ReadComment(XmlElem* parent);
  XmlElem* ReadCData(XmlElem* parent);
  XmlElem* ReadProcessingInstruction(XmlElem* parent, bool inProlog);
  XmlElem* ReadDocType(XmlElem* parent);
  void ExpectOpening(std::u16string_view opening, std::u16string_view failure);

  void AddText(std::u16string_view text);
  void AddChild(XmlElem* child) {
    OpenElement& open = open_.back();
    if (open.hasText) {
      children_.push_back(NewNode(XmlElemKind::Text, open.element, open.text));
      open.hasText = false;
    }
    children_.push_back(child);
  }
  void CloseElement();
  XmlElem* NewNode(XmlElemKind kind, XmlElem* parent, std::u16string_view value = {}) {
    XmlElem* node = document_.NewElem(kind, parent);
    node->KeepValue(value);
    return node;
  }
  std::u16string_view Keep(size_t start, size_t end);
  std::u16string_view KeepName(size_t start, size_t end);
  std::u16string_view KeepUnescaped(size_t start, size_t end);

  size_t Position();
  std::u16string Found();
  [[noreturn]] void Fail(std::u16string_view message);
  [[noreturn]] void FailAt(std::u16string_view prefix, std::u16string_view suffix = {});
  [[noreturn]] void FailMalformed();
  [[noreturn]] void FailEndOfTag();
  [[noreturn]] void FailProp();
  [[noreturn]] void FailEndOfData(std::u16string_view kind);

  XmlDocument& document_;
  XmlTextBuffer& text_;
  const char16_t* data_;
  size_t size_;
  size_t pos_ = 0;
  size_t dropped_ = 0;
  std::string_view bytes_;
  size_t bytePos_ = 0;
  XmlDecoder decoder_;
  bool automatic_;
  bool decodedAll_;
  bool inParts_ = false;
  bool quickly_;
  bool replacedInText_ = false;
  std::vector<OpenElement> open_;
  std::vector<XmlElem*> children_;               // of the open elements, in order
  std::array<std::u16string_view, 64> names_{};  // names kept lately, shared by the nodes
  struct Utf8Name {
    std::string_view bytes;    // in the input
    std::u16string_view kept;  // as KeepAsciiName keeps it
  };
  std::array<Utf8Name, 2> recentNames_;  // of the start tags the quick reading read last, the latest first
};

}  // namespace pendra
