#pragma once
// The base of the program's accessible objects (Microsoft Active Accessibility), which screen
// readers use to read the self-drawn controls, also through UI Automation's bridge. An object
// stands for one element (the sheet, a row, a cell, a button) and reaches its element only
// through a weak link: once the window is gone, every call answers RPC_E_DISCONNECTED and no
// pointer into it is handed out.
//
// Every child is a full object of its own; a call for a child id acts on that child as if it had
// been asked itself. Ids are VT_I4: CHILDID_SELF for the object, 1... for its children; any
// other id is E_INVALIDARG.
#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <memory>
#include <string>

#include "platform/Geometry.h"

namespace pendra {

// A weak link from accessible objects to what they show: the owner points it at itself and
// clears it when it goes.
template <typename Source>
using AccessLink = std::shared_ptr<Source*>;

template <typename Source>
AccessLink<Source> MakeAccessLink(Source* source) {
  return std::make_shared<Source*>(source);
}

// What an owner tells its accessible objects, with the link to it, cleared when the owner goes.
template <typename Access>
class AccessPoint {
 public:
  AccessPoint() : link_(MakeAccessLink(&access_)) {}
  ~AccessPoint() { *link_ = nullptr; }
  AccessPoint(const AccessPoint&) = delete;
  AccessPoint& operator=(const AccessPoint&) = delete;

  Access& operator*() { return access_; }
  Access* operator->() { return &access_; }
  const AccessLink<Access>& Link() const { return link_; }

 private:
  Access access_;
  AccessLink<Access> link_;
};

class AccessibleObject : public IAccessible {
 public:
  AccessibleObject() = default;
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // IUnknown: IUnknown, IDispatch and IAccessible.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: no type information; clients call through the interface.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 protected:
  virtual ~AccessibleObject() = default;

  // The element is still there (its window lives, and it still exists in it).
  virtual bool Connected() const = 0;
  virtual long ChildCount() const { return 0; }
  // A new reference to the child with that id, or null when there is none.
  virtual IAccessible* MakeChild(long /*id*/) const { return nullptr; }
  // A new reference to the parent, or null.
  virtual IDispatch* MakeParent() const = 0;
  virtual std::u16string Name() const = 0;
  // False when the element has no value.
  virtual bool Value(std::u16string& /*value*/) const { return false; }
  virtual long Role() const = 0;
  virtual long State() const = 0;
  // In screen pixels.
  virtual Rect ScreenRect() const = 0;
  // Empty when the element has none.
  virtual std::u16string DefaultAction() const { return {}; }
  virtual void DoDefaultAction() {}
  // Where the focus is within this element: CHILDID_SELF, a child's object, or nothing.
  virtual void Focus(VARIANT& /*focus*/) const {}
  virtual void Selection(VARIANT& /*selection*/) const {}
  // False when the element cannot be selected or focused as asked.
  virtual bool Select(long /*flags*/) { return false; }
  // False when the element's value cannot be set.
  virtual bool SetValue(const std::u16string& /*value*/) { return false; }
  // The element in the given direction, a new reference or null.
  virtual IAccessible* Navigate(long direction) const;
  // The element at a screen point: this one, a child or nothing.
  virtual void HitTest(Point screen, VARIANT& found) const;

 private:
  // Runs `self` when the id names this object, `other` on the child it names, with CHILDID_SELF.
  template <typename Self, typename Other>
  HRESULT ForChild(const VARIANT& child, Self self, Other other);

  std::atomic<ULONG> references_{1};
};

// VARIANT helpers for the derived objects.
VARIANT ChildIdVariant(long id);
// Takes over the reference.
VARIANT DispatchVariant(IAccessible* object);

// The standard object of a window (OBJID_WINDOW), the parent of its client area's object.
IDispatch* MakeWindowObject(HWND window);
// The object a window gives for its client area, or null.
IAccessible* MakeClientObjectOf(HWND window);
Rect ScreenRectOf(HWND window);

// WM_GETOBJECT asks for the client area's object (OBJID_CLIENT); other questions are left to the
// system's default.
bool AsksForClientObject(LPARAM lParam);
// The answer to WM_GETOBJECT with a newly made object: the answer takes its own reference, the
// made one is released.
LRESULT AnswerWithObject(WPARAM wParam, AccessibleObject* made);

}  // namespace pendra
