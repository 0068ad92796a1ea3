#pragma once
// An XML document: the prolog (declaration, comments, processing instructions, DOCTYPE)
// and one root element, read from a file or a string and written as a file.
//
// Reading recognises a UTF-8 or UTF-16 LE byte-order mark (else the ANSI code page), lets
// a declaration's "encoding" change the decoding from the character after it, drops white
// space between tags, gives an element whose only child is text that text as its Value,
// and ignores everything after the root element. Failures are EXmlError (ECharsetError for
// an unknown encoding) with the position in characters; a failure leaves the document
// partly filled. Writing produces a declaration line, CR LF line ends, IndentString per
// level, and escapes every value so that the text is 7-bit ASCII.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlArena.h"
#include "xml/XmlElem.h"
#include "xml/XmlTextBuffer.h"

namespace pendra {

enum class Encoding { Ansi, Utf8, Utf16, Auto };

class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // The root element: never replaced; reading gives it the file's root element's name.
  XmlElem* Root() { return &root_; }
  XmlElems Prolog() { return prolog_.Items(); }

  // Empties the root (its name stays) and the prolog, then reads the document.
  // Auto detects the encoding; the others read the bytes in that encoding.
  void LoadFromFile(const std::u16string& path, Encoding encoding = Encoding::Auto);
  void LoadFromBytes(std::string_view bytes, Encoding encoding = Encoding::Auto);
  void LoadFromString(std::u16string_view text);

  // The file's bytes: UTF-8 and UTF-16 with their byte-order marks, ANSI without;
  // Auto writes UTF-8. Adds a declaration to the prolog when it has none. A root that
  // has no name is left out.
  std::string SaveToBytes(Encoding encoding = Encoding::Utf8);
  // Creates (or overwrites) the file with SaveToBytes; EFCreateError when it cannot.
  void SaveToFile(const std::u16string& path, Encoding encoding = Encoding::Utf8);

  // The indentation per level; a new one is taken only when it is not empty and holds
  // nothing but blanks, tabs, LF, VT, FF and CR.
  const std::u16string& IndentString() const { return indent_; }
  void SetIndentString(std::u16string_view indent);

  // Encoding and code page of the last read or write (0 is the ANSI code page).
  Encoding LastEncoding() const { return encoding_; }
  unsigned LastCodePage() const { return codePage_; }
  // Whether the last read met bytes that formed no character of its encoding and put U+FFFD
  // in their place: the document then lacks what the file held there.
  bool ReplacedCharacters() const { return replacedCharacters_; }

 private:
  friend class XmlElem;
  friend class XmlElems;
  friend class XmlProps;
  friend class XmlProp;
  friend class XmlReader;

  void Empty();
  XmlElem* NewElem(XmlElemKind kind, XmlElem* parent) {
    XmlElem* node = arena_.New<XmlElem>();
    node->document_ = this;
    node->parent_ = parent;
    node->kind_ = kind;
    return node;
  }
  XmlNameIndex* NewNameIndex();
  void SetLast(unsigned codePage);
  void DeclareEncoding(std::u16string_view charset);
  static void SetDeclaration(XmlProps declaration, std::u16string_view charset);

  XmlArena arena_;
  XmlTextBuffer text_;  // the decoded input, which the texts of a read tree point into
  std::vector<std::unique_ptr<XmlNameIndex>> nameIndexes_;
  XmlElem root_;
  XmlElem prolog_;  // holds the prolog's nodes as its children
  std::u16string indent_ = u"  ";
  Encoding encoding_ = Encoding::Auto;
  unsigned codePage_ = 0;
  bool replacedCharacters_ = false;
};

}  // namespace pendra
