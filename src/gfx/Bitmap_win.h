#pragma once
// Pictures as Win32 bitmaps. A Bitmap owns a 32-bit top-down DIB section holding the
// decoded pixels unchanged (premultiplied BGRA), so it can be drawn stretched, unscaled
// and cut at the target's edges, or alpha-blended with AlphaBlend.
#include <windows.h>

#include <string>
#include <string_view>

#include "gfx/Picture.h"
#include "platform/Scale.h"
#include "platform/Unique_win.h"

namespace pendra {

// How a picture control shows its picture.
enum class PictureFit {
  Stretched,    // scaled to the whole target rectangle
  Unscaled,     // at its own size from the target's top-left corner, cut at the target's edges
  Transparent,  // as Unscaled, blended over what lies beneath by the picture's alpha
};

// Windows could not create a bitmap (GDI resources exhausted).
class EOutOfResources : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EOutOfResources"; }
};

// The module holds no resource of the requested name.
class EResNotFound : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EResNotFound"; }
};

class Bitmap {
 public:
  Bitmap() = default;  // no picture: draws nothing
  explicit Bitmap(const Picture& picture);
  // A picture embedded as RCDATA (PNG or JPEG) at the display's scale: the drawing made for
  // the nearest scaling (NAME_100, NAME for the design's 125 %, NAME_150, NAME_200), resized
  // smoothly when the scaling lies between them. Module nullptr is the program itself.
  static Bitmap FromResource(const wchar_t* name, Scale scale = {}, HMODULE module = nullptr);
  // A PNG or JPEG file, such as a skin's picture.
  static Bitmap FromFile(const std::wstring& path);

  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Handle() const { return bitmap_.Get(); }
  explicit operator bool() const { return static_cast<bool>(bitmap_); }

  void Draw(HDC dc, const RECT& target, PictureFit fit) const;

 private:
  UniqueBitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
};

// The bytes of an RCDATA resource, valid while the module is loaded; EResNotFound if absent.
std::string_view ResourceBytes(const wchar_t* name, HMODULE module = nullptr);

}  // namespace pendra
