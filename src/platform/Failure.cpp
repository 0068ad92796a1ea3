#include "platform/Failure.h"

#include <new>

#include "platform/Utf.h"

namespace pendra {

Failure::Failure(std::u16string message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

std::u16string FailureTypeName(const std::exception& failure) {
  if (auto* known = dynamic_cast<const Failure*>(&failure)) return known->TypeName();
  if (dynamic_cast<const std::bad_alloc*>(&failure)) return u"EOutOfMemory";
  return u"Exception";
}

std::u16string FailureMessage(const std::exception& failure) {
  if (auto* known = dynamic_cast<const Failure*>(&failure)) return known->Message();
  return FromUtf8(failure.what());
}

}  // namespace pendra
