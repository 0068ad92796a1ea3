#include "xml/XmlDocument.h"

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Utf.h"
#include "xml/XmlCharsets.h"
#include "xml/XmlNameIndex.h"
#include "xml/XmlReader.h"
#include "xml/XmlWriter.h"

namespace pendra {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// Where reading starts and in which code page: after a byte-order mark that matches.
std::pair<size_t, unsigned> ChooseDecoding(std::string_view bytes, Encoding encoding) {
  bool utf8Mark = bytes.starts_with(kUtf8Mark);
  bool utf16Mark = bytes.starts_with(kUtf16Mark);
  switch (encoding) {
    case Encoding::Auto:
      if (utf8Mark) return {kUtf8Mark.size(), kCodePageUtf8};
      if (utf16Mark) return {kUtf16Mark.size(), kCodePageUtf16};
      return {0, 0};
    case Encoding::Utf8: return {utf8Mark ? kUtf8Mark.size() : 0, kCodePageUtf8};
    case Encoding::Utf16: return {utf16Mark ? kUtf16Mark.size() : 0, kCodePageUtf16};
    case Encoding::Ansi: break;
  }
  return {0, 0};
}

std::string Utf16Bytes(std::u16string_view text) {
  std::string bytes(kUtf16Mark);
  bytes.reserve(bytes.size() + 2 * text.size());
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// The reader's window of decoded text is kept for the next read up to this size; a larger
// one, grown for a very long text or a document given as a string, is given back.
constexpr size_t kKeptTextUnits = 256 * 1024;

bool IsIndentation(std::u16string_view indent) {
  return !indent.empty() && indent.find_first_not_of(u" \t\n\v\f\r") == std::u16string_view::npos;
}

}  // namespace

XmlDocument::XmlDocument() {
  root_.document_ = this;
  prolog_.document_ = this;
}

XmlDocument::~XmlDocument() = default;

void XmlDocument::LoadFromFile(const std::u16string& path, Encoding encoding) {
  LoadFromBytes(ReadWholeFile(path), encoding);
}

// The quick reading leaves what it does not read itself (and every failure) to the
// general reading, which then reads the whole input again.
void XmlDocument::LoadFromBytes(std::string_view bytes, Encoding encoding) {
  auto [start, codePage] = ChooseDecoding(bytes, encoding);
  for (bool quickly : {true, false}) {
    Empty();
    XmlReader reader(*this, bytes.substr(start), XmlDecoder(codePage), encoding == Encoding::Auto, quickly);
    if (!reader.Read()) continue;
    SetLast(reader.CodePage());
    replacedCharacters_ = reader.ReplacedCharacters();
    return;
  }
}

void XmlDocument::LoadFromString(std::u16string_view text) {
  Empty();
  text_.Append(text);
  XmlReader reader(*this);
  reader.Read();
  SetLast(kCodePageUtf16);
}

std::string XmlDocument::SaveToBytes(Encoding encoding) {
  unsigned codePage = encoding == Encoding::Utf16 ? kCodePageUtf16 : encoding == Encoding::Ansi ? 0 : kCodePageUtf8;
  DeclareEncoding(CharsetOfCodePage(codePage == 0 ? AnsiCodePage() : codePage));
  SetLast(codePage);
  XmlWriter writer(indent_);
  if (codePage == kCodePageUtf8) return writer.Write(&prolog_, &root_, kUtf8Mark);
  std::u16string text = FromUtf8(writer.Write(&prolog_, &root_, {}));
  return codePage == kCodePageUtf16 ? Utf16Bytes(text) : EncodeCodePage(text, codePage);
}

void XmlDocument::SaveToFile(const std::u16string& path, Encoding encoding) {
  WriteWholeFile(path, SaveToBytes(encoding));
}

void XmlDocument::SetIndentString(std::u16string_view indent) {
  if (IsIndentation(indent)) indent_ = indent;
}

// Everything goes except the root's name.
void XmlDocument::Empty() {
  std::u16string rootName(root_.Name());
  nameIndexes_.clear();
  arena_.Reset();
  text_.ClearKeepingAtMost(kKeptTextUnits);
  root_ = XmlElem();
  root_.document_ = this;
  root_.KeepName(arena_.Copy(rootName));
  prolog_ = XmlElem();
  prolog_.document_ = this;
  replacedCharacters_ = false;
}

XmlNameIndex* XmlDocument::NewNameIndex() {
  nameIndexes_.push_back(std::make_unique<XmlNameIndex>());
  return nameIndexes_.back().get();
}

void XmlDocument::SetLast(unsigned codePage) {
  codePage_ = codePage;
  encoding_ = codePage == kCodePageUtf8    ? Encoding::Utf8
              : codePage == kCodePageUtf16 ? Encoding::Utf16
                                           : Encoding::Ansi;
}

// Gives the prolog's declaration the written encoding, its version (or "1.0") and
// "standalone" in the order version, encoding, standalone; a declaration is appended when
// there is none. Should the prolog hold more than one, each gets the written encoding, so
// that none of them switches the reading of the file to another one.
void XmlDocument::DeclareEncoding(std::u16string_view charset) {
  bool declared = false;
  for (XmlElem* node : Prolog()) {
    if (node->Kind() != XmlElemKind::Header) continue;
    SetDeclaration(node->Properties(), charset);
    declared = true;
  }
  if (declared) return;
  XmlElem* declaration = NewElem(XmlElemKind::Header, &prolog_);
  declaration->KeepName(u"xml");
  prolog_.AppendItem(declaration);
  SetDeclaration(declaration->Properties(), charset);
}

void XmlDocument::SetDeclaration(XmlProps declaration, std::u16string_view charset) {
  if (declaration.ItemNamed(u"version") == nullptr) declaration.Add(u"version", u"1.0");
  if (XmlProp* encoding = declaration.ItemNamed(u"encoding")) {
    encoding->SetValue(charset);
  } else {
    declaration.Add(u"encoding", charset);
  }
  XmlProp* standalone = declaration.ItemNamed(u"standalone");
  std::u16string_view alone = standalone != nullptr && standalone->Value() == u"yes" ? u"yes" : u"no";
  if (standalone != nullptr) {
    standalone->SetValue(alone);
  } else {
    declaration.Add(u"standalone", alone);
  }
  declaration.Reorder({u"version", u"encoding", u"standalone"});
}

}  // namespace pendra
