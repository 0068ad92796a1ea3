#pragma once
// The main popup menu as one table: each item with its identifier, caption, picture, handler,
// and whether it is shown, enabled and checked, in menu order. The Windows menu is built
// from the table at every opening, so it always shows the state of that moment, and a
// WM_COMMAND finds its handler in the table.
#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "gfx/Bitmap_win.h"

namespace pendra {

struct PopupMenuItem {
  // 0 for a separator; a submenu's identifier only names it.
  UINT id = 0;
  const char16_t* caption = nullptr;
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

  static PopupMenuItem Separator() { return {}; }
  static PopupMenuItem Command(UINT id, const char16_t* caption, std::function<void()> handler);
  static PopupMenuItem Submenu(UINT id, const char16_t* caption, std::vector<PopupMenuItem> items);

  PopupMenuItem&& Picture(const wchar_t* name) &&;
  PopupMenuItem&& VisibleWhile(std::function<bool()> rule) &&;
  PopupMenuItem&& EnabledWhile(std::function<bool()> rule) &&;
  PopupMenuItem&& RadioCheckedWhile(std::function<bool()> rule) &&;
};

class PopupMenu {
 public:
  explicit PopupMenu(std::vector<PopupMenuItem> items) : items_(std::move(items)) {}

  // Shows the menu at the screen point for the owner window and returns once it is closed;
  // the chosen item's command reaches the owner as WM_COMMAND.
  void Track(HWND owner, POINT at) const;
  // Runs the handler of the item with that identifier; false when there is none.
  bool Run(UINT id) const;
  // The caption of the item or submenu with that identifier, from its next opening on.
  void SetCaption(UINT id, const char16_t* caption);
  // The owner's WM_MEASUREITEM and WM_DRAWITEM for the items' pictures, which the menu draws
  // through the owner so that they blend over the item's background; false for other items.
  bool MeasurePicture(MEASUREITEMSTRUCT& item) const;
  bool DrawPicture(const DRAWITEMSTRUCT& item) const;

 private:
  void AppendItems(HMENU menu, const std::vector<PopupMenuItem>& items) const;
  // Decoded at the first opening that shows them.
  const Bitmap& PictureOf(const wchar_t* name) const;

  std::vector<PopupMenuItem> items_;
  mutable std::map<const wchar_t*, Bitmap> pictures_;
};

}  // namespace pendra
