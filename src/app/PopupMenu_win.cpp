#include "app/PopupMenu_win.h"

#include "platform/Unique_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

bool IsVisible(const PopupMenuItem& item) { return !item.visible || item.visible(); }

// Appends the visible items; a submenu is owned by its parent menu from then on.
void AppendItems(HMENU menu, const std::vector<PopupMenuItem>& items) {
  for (const PopupMenuItem& item : items) {
    if (!IsVisible(item)) continue;
    if (!item.caption) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.submenu.empty()) {
      HMENU submenu = CreatePopupMenu();
      AppendItems(submenu, item.submenu);
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), Wide(item.caption));
    } else {
      AppendMenuW(menu, MF_STRING, item.id, Wide(item.caption));
    }
  }
}

const PopupMenuItem* Find(const std::vector<PopupMenuItem>& items, UINT id) {
  for (const PopupMenuItem& item : items) {
    if (item.caption && item.id == id && item.handler) return &item;
    if (const PopupMenuItem* inner = Find(item.submenu, id)) return inner;
  }
  return nullptr;
}

}  // namespace

void PopupMenu::Track(HWND owner, POINT at) const {
  UniqueMenu menu(CreatePopupMenu());
  AppendItems(menu.Get(), items_);
  TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

bool PopupMenu::Run(UINT id) const {
  const PopupMenuItem* item = Find(items_, id);
  if (!item) return false;
  item->handler();
  return true;
}

}  // namespace pendra
