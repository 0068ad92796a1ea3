#include "app/PopupMenu_win.h"

#include "platform/Unique_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

bool Holds(const std::function<bool()>& rule) { return !rule || rule(); }

}  // namespace

PopupMenuItem PopupMenuItem::Command(UINT id, std::u16string caption, std::function<void()> handler) {
  PopupMenuItem item;
  item.id = id;
  item.caption = std::move(caption);
  item.handler = std::move(handler);
  return item;
}

PopupMenuItem PopupMenuItem::Submenu(UINT id, std::u16string caption, std::vector<PopupMenuItem> items) {
  PopupMenuItem item;
  item.id = id;
  item.caption = std::move(caption);
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

PopupMenuItem&& PopupMenuItem::CheckedWhile(std::function<bool()> rule) && {
  checked = std::move(rule);
  return std::move(*this);
}

PopupMenuItem&& PopupMenuItem::FilledOnOpen(std::function<std::vector<PopupMenuItem>()> fill) && {
  fillOnOpen = std::move(fill);
  return std::move(*this);
}

PopupMenuItem&& PopupMenuItem::RadioCheckedWhile(std::function<bool()> rule) && {
  checked = std::move(rule);
  radio = true;
  return std::move(*this);
}

const Bitmap& PopupMenu::PictureOf(const wchar_t* name) const {
  auto found = pictures_.find(name);
  if (found == pictures_.end()) found = pictures_.emplace(name, Bitmap::FromResource(name, scale_)).first;
  return found->second;
}

void PopupMenu::SetScale(Scale scale) {
  if (scale == scale_) return;
  scale_ = scale;
  pictures_.clear();
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
    if (Holds(item.visible)) InsertItem(menu, static_cast<UINT>(GetMenuItemCount(menu)), item);
  }
}

void PopupMenu::InsertItem(HMENU menu, UINT position, const PopupMenuItem& item) const {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  if (item.caption.empty()) {
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
    if (!item.submenu.empty() || item.fillOnOpen) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = CreatePopupMenu();
      AppendItems(info.hSubMenu, item.submenu);
      if (item.fillOnOpen) filledSubmenus_[info.hSubMenu] = {&item, {}};
    }
  }
  InsertMenuItemW(menu, position, TRUE, &info);
}

void PopupMenu::Track(HWND owner, POINT at) const {
  filledSubmenus_.clear();
  UniqueMenu menu(CreatePopupMenu());
  AppendItems(menu.Get(), items_);
  TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

// The items of the previous filling go first, so that opening the submenu twice while the
// menu stays open shows the list once.
void PopupMenu::OnInitMenuPopup(HMENU submenu) const {
  auto found = filledSubmenus_.find(submenu);
  if (found == filledSubmenus_.end()) return;
  FilledSubmenu& filled = found->second;
  for (const PopupMenuItem& made : filled.made) DeleteMenu(submenu, made.id, MF_BYCOMMAND);
  filled.made = filled.item->fillOnOpen();
  for (size_t i = 0; i < filled.made.size(); ++i) InsertItem(submenu, static_cast<UINT>(i), filled.made[i]);
  // The filling may change what the fixed items show as checked.
  for (const PopupMenuItem& fixed : filled.item->submenu) {
    if (fixed.checked) CheckMenuItem(submenu, fixed.id, MF_BYCOMMAND | (fixed.checked() ? MF_CHECKED : MF_UNCHECKED));
  }
}

namespace {

wchar_t Upper(wchar_t c) {
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))));
}

bool BeginsWith(const std::u16string& caption, wchar_t key) {
  return !caption.empty() && Upper(static_cast<wchar_t>(caption.front())) == Upper(key);
}

}  // namespace

LRESULT PopupMenu::OnMenuChar(wchar_t key, HMENU menu) const {
  auto found = filledSubmenus_.find(menu);
  if (found == filledSubmenus_.end()) return MAKELRESULT(0, MNC_IGNORE);
  const std::vector<PopupMenuItem>& made = found->second.made;
  std::vector<WORD> matches;
  WORD highlighted = 0xFFFF;
  for (WORD i = 0; i < made.size(); ++i) {
    if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) highlighted = i;
    if (BeginsWith(made[i].caption, key)) matches.push_back(i);
  }
  if (matches.empty()) return MAKELRESULT(0, MNC_IGNORE);
  if (matches.size() == 1) return MAKELRESULT(matches.front(), MNC_EXECUTE);
  for (WORD match : matches) {
    if (highlighted == 0xFFFF || match > highlighted) return MAKELRESULT(match, MNC_SELECT);
  }
  return MAKELRESULT(matches.front(), MNC_SELECT);
}

namespace {

// The item or submenu with that identifier; separators have none.
template <typename Items>
auto Find(Items& items, UINT id) -> decltype(&items.front()) {
  for (auto& item : items) {
    if (!item.caption.empty() && item.id == id) return &item;
    if (auto* inner = Find(item.submenu, id)) return inner;
  }
  return nullptr;
}

}  // namespace

bool PopupMenu::Run(UINT id) const {
  const PopupMenuItem* item = Find(items_, id);
  for (auto filled = filledSubmenus_.begin(); !item && filled != filledSubmenus_.end(); ++filled) {
    item = Find(filled->second.made, id);
  }
  if (!item || !item->handler) return false;
  item->handler();
  return true;
}

void PopupMenu::SetCaption(UINT id, std::u16string caption) {
  if (PopupMenuItem* item = Find(items_, id)) item->caption = std::move(caption);
}

}  // namespace pendra
