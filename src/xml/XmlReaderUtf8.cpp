// XmlReader's quick way through UTF-8 input: the markup is read from the bytes as they
// are, and each text run is turned into UTF-16 once, straight into the document's memory.
// It reads elements with text, plain ASCII names and no attributes, which is what the
// writer produces, and stops at anything else: a failure to report, attributes, a prefix,
// comments and other nodes, a name or white space in tags beyond ASCII. The general
// reading then reads the whole input again, so that such input is read, and its failures
// reported, exactly as before.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/Utf.h"
#include "xml/XmlChars.h"
#include "xml/XmlEscape.h"
#include "xml/XmlReader.h"

namespace pendra {

namespace {

// What a byte may be in the markup; bytes beyond ASCII are none of these.
enum : uint8_t {
  kSpaceByte = 1,  // tab, LF, VT, FF, CR, blank
  kNameByte = 2,   // may stand in a name
};

struct ByteTable {
  uint8_t bits[256] = {};
  constexpr ByteTable() {
    for (int c = 0; c < 0x80; ++c) {
      if (c == 0x20 || (c >= 0x09 && c <= 0x0D)) bits[c] |= kSpaceByte;
      if (xmlchars::kAscii.bits[c] & xmlchars::kName) bits[c] |= kNameByte;
    }
  }
};
constexpr ByteTable kBytes;

bool Is(char c, uint8_t kind) { return kBytes.bits[static_cast<unsigned char>(c)] & kind; }

const char* SkipAsciiSpace(const char* at, const char* end) {
  while (at < end && Is(*at, kSpaceByte)) ++at;
  return at;
}

uint64_t EightBytes(const char* at) {
  uint64_t eight;
  std::memcpy(&eight, at, sizeof eight);
  return eight;
}

// White space of any kind: characters beyond ASCII are decoded to be told.
const char* SkipAnySpace(const char* at, const char* end) {
  for (;;) {
    at = SkipAsciiSpace(at, end);
    if (at == end || static_cast<unsigned char>(*at) < 0x80) return at;
    Utf8Character character = DecodeUtf8Character(std::string_view(at, static_cast<size_t>(end - at)));
    if (character.codePoint > 0xFFFF || !xmlchars::IsSpace(static_cast<char16_t>(character.codePoint))) return at;
    at += character.length;
  }
}

bool SameAscii(std::u16string_view text, std::string_view ascii) {
  if (text.size() != ascii.size()) return false;
  for (size_t i = 0; i < ascii.size(); ++i) {
    if (text[i] != static_cast<unsigned char>(ascii[i])) return false;
  }
  return true;
}

// At "</": past the end tag when it closes the element with exactly its name.
const char* SkipOwnEndTag(const XmlElem& element, const char* at, const char* end) {
  std::u16string_view name = element.Name();
  at += 2;
  if (static_cast<size_t>(end - at) <= name.size() || !SameAscii(name, std::string_view(at, name.size()))) {
    return nullptr;
  }
  at = SkipAsciiSpace(at + name.size(), end);
  return at < end && *at == '>' ? at + 1 : nullptr;
}

// Whether the `size` bytes at `at` are those at `earlier`, a place before it in the same
// input, which ends at `end`: eight bytes at a time (the first one the lowest) where the
// input has room for that.
bool SameBytes(const char* at, const char* earlier, size_t size, const char* end) {
  if (static_cast<size_t>(end - at) < size + 8) return std::memcmp(at, earlier, size) == 0;
  for (; size > 8; size -= 8, at += 8, earlier += 8) {
    if (EightBytes(at) != EightBytes(earlier)) return false;
  }
  return size == 0 || ((EightBytes(at) ^ EightBytes(earlier)) << (64 - 8 * size)) == 0;
}

// Whether the input at `at` holds the name `earlier`, taken from before it, as a whole name.
bool StartsWithName(const char* at, const char* end, std::string_view earlier) {
  return !earlier.empty() && static_cast<size_t>(end - at) > earlier.size() &&
         SameBytes(at, earlier.data(), earlier.size(), end) && !Is(at[earlier.size()], kNameByte);
}

// At "</": past an end tag with exactly this name, taken from before it in the input.
const char* SkipEndTagNamed(std::string_view name, const char* at, const char* end) {
  at += 2;
  if (static_cast<size_t>(end - at) <= name.size() || !SameBytes(at, name.data(), name.size(), end)) return nullptr;
  at = SkipAsciiSpace(at + name.size(), end);
  return at < end && *at == '>' ? at + 1 : nullptr;
}

}  // namespace

// After the prolog, at the root's "<": the units decoded beyond it are one byte each.
bool XmlReader::CanReadUtf8Bytes() const {
  if (decoder_.CodePage() != kCodePageUtf8) return false;
  for (size_t i = pos_; i < size_; ++i) {
    if (data_[i] >= 0x80) return false;
  }
  return true;
}

bool XmlReader::ReadElementsInUtf8() {
  const char* at = bytes_.data() + bytePos_ - (size_ - pos_);
  const char* end = bytes_.data() + bytes_.size();
  XmlElem* root = &document_.root_;
  bool hasContent;
  at = ReadStartTagInUtf8(root, at, end, hasContent);
  if (at == nullptr) return false;
  if (hasContent) open_.push_back({root, children_.size(), {}, false});
  while (!open_.empty()) {
    document_.arena_.SetOutlook(static_cast<size_t>(at - bytes_.data()), static_cast<size_t>(end - at));
    std::optional<std::u16string_view> text;
    at = ReadTextInUtf8(at, end, text);
    if (at == nullptr) return false;
    if (text) AddText(*text);
    XmlElem* parent = open_.back().element;
    if (at[1] == '/') {
      at = SkipOwnEndTag(*parent, at, end);
      if (at == nullptr) return false;
      CloseElement();
    } else if (at[1] == '!' || at[1] == '?') {
      return false;
    } else {
      XmlElem* child = NewNode(XmlElemKind::Element, parent);
      AddChild(child);
      at = ReadStartTagInUtf8(child, at, end, hasContent);
      if (at == nullptr) return false;
      if (hasContent) at = ReadContentStartInUtf8(child, at, end);
      if (at == nullptr) return false;
    }
  }
  return true;
}

// After a start tag: most elements hold a text or nothing, and their end tag follows; such an
// element is read at once. Any other is opened, with the text read so far.
const char* XmlReader::ReadContentStartInUtf8(XmlElem* element, const char* at, const char* end) {
  std::optional<std::u16string_view> text;
  at = ReadTextInUtf8(at, end, text);
  if (at == nullptr) return nullptr;
  if (at[1] != '/') {
    open_.push_back({element, children_.size(), text.value_or(std::u16string_view()), text.has_value()});
    return at;
  }
  if (text) element->KeepValue(*text);
  return SkipEndTagNamed(recentNames_[0].bytes, at, end);
}

// At "<": past the start tag; `hasContent` is false for an empty-element tag. The name is
// most often one of the two read last (a row's cells, then the next row), which is then
// taken without a search.
const char* XmlReader::ReadStartTagInUtf8(XmlElem* element, const char* at, const char* end, bool& hasContent) {
  const char* name = at + 1;
  Utf8Name& last = recentNames_[0];
  if (!StartsWithName(name, end, last.bytes) && !ReadOtherNameInUtf8(name, end)) return nullptr;
  element->KeepName(last.kept);
  at = SkipAsciiSpace(name + last.bytes.size(), end);
  if (at < end && *at == '>') {
    hasContent = true;
    return at + 1;
  }
  if (end - at >= 2 && at[0] == '/' && at[1] == '>') {
    hasContent = false;
    return at + 2;
  }
  return nullptr;
}

// A name other than the one read last: the one before it, or a new one. Either becomes
// the last; false when there is no name.
bool XmlReader::ReadOtherNameInUtf8(const char* name, const char* end) {
  Utf8Name& last = recentNames_[0];
  std::swap(last, recentNames_[1]);
  if (StartsWithName(name, end, last.bytes)) return true;
  const char* at = name;
  while (at < end && Is(*at, kNameByte)) ++at;
  if (at == name) return false;
  std::string_view bytes(name, static_cast<size_t>(at - name));
  last = {bytes, KeepAsciiName(bytes)};
  return true;
}

// The characters up to the next "<", at which it stops with at least one more character
// after it: `text` unless they are all white space. Most often they are indentation.
inline const char* XmlReader::ReadTextInUtf8(const char* at, const char* end,
                                             std::optional<std::u16string_view>& text) {
  const char* start = at;
  at = SkipAsciiSpace(at, end);
  if (at < end && *at == '<') return end - at >= 2 ? at : nullptr;
  return ReadNonSpaceTextInUtf8(start, at, end, text);
}

// As ReadTextInUtf8 from `start`, past the ASCII white space up to `at`.
const char* XmlReader::ReadNonSpaceTextInUtf8(const char* start, const char* at, const char* end,
                                              std::optional<std::u16string_view>& text) {
  if (at < end && static_cast<unsigned char>(*at) >= 0x80) at = SkipAnySpace(at, end);
  if (at == end) return nullptr;
  if (*at != '<') {
    at = KeepTextUpToMarkup(start, end, text);
    if (at == nullptr) return nullptr;
  }
  return end - at >= 2 ? at : nullptr;
}

// The text from `start` up to the next "<" as UTF-16 in the document's memory, found and
// turned in one pass; returns where the "<" is, nullptr when there is none. A text longer
// than kQuickTextBytes is looked at once more, as a whole.
const char* XmlReader::KeepTextUpToMarkup(const char* start, const char* end,
                                          std::optional<std::u16string_view>& text) {
  constexpr size_t kQuickTextBytes = 256;
  XmlArena& arena = document_.arena_;
  std::string_view run(start, std::min(static_cast<size_t>(end - start), kQuickTextBytes));
  char16_t* units = arena.NewArray<char16_t>(run.size());
  bool replaced = false;
  Utf8Unescaped unescaped = UnescapeUtf8To(run, units, replaced);
  if (unescaped.read == run.size()) {
    arena.ShortenLast(units);
    const auto* markup = static_cast<const char*>(std::memchr(start, '<', static_cast<size_t>(end - start)));
    if (markup == nullptr) return nullptr;
    run = std::string_view(start, static_cast<size_t>(markup - start));
    units = arena.NewArray<char16_t>(run.size());
    replaced = false;
    unescaped = UnescapeUtf8To(run, units, replaced);
  }
  arena.ShortenLast(units + unescaped.written);
  replacedInText_ = replacedInText_ || replaced;
  text = std::u16string_view(units, unescaped.written);
  return start + unescaped.read;
}

// As KeepName, for a name of ASCII bytes.
std::u16string_view XmlReader::KeepAsciiName(std::string_view name) {
  std::u16string_view& kept = names_[(name.size() * 7 + name.front() + 3 * name.back()) % names_.size()];
  if (!SameAscii(kept, name)) {
    char16_t* copy = document_.arena_.NewArray<char16_t>(name.size());
    std::copy(name.begin(), name.end(), copy);
    kept = {copy, name.size()};
  }
  return kept;
}

}  // namespace pendra
