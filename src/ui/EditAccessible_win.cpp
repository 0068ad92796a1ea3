#include "ui/EditAccessible_win.h"

namespace pendra {

namespace {

class EditElement : public AccessibleObject {
 public:
  explicit EditElement(AccessLink<EditAccess> link) : link_(std::move(link)) {}

 protected:
  bool Connected() const override { return *link_ != nullptr && IsWindow(Window()); }
  IDispatch* MakeParent() const override { return MakeWindowObject(Window()); }
  std::u16string Name() const override { return (*link_)->name(); }
  long Role() const override { return ROLE_SYSTEM_TEXT; }

  long State() const override {
    long state = STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == Window()) state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowVisible(Window())) state |= STATE_SYSTEM_INVISIBLE;
    return state;
  }

  Rect ScreenRect() const override { return ScreenRectOf(Window()); }

  bool Value(std::u16string& value) const override {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Window())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Window(), text.data(), static_cast<int>(text.size()))));
    value.assign(text.begin(), text.end());
    return true;
  }

  // As if typed: the control tells its parent of the change.
  bool SetValue(const std::u16string& value) override {
    return SetWindowTextW(Window(), reinterpret_cast<const wchar_t*>(value.c_str())) != FALSE;
  }

 private:
  HWND Window() const { return (*link_)->window; }

  AccessLink<EditAccess> link_;
};

}  // namespace

AccessibleObject* MakeEditAccessible(const AccessLink<EditAccess>& link) { return new EditElement(link); }

}  // namespace pendra
