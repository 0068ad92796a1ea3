#include "ui/Decoration_win.h"

#include "platform/Geometry_win.h"
#include "sheet/Sheet.h"

namespace pendra {

void DecorationPicture::Draw(HDC dc) const {
  if (!visible || rect.width <= 0 || rect.height <= 0) return;
  picture.Draw(dc, ToRECT(rect), fit);
}

Decoration::Decoration()
    : ImageRight{Bitmap::FromResource(L"IMG_RIGHT"), PictureFit::Stretched, {}},
      ImageBottom{Bitmap::FromResource(L"IMG_DOWN"), PictureFit::Stretched, {}},
      ImageBottomRight{Bitmap::FromResource(L"IMG_DOWNRIGHT"), PictureFit::Unscaled, {}},
      ImageTop{Bitmap::FromResource(L"IMG_TOP"), PictureFit::Stretched, {}},
      ImageTopRight{Bitmap::FromResource(L"IMG_TOPRIGHT"), PictureFit::Unscaled, {}},
      ImageRedButtonAufklapper{Bitmap::FromResource(L"IMG_REDBAR"), PictureFit::Stretched, {}},
      ImageLogo{Bitmap::FromResource(L"IMG_LOGO"), PictureFit::Transparent, {}} {
  // The design places; the corners take their full size here once.
  Place(ComputeFormLayout(kDesignClientWidth, kDesignClientHeight, false), true);
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

const DecorationPicture& Decoration::SetSkinPicture(SkinPart part, Bitmap picture) {
  switch (part) {
    case SkinPart::Right: ImageRight.rect.width = kSkinRightWidth; break;
    case SkinPart::TopRight: ImageTopRight.rect.left = ImageRight.rect.left - kCornerInset; break;
    case SkinPart::DownRight:
      ImageBottomRight.rect.left = ImageRight.rect.left - kCornerInset;
      ImageBottomRight.rect.top = ImageBottom.rect.top - kCornerInset;
      break;
    default: break;
  }
  DecorationPicture& target = PictureOf(part);
  target.picture = std::move(picture);
  return target;
}

void Decoration::Paint(HDC dc) const {
  for (const DecorationPicture* picture : {&ImageRight, &ImageBottom, &ImageBottomRight, &ImageTop, &ImageTopRight,
                                           &ImageRedButtonAufklapper, &ImageLogo}) {
    picture->Draw(dc);
  }
}

}  // namespace pendra
