// The skin: loading its pictures, the first run's choice, and the skin submenu that lists
// the skin folders anew at every opening.
#include "app/DataFileWindow.h"
#include "app/PendraUnit_win.h"
#include "gfx/PictureScaling.h"
#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Geometry_win.h"
#include "platform/Paths.h"
#include "skins/Skins.h"

namespace pendra {

namespace {

// The command identifier of the skin item at position 0; WM_COMMAND carries 16 bits of it.
constexpr UINT kFirstSkinItem = 2000;
constexpr size_t kMaxSkinItems = 0xFFFF - kFirstSkinItem;

}  // namespace

void TToDoForm::loadSkin() {
  const std::u16string folder = IncludeTrailingPathDelimiter(sheet_.SkinPath() + sheet_.SkinName());
  const bool complete = LoadSkinPictures(folder, [this](SkinPart part, const Picture& picture) {
    Bitmap bitmap(ScalePicture(picture, scale_));
    RepaintSurface(decoration_.PictureOf(part).rect);
    RepaintSurface(decoration_.SetSkinPicture(part, std::move(bitmap), scale_).rect);
  });
  if (!complete) return;
  state_.SkinLoaded = true;
  PanelMinimizeIcon.Repaint();
  PanelExitIcon.Repaint();
}

// The part of the window's surface, with the buttons lying on it.
void TToDoForm::RepaintSurface(const Rect& area) {
  const RECT rect = ToRECT(area);
  RedrawWindow(Handle(), &rect, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

std::vector<PopupMenuItem> TToDoForm::mnuSkinClick() {
  Reports reports;
  const std::vector<std::u16string> candidates = SkinBaseCandidates(reports, state_.ExeFolder, SkinSearch::Menu);
  ShowReports(*this, reports);
  if (!SearchSkinBaseFolder(sheet_, candidates)) return {};
  SkinMenuListing listing = ListSkinMenu(ListFolder(sheet_.SkinPath()), sheet_.SkinName());
  noSkinChecked_ = listing.checkedPosition < 0;
  SkinMenuEntries = std::move(listing.SkinMenuEntries);
  if (SkinMenuEntries.size() > kMaxSkinItems) SkinMenuEntries.resize(kMaxSkinItems);
  std::vector<PopupMenuItem> items;
  for (const TSkinMenüEintrag& entry : SkinMenuEntries) {
    const int position = entry.Nummer;
    const bool checked = position == listing.checkedPosition;
    items.push_back(
        PopupMenuItem::Command(kFirstSkinItem + position, SkinMenuCaption(entry.NameVomSkin), [this, position] {
          mnuSelectedSkinClick(position);
        }).CheckedWhile([checked] { return checked; }));
  }
  return items;
}

// Choosing the active skin loads it again. The choice is saved with the sheet's next save.
void TToDoForm::mnuSelectedSkinClick(int position) {
  const bool done = Guarded(*this, u"mnuSelectedSkinClick", [&] {
    sheet_.SetSkinName(ChosenSkinName(SkinMenuEntries, position));
    if (sheet_.SkinName() == kNoSkinName) return;
    loadSkin();
    ToDoGrid.Repaint();
    RepaintPlusMinusHolders();
  });
  if (!done) state_.SkinLoaded = false;
}

// The built-in pictures come back with a restart: the closing instance saves "No Skin".
void TToDoForm::mnuNoSkinClick() {
  if (sheet_.SkinName() == kNoSkinName) return;
  sheet_.SetSkinName(kNoSkinName);
  sheet_.SetSkinPath(u" ");
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowInfoMessageBox(kNoSkinNoticeText, kNoSkinNoticeTitle);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Restart();
}

}  // namespace pendra
