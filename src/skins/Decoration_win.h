#pragma once
// The pictures that dress the main window's surface: the edge bands, the two right-hand
// corners, the red bar and the logo, painted in their stacking order (ImageRight lowest,
// ImageLogo highest) with the fit each one has. In high contrast only the pictures that tell
// something are drawn, on the theme's colours: the red bar framed, the logo on a plate.
#include <windows.h>

#include "gfx/Bitmap_win.h"
#include "skins/Skins.h"
#include "ui/ColourScheme.h"
#include "ui/Layout.h"

namespace pendra {

struct DecorationPicture {
  DecorationPicture(const wchar_t* builtIn, PictureFit pictureFit) : resource(builtIn), fit(pictureFit) {}

  const wchar_t* resource;  // the built-in picture
  PictureFit fit;
  Bitmap picture;
  Rect rect;
  bool visible = true;

  void Draw(HDC dc) const;
};

struct Decoration {
  // The built-in pictures at the display's scale.
  void LoadPictures(Scale scale);

  // Places the pictures as a layout pass does; the corners take their size only with a skin.
  void Place(const FormLayout& layout, bool skinLoaded);
  // Paints every visible picture, lowest first.
  void Paint(HDC dc, const ColourScheme& scheme) const;
  // A skin's picture takes the place of a built-in one: the right edge becomes 180 wide, the
  // corners move to the right edge's left - 70 (the lower one also to the bottom's top - 70).
  // Returns the picture that changed.
  const DecorationPicture& SetSkinPicture(SkinPart part, Bitmap picture, Scale scale);
  DecorationPicture& PictureOf(SkinPart part);

  DecorationPicture ImageRight{L"IMG_RIGHT", PictureFit::Stretched};
  DecorationPicture ImageBottom{L"IMG_DOWN", PictureFit::Stretched};
  DecorationPicture ImageBottomRight{L"IMG_DOWNRIGHT", PictureFit::Unscaled};
  DecorationPicture ImageTop{L"IMG_TOP", PictureFit::Stretched};
  DecorationPicture ImageTopRight{L"IMG_TOPRIGHT", PictureFit::Unscaled};
  DecorationPicture ImageRedButtonAufklapper{L"IMG_REDBAR", PictureFit::Stretched};
  DecorationPicture ImageLogo{L"IMG_LOGO", PictureFit::Transparent};

 private:
  void PaintForHighContrast(HDC dc, const ColourScheme& scheme) const;
};

}  // namespace pendra
