#include <windows.h>

#include <objbase.h>

#include "platform/Guid.h"

namespace pendra {

std::u16string NewGuidText() {
  GUID guid{};
  CoCreateGuid(&guid);
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return reinterpret_cast<const char16_t*>(text);
}

}  // namespace pendra
