#pragma once
// The writer behind XmlDocument's Save functions: the prolog's nodes, then the root
// element with its descendants, one node per line ended by CR LF, each level indented by
// one more indentation unit. A root without a name (a document that holds no element) is
// not written. It walks the tree without recursion.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlElem.h"

namespace pendra {

class XmlWriter {
 public:
  // The indentation unit holds only white space, so it is ASCII.
  explicit XmlWriter(std::u16string_view indentUnit);

  // The document's text in UTF-8, after `prefix` (a byte-order mark).
  std::string Write(XmlElem* prolog, XmlElem* root, std::string_view prefix);

 private:
  // Output goes through a pointer into room reserved beforehand: Room(size) gives the
  // place for at most `size` bytes, Commit(end) takes what was written up to end. The room
  // comes in blocks, joined once at the end.
  char* Room(size_t size) {
    if (size > static_cast<size_t>(end_ - next_)) NewBlock(size);
    return next_;
  }
  void Commit(char* end) { next_ = end; }
  void NewBlock(size_t size);
  std::string Joined();
  void Put(std::string_view ascii);
  void PutUtf8(std::u16string_view text);
  void PutEscaped(std::u16string_view value);
  void PutProps(XmlElem* node);

  bool PutElementStart(XmlElem* element);
  void PutElementEnd(XmlElem* element);
  void PutOtherNode(XmlElem* node);
  char* WriteName(XmlElem* node, char* out);

  struct Block {
    std::unique_ptr<char[]> bytes;
    size_t size;
  };
  std::vector<Block> blocks_;
  char* next_ = nullptr;
  char* end_ = nullptr;
  size_t nextBlockSize_ = 64 * 1024;
  std::string indentUnit_;
  std::string indent_;
};

}  // namespace pendra
