#include "gfx/Bitmap_win.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gfx/PictureLoader.h"
#include "gfx/PictureScaling.h"

namespace pendra {

Bitmap::Bitmap(const Picture& picture) {
  if (picture.pixels.empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // negative: rows top-down, as decoded
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) throw EOutOfResources(u"Cannot create a bitmap.");
  std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof picture.pixels[0]);
  width_ = picture.width;
  height_ = picture.height;
}

namespace {

// The scalings the built-in pictures are drawn for, by resource name suffix.
struct Drawing {
  const wchar_t* suffix;
  Scale scale;
};
constexpr Drawing kDrawings[] = {
    {L"_100", Scale(96)}, {L"", Scale(kDesignDpi)}, {L"_150", Scale(144)}, {L"_200", Scale(192)}};

// The drawing nearest to the display's scaling; of two equally near the larger, which loses
// less when made smaller.
const Drawing& NearestDrawing(Scale scale) {
  const Drawing* nearest = &kDrawings[0];
  for (const Drawing& drawing : kDrawings) {
    if (std::abs(drawing.scale.Dpi() - scale.Dpi()) <= std::abs(nearest->scale.Dpi() - scale.Dpi())) {
      nearest = &drawing;
    }
  }
  return *nearest;
}

bool HasResource(const std::wstring& name, HMODULE module) {
  return FindResourceW(module ? module : GetModuleHandleW(nullptr), name.c_str(), RT_RCDATA) != nullptr;
}

}  // namespace

Bitmap Bitmap::FromResource(const wchar_t* name, Scale scale, HMODULE module) {
  Drawing drawing = NearestDrawing(scale);
  std::wstring drawn = std::wstring(name) + drawing.suffix;
  if (!HasResource(drawn, module)) {
    drawing = kDrawings[1];
    drawn = name;
  }
  return Bitmap(ScalePicture(DecodePicture(ResourceBytes(drawn.c_str(), module)), scale, drawing.scale));
}

Bitmap Bitmap::FromFile(const std::wstring& path) {
  return Bitmap(LoadPictureFile(std::u16string(path.begin(), path.end())));
}

void Bitmap::Draw(HDC dc, const RECT& target, PictureFit fit) const {
  const int targetWidth = target.right - target.left;
  const int targetHeight = target.bottom - target.top;
  if (!bitmap_ || targetWidth <= 0 || targetHeight <= 0) return;
  UniqueDc source(CreateCompatibleDC(dc));
  if (!source) throw EOutOfResources(u"Cannot create a device context.");
  const SelectGuard select(source.Get(), bitmap_.Get());
  const int width = std::min(width_, targetWidth);
  const int height = std::min(height_, targetHeight);
  switch (fit) {
    case PictureFit::Stretched: {
      const int oldMode = SetStretchBltMode(dc, HALFTONE);
      POINT oldOrigin{};
      SetBrushOrgEx(dc, 0, 0, &oldOrigin);  // HALFTONE wants the brush origin reset
      StretchBlt(dc, target.left, target.top, targetWidth, targetHeight, source.Get(), 0, 0, width_, height_, SRCCOPY);
      SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
      SetStretchBltMode(dc, oldMode);
      break;
    }
    case PictureFit::Unscaled: BitBlt(dc, target.left, target.top, width, height, source.Get(), 0, 0, SRCCOPY); break;
    case PictureFit::Transparent: {
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      GdiAlphaBlend(dc, target.left, target.top, width, height, source.Get(), 0, 0, width, height, blend);
      break;
    }
  }
}

std::string_view ResourceBytes(const wchar_t* name, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw EResNotFound(u"Resource " + std::u16string(name, name + wcslen(name)) + u" not found");
  return {static_cast<const char*>(bytes), SizeofResource(module, found)};
}

}  // namespace pendra
