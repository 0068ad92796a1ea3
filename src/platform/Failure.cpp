#include "platform/Failure.h"

#include "platform/Utf.h"

namespace pendra {

Failure::Failure(std::u16string message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

}  // namespace pendra
