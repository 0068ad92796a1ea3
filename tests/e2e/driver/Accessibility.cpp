#include "Accessibility.h"

#include <oleacc.h>

#include <functional>

namespace driver {

namespace {

// One COM object held for a scope.
struct Held {
  IAccessible* object = nullptr;
  Held() = default;
  explicit Held(IAccessible* held) : object(held) {}
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (object) object->Release();
  }
};

VARIANT Self() {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = CHILDID_SELF;
  return id;
}

std::wstring TakeString(BSTR text) {
  std::wstring value = text ? std::wstring(text, SysStringLen(text)) : L"";
  SysFreeString(text);
  return value;
}

std::wstring NameOf(IAccessible* object) {
  BSTR name = nullptr;
  object->get_accName(Self(), &name);
  return TakeString(name);
}

long RoleOf(IAccessible* object) {
  VARIANT role;
  VariantInit(&role);
  object->get_accRole(Self(), &role);
  const long value = role.vt == VT_I4 ? role.lVal : 0;
  VariantClear(&role);
  return value;
}

IAccessible* ClientObject(HWND window) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object));
  return object;
}

// Each child as an object of its own, by asking for the ids 1 to the count.
void ForEachChild(IAccessible* parent, const std::function<void(IAccessible*)>& visit) {
  long count = 0;
  if (FAILED(parent->get_accChildCount(&count))) return;
  for (long id = 1; id <= count; ++id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    IDispatch* dispatch = nullptr;
    if (parent->get_accChild(child, &dispatch) != S_OK || !dispatch) continue;
    IAccessible* object = nullptr;
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
    dispatch->Release();
    if (!object) continue;
    Held held(object);
    visit(object);
  }
}

void Walk(IAccessible* object, int depth, std::vector<std::wstring>& lines) {
  BSTR value = nullptr;
  object->get_accValue(Self(), &value);
  VARIANT state;
  VariantInit(&state);
  object->get_accState(Self(), &state);
  long left = 0, top = 0, width = 0, height = 0;
  object->accLocation(&left, &top, &width, &height, Self());
  wchar_t numbers[128];
  swprintf(numbers, 128, L"%d\t%ld\t%lx", depth, RoleOf(object), state.vt == VT_I4 ? state.lVal : 0L);
  wchar_t place[128];
  swprintf(place, 128, L"%ld,%ld,%ld,%ld", left, top, width, height);
  lines.push_back(std::wstring(numbers) + L"\t" + NameOf(object) + L"\t" + TakeString(value) + L"\t" + place);
  VariantClear(&state);
  ForEachChild(object, [&](IAccessible* child) { Walk(child, depth + 1, lines); });
}

IAccessible* FindByName(IAccessible* object, const std::wstring& name) {
  if (NameOf(object) == name) {
    object->AddRef();
    return object;
  }
  IAccessible* found = nullptr;
  ForEachChild(object, [&](IAccessible* child) {
    if (!found) found = FindByName(child, name);
  });
  return found;
}

}  // namespace

bool ReadAccessibleTree(HWND main, std::vector<std::wstring>& lines) {
  Held root(ClientObject(main));
  if (!root.object) return false;
  Walk(root.object, 0, lines);
  return true;
}

// Asks each object for its focus until one answers with itself.
bool ReadAccessibleFocus(HWND main, std::wstring& name, long& role) {
  IAccessible* current = ClientObject(main);
  for (int depth = 0; current && depth < 16; ++depth) {
    VARIANT focus;
    VariantInit(&focus);
    current->get_accFocus(&focus);
    if (focus.vt != VT_DISPATCH || !focus.pdispVal) {
      name = NameOf(current);
      role = RoleOf(current);
      current->Release();
      VariantClear(&focus);
      return true;
    }
    IAccessible* next = nullptr;
    focus.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&next));
    VariantClear(&focus);
    current->Release();
    current = next;
  }
  if (current) current->Release();
  return false;
}

bool PressAccessible(HWND main, const std::wstring& name) {
  Held root(ClientObject(main));
  if (!root.object) return false;
  Held found(FindByName(root.object, name));
  return found.object && SUCCEEDED(found.object->accDoDefaultAction(Self()));
}

}  // namespace driver
