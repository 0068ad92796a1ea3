#pragma once
// The writer behind XmlDocument's Save functions: the prolog's nodes, then the root
// element with its descendants, one node per line ended by CR LF, each level indented by
// one more indentation unit. It walks the tree without recursion.
#include <string>
#include <string_view>

#include "xml/XmlElem.h"

namespace pendra {

class XmlWriter {
 public:
  // The indentation unit holds only white space, so it is ASCII.
  explicit XmlWriter(std::u16string_view indentUnit);

  // The document's text in UTF-8, after `prefix` (a byte-order mark).
  std::string Write(XmlElems prolog, XmlElem* root, std::string_view prefix);

 private:
  char* Room(size_t size);
  void Put(std::string_view ascii);
  void PutUtf8(std::u16string_view text);
  void PutEscaped(std::u16string_view value);
  void PutName(XmlElem* node);
  void PutProps(XmlElem* node);
  bool PutElementStart(XmlElem* element);
  void PutElementEnd(XmlElem* element);
  void PutOtherNode(XmlElem* node);

  std::string out_;
  size_t used_ = 0;
  std::string indentUnit_;
  std::string indent_;
};

}  // namespace pendra
