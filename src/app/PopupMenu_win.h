#pragma once
// The main popup menu as one table: each item with its identifier, caption, handler and
// visibility, in menu order. The Windows menu is built from the table at every
// opening, and a WM_COMMAND finds its handler in it.
#include <windows.h>

#include <functional>
#include <vector>

namespace pendra {

struct PopupMenuItem {
  // 0 for a separator.
  UINT id = 0;
  const char16_t* caption = nullptr;
  std::function<void()> handler;
  // Always shown when empty.
  std::function<bool()> visible;
  // The items of a submenu; such an item has no handler of its own.
  std::vector<PopupMenuItem> submenu;

  static PopupMenuItem Separator() { return {}; }
  static PopupMenuItem Command(UINT id, const char16_t* caption, std::function<void()> handler,
                               std::function<bool()> visible = {}) {
    PopupMenuItem item;
    item.id = id;
    item.caption = caption;
    item.handler = std::move(handler);
    item.visible = std::move(visible);
    return item;
  }
  static PopupMenuItem Submenu(const char16_t* caption, std::vector<PopupMenuItem> items) {
    PopupMenuItem item;
    item.caption = caption;
    item.submenu = std::move(items);
    return item;
  }
};

class PopupMenu {
 public:
  explicit PopupMenu(std::vector<PopupMenuItem> items) : items_(std::move(items)) {}

  // Shows the menu at the screen point for the owner window and returns once it is closed;
  // the chosen item's command reaches the owner as WM_COMMAND.
  void Track(HWND owner, POINT at) const;
  // Runs the handler of the item with that identifier; false when there is none.
  bool Run(UINT id) const;

 private:
  std::vector<PopupMenuItem> items_;
};

}  // namespace pendra
