#include <windows.h>

#include <rpc.h>

#include <cwchar>

#include "platform/Guid.h"
#include "platform/SystemFunction_win.h"

namespace pendra {

namespace {

using UuidCreateFunction = RPC_STATUS(RPC_ENTRY*)(UUID*);

// The RPC runtime is loaded at the first save, not at start-up, where nothing needs it.
UuidCreateFunction UuidCreateOfTheSystem() {
  static const UuidCreateFunction create = LoadSystemFunction<UuidCreateFunction>(L"rpcrt4.dll", "UuidCreate");
  return create;
}

}  // namespace

std::u16string NewGuidText() {
  UUID guid{};
  if (UuidCreateFunction create = UuidCreateOfTheSystem()) create(&guid);
  wchar_t text[40] = {};
  std::swprintf(text, 40, L"{%08lX-%04hX-%04hX-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1, guid.Data2, guid.Data3,
                guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6],
                guid.Data4[7]);
  return reinterpret_cast<const char16_t*>(text);
}

}  // namespace pendra
