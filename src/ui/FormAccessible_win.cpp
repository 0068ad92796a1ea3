#include "ui/FormAccessible_win.h"

#include <string>

namespace pendra {

namespace {

class FormElement : public AccessibleObject {
 public:
  explicit FormElement(AccessLink<FormAccess> link) : link_(std::move(link)) {}

 protected:
  bool Connected() const override { return *link_ != nullptr && IsWindow(Access().window); }
  long ChildCount() const override { return static_cast<long>(Access().controls().size()) + 1; }

  IAccessible* MakeChild(long id) const override {
    if (id == kRedBarChildId) return MakeButtonAccessible(Access().redBar);
    const std::vector<HWND> controls = Access().controls();
    if (id < 2 || id - 2 >= static_cast<long>(controls.size())) return nullptr;
    return MakeClientObjectOf(controls[static_cast<size_t>(id - 2)]);
  }

  IDispatch* MakeParent() const override { return MakeWindowObject(Access().window); }

  std::u16string Name() const override {
    wchar_t caption[256] = {};
    const int length = GetWindowTextW(Access().window, caption, static_cast<int>(std::size(caption)));
    return std::u16string(reinterpret_cast<const char16_t*>(caption), static_cast<size_t>(std::max(length, 0)));
  }

  long Role() const override { return ROLE_SYSTEM_CLIENT; }
  long State() const override {
    long state = STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == Access().window) state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowVisible(Access().window)) state |= STATE_SYSTEM_INVISIBLE;
    return state;
  }

  Rect ScreenRect() const override {
    RECT client{};
    GetClientRect(Access().window, &client);
    POINT origin{0, 0};
    ClientToScreen(Access().window, &origin);
    return {origin.x, origin.y, client.right, client.bottom};
  }

  // The focused control's own object (the sheet's editor too), or the surface itself.
  void Focus(VARIANT& focus) const override {
    HWND focused = GetFocus();
    if (focused == Access().window) {
      focus = ChildIdVariant(CHILDID_SELF);
    } else if (focused && IsChild(Access().window, focused)) {
      focus = DispatchVariant(MakeClientObjectOf(focused));
    }
  }

  void HitTest(Point screen, VARIANT& found) const override {
    if (!ScreenRect().Contains(screen)) return;
    if ((*Access().redBar)->screenRect().Contains(screen)) {
      found = DispatchVariant(MakeButtonAccessible(Access().redBar));
      return;
    }
    POINT point{screen.x, screen.y};
    ScreenToClient(Access().window, &point);
    HWND control = ChildWindowFromPointEx(Access().window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    found = control && control != Access().window ? DispatchVariant(MakeClientObjectOf(control))
                                                  : ChildIdVariant(CHILDID_SELF);
  }

 private:
  const FormAccess& Access() const { return **link_; }

  AccessLink<FormAccess> link_;
};

}  // namespace

AccessibleObject* MakeFormAccessible(const AccessLink<FormAccess>& link) { return new FormElement(link); }

}  // namespace pendra
