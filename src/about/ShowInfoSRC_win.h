#pragma once
// The About dialog TShowInfoDialog and the state of its unit. Every opening makes a fresh,
// modeless dialog owned by the main window; it explains the three gestures, shows the version,
// links to the product's web page and presents the sister product with an icon that reacts
// to the mouse. Closing a dialog hides it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "about/InfoLayout.h"
#include "gfx/Bitmap_win.h"
#include "platform/Hints_win.h"
#include "platform/Unique_win.h"
#include "platform/Window_win.h"

namespace pendra {

// The dialog's pictures, decoded once for all its openings.
struct InfoPictures {
  Scale scale;
  Bitmap background;
  Bitmap iconNormal;
  Bitmap iconHover;
  Bitmap iconActive;
};

class ShowInfoSRC;

class TShowInfoDialog : public Window {
 public:
  explicit TShowInfoDialog(const ShowInfoSRC& unit);

  // The dialog in its design state, hidden.
  void Create(HWND owner);
  // Size, place, caption and texts of an opening, in the build's language; then the dialog
  // shows in front.
  void ShowProgramInfo();

 private:
  struct LabelView {
    InfoLabel label;
    std::u16string text;
    HFONT font;
    Rect rect;
  };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PrepareToShow();
  void MakeFonts();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void PlaceLabels();
  void Paint(HDC dc, const RECT& client) const;
  COLORREF TextColour(InfoLabel label) const;
  std::vector<PlacedLabel> PlacedLabels() const;
  Rect RectOf(InfoPart part) const;
  InfoPart PartAt(LPARAM clientPoint) const;
  void Relook(const InfoLook& look);
  void MouseMove(LPARAM at);
  void MouseDown(LPARAM at, bool leftButton);
  void MouseUp(LPARAM at);
  bool SetHandCursor() const;
  void Close();

  const ShowInfoSRC& unit_;
  // The display's scale where the dialog is.
  Scale scale_;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  UniqueFont font7_, link7_, font6_, link6_;
  std::vector<LabelView> labels_;
  Hints hints_;
  InfoLook look_;
  bool prepared_ = false;
  // The part a left press began on, when a click there opens a page.
  InfoPart pressed_ = InfoPart::Background;
};

class ShowInfoSRC {
 public:
  // The program entry's dialog, never shown.
  void CreateHiddenDialog(HWND owner);
  // A fresh dialog, shown beside the dialogs still open.
  void ShowProgramInfo(HWND owner);

  // The dialog made last.
  TShowInfoDialog* ShowInfoDialog() const { return showInfoDialog_; }
  HWND MainWindow() const { return owner_; }
  // At the display's scale; made anew when the scale changes.
  const InfoPictures& Pictures(Scale scale) const;

 private:
  TShowInfoDialog& NewDialog(HWND owner);

  HWND owner_ = nullptr;
  std::vector<std::unique_ptr<TShowInfoDialog>> dialogs_;
  TShowInfoDialog* showInfoDialog_ = nullptr;
  mutable std::unique_ptr<InfoPictures> pictures_;
};

}  // namespace pendra
