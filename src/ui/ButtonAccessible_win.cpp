#include "ui/ButtonAccessible_win.h"

#include "lang/Texts.h"

namespace pendra {

namespace {

class ButtonElement : public AccessibleObject {
 public:
  explicit ButtonElement(AccessLink<ButtonAccess> link) : link_(std::move(link)) {}

 protected:
  bool Connected() const override { return *link_ != nullptr && IsWindow(Access().window); }
  IDispatch* MakeParent() const override { return Access().parent(); }
  std::u16string Name() const override { return Access().name(); }
  long Role() const override { return ROLE_SYSTEM_PUSHBUTTON; }
  long State() const override { return Access().state(); }
  Rect ScreenRect() const override { return Access().screenRect(); }
  std::u16string DefaultAction() const override { return kAccessiblePressAction; }
  void DoDefaultAction() override { Access().pressSoon(); }

 private:
  const ButtonAccess& Access() const { return **link_; }

  AccessLink<ButtonAccess> link_;
};

}  // namespace

AccessibleObject* MakeButtonAccessible(const AccessLink<ButtonAccess>& link) { return new ButtonElement(link); }

}  // namespace pendra
