#pragma once
// The failures of the XML engine: a document that is not well-formed, and a charset
// name (or code page) the engine cannot decode.
#include "platform/Failure.h"

namespace pendra {

class EXmlError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EXmlError"; }
};

class ECharsetError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"ECharsetError"; }
};

}  // namespace pendra
