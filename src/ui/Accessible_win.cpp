#include "ui/Accessible_win.h"

#include "platform/SystemFunction_win.h"

namespace pendra {

namespace {

// Active Accessibility and COM live in DLLs that start-up does not load: their functions are found
// when a screen reader first asks.
struct AccessibilityFunctions {
  decltype(&LresultFromObject) lresultFromObject =
      LoadSystemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  decltype(&CreateStdAccessibleObject) createStdAccessibleObject =
      LoadSystemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
  decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow =
      LoadSystemFunction<decltype(&AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow");
  decltype(&SysAllocStringLen) allocateString =
      LoadSystemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
  decltype(&SysStringLen) stringLength = LoadSystemFunction<decltype(&SysStringLen)>(L"oleaut32.dll", "SysStringLen");
  decltype(&CoInitializeEx) initialiseCom =
      LoadSystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
};

const AccessibilityFunctions& Functions() {
  static const AccessibilityFunctions functions;
  return functions;
}

HRESULT ToBstr(const std::u16string& text, BSTR* out) {
  *out = nullptr;
  if (!Functions().allocateString) return E_OUTOFMEMORY;
  *out = Functions().allocateString(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// The server's thread answers other programs through COM: its apartment is made once, at the
// first question, and lives as long as the thread.
void EnterApartmentOnce() {
  static const HRESULT entered =
      Functions().initialiseCom ? Functions().initialiseCom(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
  (void)entered;
}

// What VariantInit does, without loading its DLL.
void EmptyVariant(VARIANT* variant) { variant->vt = VT_EMPTY; }

}  // namespace

VARIANT ChildIdVariant(long id) {
  VARIANT variant;
  EmptyVariant(&variant);
  variant.vt = VT_I4;
  variant.lVal = id;
  return variant;
}

VARIANT DispatchVariant(IAccessible* object) {
  VARIANT variant;
  EmptyVariant(&variant);
  if (!object) return variant;
  variant.vt = VT_DISPATCH;
  variant.pdispVal = object;
  return variant;
}

IDispatch* MakeWindowObject(HWND window) {
  IDispatch* object = nullptr;
  if (!Functions().createStdAccessibleObject ||
      FAILED(Functions().createStdAccessibleObject(window, OBJID_WINDOW, IID_IDispatch,
                                                   reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

IAccessible* MakeClientObjectOf(HWND window) {
  IAccessible* object = nullptr;
  if (!Functions().accessibleObjectFromWindow ||
      FAILED(Functions().accessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                    reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

Rect ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The object id comes as a DWORD in a 64-bit LPARAM; only its low 32 bits count.
bool AsksForClientObject(LPARAM lParam) { return static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT); }

LRESULT AnswerWithObject(WPARAM wParam, AccessibleObject* made) {
  if (!made) return 0;
  EnterApartmentOnce();
  const LRESULT answer = Functions().lresultFromObject ? Functions().lresultFromObject(__uuidof(IAccessible), wParam,
                                                                                       static_cast<IAccessible*>(made))
                                                       : 0;
  made->Release();
  return answer;
}

// ---- IUnknown and IDispatch ----

HRESULT AccessibleObject::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return ++references_; }

ULONG AccessibleObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// ---- IAccessible ----

template <typename Self, typename Other>
HRESULT AccessibleObject::ForChild(const VARIANT& child, Self self, Other other) {
  if (!Connected()) return RPC_E_DISCONNECTED;
  if (child.vt != VT_I4) return E_INVALIDARG;
  if (child.lVal == CHILDID_SELF) return self();
  IAccessible* target = MakeChild(child.lVal);
  if (!target) return E_INVALIDARG;
  const HRESULT result = other(*target, ChildIdVariant(CHILDID_SELF));
  target->Release();
  return result;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!Connected()) return RPC_E_DISCONNECTED;
  *parent = MakeParent();
  return *parent ? S_OK : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  *count = 0;
  if (!Connected()) return RPC_E_DISCONNECTED;
  *count = ChildCount();
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!Connected()) return RPC_E_DISCONNECTED;
  if (child.vt != VT_I4 || child.lVal == CHILDID_SELF) return E_INVALIDARG;
  IAccessible* target = MakeChild(child.lVal);
  if (!target) return E_INVALIDARG;
  *object = target;
  return S_OK;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  return ForChild(
      child, [&] { return ToBstr(Name(), name); },
      [&](IAccessible& target, VARIANT self) { return target.get_accName(self, name); });
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return ForChild(
      child,
      [&] {
        std::u16string text;
        return Value(text) ? ToBstr(text, value) : DISP_E_MEMBERNOTFOUND;
      },
      [&](IAccessible& target, VARIANT self) { return target.get_accValue(self, value); });
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  return ForChild(
      child, [] { return DISP_E_MEMBERNOTFOUND; },
      [&](IAccessible& target, VARIANT self) { return target.get_accDescription(self, description); });
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  EmptyVariant(role);
  return ForChild(
      child,
      [&] {
        *role = ChildIdVariant(Role());
        return S_OK;
      },
      [&](IAccessible& target, VARIANT self) { return target.get_accRole(self, role); });
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  EmptyVariant(state);
  return ForChild(
      child,
      [&] {
        *state = ChildIdVariant(State());
        return S_OK;
      },
      [&](IAccessible& target, VARIANT self) { return target.get_accState(self, state); });
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  return ForChild(
      child, [] { return DISP_E_MEMBERNOTFOUND; },
      [&](IAccessible& target, VARIANT self) { return target.get_accHelp(self, help); });
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (!file || !topic) return E_POINTER;
  *file = nullptr;
  *topic = 0;
  return ForChild(
      child, [] { return DISP_E_MEMBERNOTFOUND; },
      [&](IAccessible& target, VARIANT self) { return target.get_accHelpTopic(file, self, topic); });
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (!shortcut) return E_POINTER;
  *shortcut = nullptr;
  return ForChild(
      child, [] { return DISP_E_MEMBERNOTFOUND; },
      [&](IAccessible& target, VARIANT self) { return target.get_accKeyboardShortcut(self, shortcut); });
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  EmptyVariant(focus);
  if (!Connected()) return RPC_E_DISCONNECTED;
  Focus(*focus);
  return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  EmptyVariant(selection);
  if (!Connected()) return RPC_E_DISCONNECTED;
  Selection(*selection);
  return selection->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  return ForChild(
      child,
      [&] {
        const std::u16string text = DefaultAction();
        return text.empty() ? DISP_E_MEMBERNOTFOUND : ToBstr(text, action);
      },
      [&](IAccessible& target, VARIANT self) { return target.get_accDefaultAction(self, action); });
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT child) {
  return ForChild(
      child, [&] { return Select(flags) ? S_OK : S_FALSE; },
      [&](IAccessible& target, VARIANT self) { return target.accSelect(flags, self); });
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  return ForChild(
      child,
      [&] {
        const Rect rect = ScreenRect();
        *left = rect.left;
        *top = rect.top;
        *width = rect.width;
        *height = rect.height;
        return S_OK;
      },
      [&](IAccessible& target, VARIANT self) { return target.accLocation(left, top, width, height, self); });
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  EmptyVariant(end);
  return ForChild(
      start,
      [&] {
        *end = DispatchVariant(Navigate(direction));
        return end->vt == VT_EMPTY ? S_FALSE : S_OK;
      },
      [&](IAccessible& target, VARIANT self) { return target.accNavigate(direction, self, end); });
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  EmptyVariant(child);
  if (!Connected()) return RPC_E_DISCONNECTED;
  HitTest({static_cast<int>(x), static_cast<int>(y)}, *child);
  return child->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  return ForChild(
      child,
      [&] {
        if (DefaultAction().empty()) return DISP_E_MEMBERNOTFOUND;
        DoDefaultAction();
        return S_OK;
      },
      [&](IAccessible& target, VARIANT self) { return target.accDoDefaultAction(self); });
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR value) {
  return ForChild(
      child,
      [&] {
        const bool given = value && Functions().stringLength;
        const std::u16string text(reinterpret_cast<const char16_t*>(given ? value : L""),
                                  given ? Functions().stringLength(value) : 0);
        return SetValue(text) ? S_OK : DISP_E_MEMBERNOTFOUND;
      },
      [&](IAccessible& target, VARIANT self) { return target.put_accValue(self, value); });
}

// ---- defaults ----

IAccessible* AccessibleObject::Navigate(long direction) const {
  const long count = ChildCount();
  if (count == 0) return nullptr;
  if (direction == NAVDIR_FIRSTCHILD) return MakeChild(1);
  if (direction == NAVDIR_LASTCHILD) return MakeChild(count);
  return nullptr;
}

void AccessibleObject::HitTest(Point screen, VARIANT& found) const {
  if (ScreenRect().Contains(screen)) found = ChildIdVariant(CHILDID_SELF);
}

}  // namespace pendra
