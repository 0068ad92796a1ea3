#pragma once
// A picture button: a small transparent holder window showing one of three pictures
// (normal, under the mouse, pressed) at its top-left corner. What lies beneath the holder
// is painted first by the owner, so the decoration shows through around the picture. The
// pictures under the mouse and pressed are decoded when first shown. In high contrast the
// picture lies on a plate of the theme's colours that keeps its dark ink visible. Screen readers
// know it as a push button with the name it is given, which they can press.
#include <windows.h>

#include <functional>

#include "gfx/Bitmap_win.h"
#include "platform/Window_win.h"
#include "ui/ButtonAccessible_win.h"
#include "ui/ColourScheme.h"
#include "ui/Layout.h"

namespace pendra {

class PictureButton : public Window {
 public:
  // Paints the owner's surface into dc, whose origin lies at the given owner point.
  using PaintBeneath = std::function<void(HDC dc, POINT origin)>;

  // The pictures' resource names.
  PictureButton(const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed, PictureFit fit);

  void Create(HWND parent, PaintBeneath paintBeneath, std::function<void()> onClick, Scale scale);
  // The pictures anew at the display's new scale.
  void SetScale(Scale scale);
  // The holder's rectangle; the picture keeps the holder's size.
  void Place(const Rect& rect);
  void Repaint();
  void SetColourScheme(const ColourScheme& scheme);
  // What screen readers call the button (its hint's text).
  void SetAccessibleName(std::u16string name);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint();
  // What lies beneath, then the picture; for WM_PAINT and WM_PRINTCLIENT alike.
  void Paint(HDC dc, const RECT& client) const;
  void OnMouseMove();
  void OnButtonUp(int x, int y);
  void LoadOnce(Bitmap& picture, const wchar_t* name) const;
  long AccessibleState() const;
  const Bitmap& CurrentPicture() const;

  const wchar_t* normalName_;
  const wchar_t* hoverName_;
  const wchar_t* pressedName_;
  Scale scale_;
  Bitmap normal_;
  mutable Bitmap hover_;
  mutable Bitmap pressed_;
  PictureFit fit_;
  PaintBeneath paintBeneath_;
  std::function<void()> onClick_;
  bool hot_ = false;
  bool down_ = false;
  ColourScheme scheme_;
  std::u16string accessibleName_;
  AccessPoint<ButtonAccess> access_;
};

}  // namespace pendra
