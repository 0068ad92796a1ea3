#pragma once
// The main popup menu as one table: each item with its identifier, caption, picture, handler,
// and whether it is shown, enabled and checked, in menu order. The Windows menu is built
// from the table at every opening, so it always shows the state of that moment, and a
// WM_COMMAND finds its handler in the table.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gfx/Bitmap_win.h"

namespace pendra {

struct PopupMenuItem {
  // A submenu's identifier only names it.
  UINT id = 0;
  // Empty for a separator.
  std::u16string caption;
  // The resource name of the item's 16 x 16 picture, or none.
  const wchar_t* picture = nullptr;
  std::function<void()> handler;
  // Each is true when empty.
  std::function<bool()> visible;
  std::function<bool()> enabled;
  // A radio item shows its check as a dot; an empty function is never checked.
  std::function<bool()> checked;
  bool radio = false;
  // The items of a submenu; such an item has no handler of its own.
  std::vector<PopupMenuItem> submenu;
  // Makes the leading items of the submenu anew each time it is about to open; they stand
  // above its fixed items.
  std::function<std::vector<PopupMenuItem>()> fillOnOpen;

  static PopupMenuItem Separator() { return {}; }
  static PopupMenuItem Command(UINT id, std::u16string caption, std::function<void()> handler);
  static PopupMenuItem Submenu(UINT id, std::u16string caption, std::vector<PopupMenuItem> items);

  PopupMenuItem&& Picture(const wchar_t* name) &&;
  PopupMenuItem&& VisibleWhile(std::function<bool()> rule) &&;
  PopupMenuItem&& EnabledWhile(std::function<bool()> rule) &&;
  PopupMenuItem&& CheckedWhile(std::function<bool()> rule) &&;
  PopupMenuItem&& RadioCheckedWhile(std::function<bool()> rule) &&;
  PopupMenuItem&& FilledOnOpen(std::function<std::vector<PopupMenuItem>()> fill) &&;
};

class PopupMenu {
 public:
  explicit PopupMenu(std::vector<PopupMenuItem> items) : items_(std::move(items)) {}

  // The items' pictures are shown at the display's scale.
  void SetScale(Scale scale);

  // Shows the menu at the screen point for the owner window and returns once it is closed;
  // the chosen item's command reaches the owner as WM_COMMAND.
  void Track(HWND owner, POINT at) const;
  // The owner's WM_INITMENUPOPUP: a submenu filled on opening gets its leading items anew.
  void OnInitMenuPopup(HMENU submenu) const;
  // The owner's WM_MENUCHAR in a submenu filled on opening, whose made items show their names as
  // they are, without access keys: a letter that one item answers to runs it, a letter that
  // several answer to (a fixed item's access key included) selects the next of them
  // (MenuLetters.h). MNC_IGNORE for other letters and menus.
  LRESULT OnMenuChar(wchar_t key, HMENU menu) const;
  // Runs the handler of the item with that identifier (also of the items made at the last
  // opening of a submenu); false when there is none.
  bool Run(UINT id) const;
  // The caption of the item or submenu with that identifier, from its next opening on.
  void SetCaption(UINT id, std::u16string caption);
  // The owner's WM_MEASUREITEM and WM_DRAWITEM for the items' pictures, which the menu draws
  // through the owner so that they blend over the item's background; false for other items.
  bool MeasurePicture(MEASUREITEMSTRUCT& item) const;
  bool DrawPicture(const DRAWITEMSTRUCT& item) const;

 private:
  void AppendItems(HMENU menu, const std::vector<PopupMenuItem>& items) const;
  void InsertItem(HMENU menu, UINT position, const PopupMenuItem& item) const;
  // Decoded at the first opening that shows them.
  const Bitmap& PictureOf(const wchar_t* name) const;

  // A submenu of the last opening that is filled on opening, and what its last filling made;
  // kept until the next opening, since the chosen item's command comes after the close.
  struct FilledSubmenu {
    const PopupMenuItem* item = nullptr;
    std::vector<PopupMenuItem> made;
  };
  std::vector<std::u16string> CaptionsOf(HMENU submenu, const FilledSubmenu& filled) const;

  std::vector<PopupMenuItem> items_;
  mutable std::map<const wchar_t*, Bitmap> pictures_;
  Scale scale_;
  mutable std::map<HMENU, FilledSubmenu> filledSubmenus_;
};

}  // namespace pendra
