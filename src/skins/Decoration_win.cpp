#include "skins/Decoration_win.h"

#include "platform/Geometry_win.h"
#include "platform/Unique_win.h"

namespace pendra {

void DecorationPicture::Draw(HDC dc) const {
  if (!visible || rect.width <= 0 || rect.height <= 0) return;
  picture.Draw(dc, ToRECT(rect), fit);
}

void Decoration::LoadPictures(Scale scale) {
  for (DecorationPicture* picture : {&ImageRight, &ImageBottom, &ImageBottomRight, &ImageTop, &ImageTopRight,
                                     &ImageRedButtonAufklapper, &ImageLogo}) {
    picture->picture = Bitmap::FromResource(picture->resource, scale);
  }
}

void Decoration::Place(const FormLayout& layout, bool skinLoaded) {
  ImageRedButtonAufklapper.rect = layout.ImageRedButtonAufklapper;
  ImageTop.rect = layout.ImageTop;
  ImageRight.rect = layout.ImageRight;
  ImageBottom.rect = layout.ImageBottom;
  ImageTopRight.rect.left = layout.ImageTopRight.left;
  ImageBottomRight.rect.left = layout.ImageBottomRight.left;
  ImageBottomRight.rect.top = layout.ImageBottomRight.top;
  ImageLogo.rect = layout.ImageLogo;
  if (skinLoaded) {
    ImageTopRight.rect = layout.ImageTopRight;
    ImageBottomRight.rect = layout.ImageBottomRight;
  }
}

// The skin and the edge bands would hide the theme's colours; the red bar is an opaque picture
// that stays visible on any of them.
void Decoration::PaintForHighContrast(HDC dc, const ColourScheme& scheme) const {
  const UniqueBrush frame(CreateSolidBrush(scheme.surfaceText));
  const UniqueBrush plate(CreateSolidBrush(scheme.plate));
  ImageRedButtonAufklapper.Draw(dc);
  if (ImageRedButtonAufklapper.visible) {
    const RECT bar = ToRECT(ImageRedButtonAufklapper.rect);
    FrameRect(dc, &bar, frame.Get());
  }
  if (ImageLogo.visible) {
    const RECT logo = ToRECT(ImageLogo.rect);
    FillRect(dc, &logo, plate.Get());
    ImageLogo.Draw(dc);
  }
}

DecorationPicture& Decoration::PictureOf(SkinPart part) {
  switch (part) {
    case SkinPart::Right: return ImageRight;
    case SkinPart::Top: return ImageTop;
    case SkinPart::Down: return ImageBottom;
    case SkinPart::TopRight: return ImageTopRight;
    case SkinPart::DownRight: return ImageBottomRight;
  }
  return ImageRight;
}

const DecorationPicture& Decoration::SetSkinPicture(SkinPart part, Bitmap picture, Scale scale) {
  switch (part) {
    case SkinPart::Right: ImageRight.rect.width = scale(kSkinRightWidth); break;
    case SkinPart::TopRight: ImageTopRight.rect.left = ImageRight.rect.left - scale(kCornerInset); break;
    case SkinPart::DownRight:
      ImageBottomRight.rect.left = ImageRight.rect.left - scale(kCornerInset);
      ImageBottomRight.rect.top = ImageBottom.rect.top - scale(kCornerInset);
      break;
    default: break;
  }
  DecorationPicture& target = PictureOf(part);
  target.picture = std::move(picture);
  return target;
}

void Decoration::Paint(HDC dc, const ColourScheme& scheme) const {
  if (!scheme.decorationPictures) {
    PaintForHighContrast(dc, scheme);
    return;
  }
  for (const DecorationPicture* picture : {&ImageRight, &ImageBottom, &ImageBottomRight, &ImageTop, &ImageTopRight,
                                           &ImageRedButtonAufklapper, &ImageLogo}) {
    picture->Draw(dc);
  }
}

}  // namespace pendra
