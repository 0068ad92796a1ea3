#include "ui/PopupMenu_win.h"

#include "platform/Unique_win.h"
#include "platform/WideText_win.h"
#include "ui/MenuLetters.h"

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

namespace {

wchar_t Upper(wchar_t c) {
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))));
}

// The item or submenu with that identifier; separators have none.
template <typename Items>
auto Find(Items& items, UINT id) -> decltype(&items.front()) {
  for (auto& item : items) {
    if (!item.caption.empty() && item.id == id) return &item;
    if (auto* inner = Find(item.submenu, id)) return inner;
  }
  return nullptr;
}

// The letter each item answers to, in capitals.
std::vector<char16_t> LettersOf(const std::vector<std::u16string>& captions) {
  std::vector<char16_t> letters;
  for (const std::u16string& caption : captions) letters.push_back(Upper(MenuItemLetter(caption)));
  return letters;
}

void ShowCaption(HMENU menu, UINT position, const std::u16string& caption) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(Wide(caption));
  SetMenuItemInfoW(menu, position, TRUE, &info);
}

}  // namespace

// The captions of the submenu's items by position as the table has them: the made items, then
// the fixed ones shown; empty for a separator.
std::vector<std::u16string> PopupMenu::CaptionsOf(HMENU submenu, const FilledSubmenu& filled) const {
  std::vector<std::u16string> captions;
  for (int i = 0; i < GetMenuItemCount(submenu); ++i) {
    if (static_cast<size_t>(i) < filled.made.size()) {
      captions.push_back(filled.made[i].caption);
      continue;
    }
    const PopupMenuItem* fixed = Find(filled.item->submenu, GetMenuItemID(submenu, i));
    captions.push_back(fixed ? fixed->caption : u"");
  }
  return captions;
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
  // Windows runs an item by its access key at once, before the owner is asked; a fixed item
  // whose access key a made item also answers to shows none, so that its letter reaches
  // OnMenuChar and only selects.
  const std::vector<std::u16string> captions = CaptionsOf(submenu, filled);
  const std::vector<char16_t> letters = LettersOf(captions);
  for (size_t i = filled.made.size(); i < captions.size(); ++i) {
    if (captions[i].empty()) continue;
    const bool shared = SharesLetter(letters, static_cast<int>(i));
    ShowCaption(submenu, static_cast<UINT>(i), shared ? WithoutAccessKey(captions[i]) : captions[i]);
  }
}

LRESULT PopupMenu::OnMenuChar(wchar_t key, HMENU menu) const {
  auto found = filledSubmenus_.find(menu);
  if (found == filledSubmenus_.end()) return MAKELRESULT(0, MNC_IGNORE);
  const std::vector<char16_t> letters = LettersOf(CaptionsOf(menu, found->second));
  int highlighted = -1;
  for (int i = 0; i < static_cast<int>(letters.size()); ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) highlighted = i;
  }
  const MenuLetterChoice choice = ChooseByLetter(letters, Upper(key), highlighted);
  switch (choice.action) {
    case MenuLetterChoice::Execute: return MAKELRESULT(choice.position, MNC_EXECUTE);
    case MenuLetterChoice::Select: return MAKELRESULT(choice.position, MNC_SELECT);
    default: return MAKELRESULT(0, MNC_IGNORE);
  }
}

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
