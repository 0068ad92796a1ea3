#include <windows.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/Window_win.h"
#include "ui/PopupMenu_win.h"

namespace pendra {
namespace {

// One item of an open menu as Windows holds it.
struct ShownItem {
  std::wstring caption;  // empty for a separator
  UINT id = 0;
  bool separator = false;
  bool enabled = false;
  bool checked = false;
  bool radio = false;
  bool picture = false;
  ULONG_PTR data = 0;
  std::vector<ShownItem> submenu;
};

std::vector<ShownItem> ReadMenu(HMENU menu) {
  std::vector<ShownItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_BITMAP | MIIM_DATA;
    info.dwTypeData = text;
    info.cch = 128;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    ShownItem item;
    item.caption = text;
    item.id = info.wID;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.enabled = (info.fState & MFS_DISABLED) == 0;
    item.checked = (info.fState & MFS_CHECKED) != 0;
    item.radio = (info.fType & MFT_RADIOCHECK) != 0;
    item.picture = info.hbmpItem != nullptr;
    item.data = info.dwItemData;
    if (info.hSubMenu) item.submenu = ReadMenu(info.hSubMenu);
    items.push_back(std::move(item));
  }
  return items;
}

// Owns the menu while it is tracked: reads it as it opens and closes it again at the next tick.
class MenuOwner : public Window {
 public:
  MenuOwner() {
    RegisterClassOnce(L"PendraPopupMenuTestOwner", 0, nullptr);
    CreateWindowOf(L"PendraPopupMenuTestOwner", L"", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
  }

  // What the menu showed at its last opening.
  std::vector<ShownItem> Open(const PopupMenu& menu) {
    shown.clear();
    opened = false;
    menu.Track(Handle(), {100, 100});
    return shown;
  }

  bool opened = false;
  std::vector<ShownItem> shown;
  // Runs as the menu opens, before it is read.
  std::function<void(HMENU)> onOpen;

 private:
  static constexpr UINT_PTR kCloseTimer = 1;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_INITMENUPOPUP:
        if (!opened) {
          opened = true;
          if (onOpen) onOpen(reinterpret_cast<HMENU>(wParam));
          shown = ReadMenu(reinterpret_cast<HMENU>(wParam));
          SetTimer(Handle(), kCloseTimer, 10, nullptr);
        }
        return 0;
      case WM_TIMER:
        KillTimer(Handle(), kCloseTimer);
        EndMenu();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
  }
};

constexpr UINT kFirst = 11, kSecond = 12, kHidden = 13, kColumn = 20, kLeft = 21, kRight = 22, kSkins = 30;

class PopupMenuTest : public ::testing::Test {
 protected:
  using Item = PopupMenuItem;

  // A small table in the shape of the main menu: a picture, a hidden item, a disabled one, a
  // separator and a submenu with radio items.
  PopupMenu MakeMenu() {
    return PopupMenu({
        Item::Command(kFirst, u"&Erster", [this] { ran.push_back(kFirst); }).Picture(L"IMG_MENU_ROW_PLUS"),
        Item::Command(kHidden, u"&Versteckt", [this] { ran.push_back(kHidden); }).VisibleWhile([this] {
          return hiddenShown;
        }),
        Item::Command(kSecond, u"&Zweiter", [this] { ran.push_back(kSecond); }).EnabledWhile([this] {
          return secondEnabled;
        }),
        Item::Separator(),
        Item::Submenu(
            kColumn, u"&Spalte...",
            {
                Item::Command(kLeft, u"&Links", [this] { ran.push_back(kLeft); }).RadioCheckedWhile([this] {
                  return leftChecked;
                }),
                Item::Command(kRight, u"&Rechts", [this] { ran.push_back(kRight); }).RadioCheckedWhile([this] {
                  return !leftChecked;
                }),
            }),
    });
  }

  bool hiddenShown = false;
  bool secondEnabled = false;
  bool leftChecked = true;
  std::vector<UINT> ran;
  MenuOwner owner;
};

TEST_F(PopupMenuTest, ShowsTheVisibleItemsWithCaptionsStatesPicturesAndSubmenu) {
  const PopupMenu menu = MakeMenu();
  const std::vector<ShownItem> shown = owner.Open(menu);
  ASSERT_TRUE(owner.opened);

  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].caption, L"&Erster");
  EXPECT_EQ(shown[0].id, kFirst);
  EXPECT_TRUE(shown[0].enabled);
  EXPECT_TRUE(shown[0].picture);
  EXPECT_EQ(shown[1].caption, L"&Zweiter");
  EXPECT_FALSE(shown[1].enabled);
  EXPECT_FALSE(shown[1].picture);
  EXPECT_TRUE(shown[2].separator);
  EXPECT_EQ(shown[3].caption, L"&Spalte...");
  EXPECT_TRUE(shown[3].enabled);

  const std::vector<ShownItem>& column = shown[3].submenu;
  ASSERT_EQ(column.size(), 2u);
  EXPECT_EQ(column[0].caption, L"&Links");
  EXPECT_EQ(column[0].id, kLeft);
  EXPECT_TRUE(column[0].radio && column[0].checked);
  EXPECT_EQ(column[1].caption, L"&Rechts");
  EXPECT_TRUE(column[1].radio);
  EXPECT_FALSE(column[1].checked);
}

TEST_F(PopupMenuTest, EveryOpeningShowsTheStateOfThatMoment) {
  const PopupMenu menu = MakeMenu();
  owner.Open(menu);
  hiddenShown = true;
  secondEnabled = true;
  leftChecked = false;

  const std::vector<ShownItem> shown = owner.Open(menu);

  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[1].caption, L"&Versteckt");
  EXPECT_EQ(shown[1].id, kHidden);
  EXPECT_TRUE(shown[2].enabled);
  ASSERT_EQ(shown[4].submenu.size(), 2u);
  EXPECT_FALSE(shown[4].submenu[0].checked);
  EXPECT_TRUE(shown[4].submenu[1].checked);
}

TEST_F(PopupMenuTest, APictureIsMeasuredAtItsSizeAndOtherItemsAreLeftToWindows) {
  const PopupMenu menu = MakeMenu();
  const std::vector<ShownItem> shown = owner.Open(menu);
  ASSERT_EQ(shown.size(), 4u);

  MEASUREITEMSTRUCT picture{};
  picture.CtlType = ODT_MENU;
  picture.itemID = kFirst;
  picture.itemData = shown[0].data;
  EXPECT_TRUE(menu.MeasurePicture(picture));
  EXPECT_EQ(picture.itemWidth, 16u);
  EXPECT_EQ(picture.itemHeight, 16u);

  MEASUREITEMSTRUCT plain{};
  plain.CtlType = ODT_MENU;
  plain.itemID = kSecond;
  plain.itemData = shown[1].data;
  EXPECT_FALSE(menu.MeasurePicture(plain));
  MEASUREITEMSTRUCT control{};
  control.CtlType = ODT_LISTBOX;
  control.itemData = shown[0].data;
  EXPECT_FALSE(menu.MeasurePicture(control));
}

TEST_F(PopupMenuTest, RunFindsTheHandlerOfAnItemAlsoInASubmenu) {
  const PopupMenu menu = MakeMenu();
  struct Case {
    UINT id;
    bool found;
  };
  // 0 is the separators': they and the submenu run nothing.
  const Case cases[] = {{kFirst, true}, {kRight, true}, {0, false}, {kColumn, false}, {99, false}};
  std::vector<UINT> expected;
  for (const Case& c : cases) {
    EXPECT_EQ(menu.Run(c.id), c.found) << c.id;
    if (c.found) expected.push_back(c.id);
  }
  EXPECT_EQ(ran, expected);
}

// The captions of a menu's items, "" for a separator.
std::vector<std::wstring> Captions(const std::vector<ShownItem>& items) {
  std::vector<std::wstring> captions;
  for (const ShownItem& item : items) captions.push_back(item.caption);
  return captions;
}

class FilledSubmenuTest : public PopupMenuTest {
 protected:
  // A skin submenu: one item per name made at every opening, above a separator and "&Kein Skin".
  PopupMenu MakeSkinMenu(std::vector<std::u16string> skinNames) {
    names = std::move(skinNames);
    return PopupMenu({
        Item::Submenu(kSkins, u"&Skin ...",
                      {Item::Separator(),
                       Item::Command(kRight, u"&Kein Skin", [] {}).CheckedWhile([this] { return noneChecked; })})
            .FilledOnOpen([this] {
              ++fillings;
              noneChecked = true;
              std::vector<PopupMenuItem> made;
              for (UINT i = 0; i < names.size(); ++i) {
                made.push_back(Item::Command(100 + i, names[i], [this, i] { ran.push_back(100 + i); }));
              }
              return made;
            }),
    });
  }

  // Opens the menu and its submenu, which reacts to the letters; returns the submenu's items.
  std::vector<ShownItem> OpenSkins(const PopupMenu& menu, std::function<void(HMENU)> type) {
    owner.onOpen = [&menu, type](HMENU top) {
      HMENU skins = GetSubMenu(top, 0);
      menu.OnInitMenuPopup(skins);
      menu.OnInitMenuPopup(skins);  // opened a second time while the menu stays open
      type(skins);
    };
    const std::vector<ShownItem> shown = owner.Open(menu);
    return shown.size() == 1 ? shown[0].submenu : std::vector<ShownItem>{};
  }

  std::vector<std::u16string> names;
  int fillings = 0;
  bool noneChecked = false;
};

TEST_F(FilledSubmenuTest, ShowsItsItemsOnceAboveTheFixedOnesAndChoosesThemByFirstLetter) {
  const PopupMenu menu = MakeSkinMenu({u"Vista", u"Lime", u"Lite"});
  std::vector<LRESULT> chosen;
  const std::vector<ShownItem> skins = OpenSkins(menu, [&](HMENU submenu) {
    for (wchar_t key : {L'v', L'L', L'x'}) chosen.push_back(menu.OnMenuChar(key, submenu));
  });

  EXPECT_EQ(Captions(skins), (std::vector<std::wstring>{L"Vista", L"Lime", L"Lite", L"", L"&Kein Skin"}));
  ASSERT_EQ(skins.size(), 5u);
  EXPECT_TRUE(skins[4].checked);
  EXPECT_EQ(fillings, 2);
  EXPECT_EQ(chosen, (std::vector<LRESULT>{MAKELRESULT(0, MNC_EXECUTE), MAKELRESULT(1, MNC_SELECT),
                                          MAKELRESULT(0, MNC_IGNORE)}));
  EXPECT_TRUE(menu.Run(101));
  EXPECT_EQ(ran, std::vector<UINT>{101});
}

// Windows would run "Kein Skin" by its access key without asking the owner.
TEST_F(FilledSubmenuTest, AFixedItemsAccessKeyThatANameBeginsWithOnlySelectsInTurn) {
  const PopupMenu menu = MakeSkinMenu({u"Klassik", u"Vista"});
  std::vector<LRESULT> chosen;
  const std::vector<ShownItem> skins = OpenSkins(menu, [&](HMENU submenu) {
    chosen.push_back(menu.OnMenuChar(L'k', submenu));
    MENUITEMINFOW highlight{};
    highlight.cbSize = sizeof(highlight);
    highlight.fMask = MIIM_STATE;
    highlight.fState = MFS_HILITE;
    SetMenuItemInfoW(submenu, 0, TRUE, &highlight);
    chosen.push_back(menu.OnMenuChar(L'K', submenu));
    chosen.push_back(menu.OnMenuChar(L'v', submenu));
  });

  EXPECT_EQ(Captions(skins), (std::vector<std::wstring>{L"Klassik", L"Vista", L"", L"Kein Skin"}));
  EXPECT_EQ(chosen, (std::vector<LRESULT>{MAKELRESULT(0, MNC_SELECT), MAKELRESULT(3, MNC_SELECT),
                                          MAKELRESULT(1, MNC_EXECUTE)}));
  EXPECT_TRUE(ran.empty());
}

TEST_F(PopupMenuTest, ACaptionSetByIdentifierShowsFromTheNextOpeningOnAlsoForASubmenu) {
  PopupMenu menu = MakeMenu();
  menu.SetCaption(kFirst, u"&First");
  menu.SetCaption(kColumn, u"&Column ...");
  menu.SetCaption(kRight, u"Right Align");
  menu.SetCaption(99, u"nowhere");

  const std::vector<ShownItem> shown = owner.Open(menu);

  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].caption, L"&First");
  EXPECT_EQ(shown[1].caption, L"&Zweiter");
  EXPECT_TRUE(shown[2].separator);
  EXPECT_EQ(shown[3].caption, L"&Column ...");
  ASSERT_EQ(shown[3].submenu.size(), 2u);
  EXPECT_EQ(shown[3].submenu[0].caption, L"&Links");
  EXPECT_EQ(shown[3].submenu[1].caption, L"Right Align");
}

}  // namespace
}  // namespace pendra
