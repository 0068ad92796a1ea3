#include "app/PopupMenu_win.h"

#include "platform/Unique_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

bool Holds(const std::function<bool()>& rule) { return !rule || rule(); }

}  // namespace

PopupMenuItem PopupMenuItem::Command(UINT id, const char16_t* caption, std::function<void()> handler) {
  PopupMenuItem item;
  item.id = id;
  item.caption = caption;
  item.handler = std::move(handler);
  return item;
}

PopupMenuItem PopupMenuItem::Submenu(UINT id, const char16_t* caption, std::vector<PopupMenuItem> items) {
  PopupMenuItem item;
  item.id = id;
  item.caption = caption;
  item.submenu = std::move(items);
  return item;
}

PopupMenuItem&& PopupMenuItem::Picture(const wchar_t* name) && {
  picture = name;
  return std::move(*this);
}

PopupMenuItem&& PopupMenuItem::VisibleWhile(std::function<bool()> rule) && {
  visible = std::move(rule);
  return std::move(*this);
}

PopupMenuItem&& PopupMenuItem::EnabledWhile(std::function<bool()> rule) && {
  enabled = std::move(rule);
  return std::move(*this);
}

PopupMenuItem&& PopupMenuItem::RadioCheckedWhile(std::function<bool()> rule) && {
  checked = std::move(rule);
  radio = true;
  return std::move(*this);
}

const Bitmap& PopupMenu::PictureOf(const wchar_t* name) const {
  auto found = pictures_.find(name);
  if (found == pictures_.end()) found = pictures_.emplace(name, Bitmap::FromResource(name)).first;
  return found->second;
}

bool PopupMenu::MeasurePicture(MEASUREITEMSTRUCT& item) const {
  if (item.CtlType != ODT_MENU || !item.itemData) return false;
  const auto* picture = reinterpret_cast<const Bitmap*>(item.itemData);
  item.itemWidth = static_cast<UINT>(picture->Width());
  item.itemHeight = static_cast<UINT>(picture->Height());
  return true;
}

bool PopupMenu::DrawPicture(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_MENU || !item.itemData) return false;
  const auto* picture = reinterpret_cast<const Bitmap*>(item.itemData);
  const RECT& area = item.rcItem;
  const int left = area.left + (area.right - area.left - picture->Width()) / 2;
  const int top = area.top + (area.bottom - area.top - picture->Height()) / 2;
  const RECT target{left, top, left + picture->Width(), top + picture->Height()};
  picture->Draw(item.hDC, target, PictureFit::Transparent);
  return true;
}

// Appends the shown items; a submenu is owned by its parent menu from then on.
void PopupMenu::AppendItems(HMENU menu, const std::vector<PopupMenuItem>& items) const {
  for (const PopupMenuItem& item : items) {
    if (!Holds(item.visible)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    if (!item.caption) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
      info.fType = item.radio ? MFT_RADIOCHECK : 0;
      info.dwTypeData = const_cast<wchar_t*>(Wide(item.caption));
      info.wID = item.id;
      info.fState = (Holds(item.enabled) ? MFS_ENABLED : MFS_DISABLED) |
                    (item.checked && item.checked() ? MFS_CHECKED : MFS_UNCHECKED);
      if (item.picture) {
        info.fMask |= MIIM_BITMAP | MIIM_DATA;
        info.hbmpItem = HBMMENU_CALLBACK;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&PictureOf(item.picture));
      }
      if (!item.submenu.empty()) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = CreatePopupMenu();
        AppendItems(info.hSubMenu, item.submenu);
      }
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

void PopupMenu::Track(HWND owner, POINT at) const {
  UniqueMenu menu(CreatePopupMenu());
  AppendItems(menu.Get(), items_);
  TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

namespace {

// The item or submenu with that identifier; separators have none.
template <typename Items>
auto Find(Items& items, UINT id) -> decltype(&items.front()) {
  for (auto& item : items) {
    if (item.caption && item.id == id) return &item;
    if (auto* inner = Find(item.submenu, id)) return inner;
  }
  return nullptr;
}

}  // namespace

bool PopupMenu::Run(UINT id) const {
  const PopupMenuItem* item = Find(items_, id);
  if (!item || !item->handler) return false;
  item->handler();
  return true;
}

void PopupMenu::SetCaption(UINT id, const char16_t* caption) {
  if (PopupMenuItem* item = Find(items_, id)) item->caption = caption;
}

}  // namespace pendra
