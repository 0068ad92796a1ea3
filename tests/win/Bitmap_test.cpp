#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

#include "../../assets/resource_ids.h"
#include "gfx/Bitmap_win.h"
#include "gfx/PictureLoader.h"
#include "platform/FileSystem.h"
#include "platform/Guid.h"

namespace pendra {

namespace {

// A 32-bit top-down DIB selected into a memory DC: something to draw on and read back.
class Surface {
 public:
  Surface(int width, int height, std::uint32_t fill) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    std::fill(bits_, bits_ + width * height, fill);
    old_ = SelectObject(dc_.Get(), bitmap_.Get());
  }
  ~Surface() { SelectObject(dc_.Get(), old_); }

  HDC Dc() const { return dc_.Get(); }
  std::uint32_t At(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x];
  }

 private:
  int width_;
  UniqueDc dc_;
  UniqueBitmap bitmap_;
  std::uint32_t* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

unsigned Channel(std::uint32_t pixel, int shift) { return pixel >> shift & 0xFF; }

Picture Filled(int width, int height, std::uint32_t pixel) {
  return Picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, pixel)};
}

std::u16string TempPath(const char16_t* suffix) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  return reinterpret_cast<const char16_t*>(temp) + NewGuidText() + suffix;
}

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

TEST(Bitmap, EmbeddedPicturesHaveTheirDesignSizes) {
  struct Case {
    const wchar_t* name;
    int width, height;
  };
  const Case cases[] = {
      {L"IMG_RIGHT", 30, 180},
      {L"IMG_DOWN", 500, 30},
      {L"IMG_DOWNRIGHT", 100, 100},
      {L"IMG_TOP", 500, 30},
      {L"IMG_TOPRIGHT", 100, 100},
      {L"IMG_REDBAR", 25, 150},
      {L"IMG_LOGO", 252, 30},
      {L"IMG_EXIT_NORMAL", 16, 16},
      {L"IMG_EXIT_HOVER", 16, 16},
      {L"IMG_EXIT_PRESSED", 16, 16},
      {L"IMG_MINIMIZE_NORMAL", 16, 16},
      {L"IMG_MINIMIZE_HOVER", 16, 16},
      {L"IMG_MINIMIZE_PRESSED", 16, 16},
      {L"IMG_PLUS_NORMAL", 9, 9},
      {L"IMG_PLUS_HOVER", 9, 9},
      {L"IMG_PLUS_PRESSED", 9, 9},
      {L"IMG_MINUS_NORMAL", 9, 9},
      {L"IMG_MINUS_HOVER", 9, 9},
      {L"IMG_MINUS_PRESSED", 9, 9},
      {L"IMG_MENU_BOLD_B", 16, 16},
      {L"IMG_MENU_BOLD_F", 16, 16},
      {L"IMG_MENU_GRID", 16, 16},
      {L"IMG_MENU_GRID_CHECKED", 16, 16},
      {L"IMG_MENU_ROW_PLUS", 16, 16},
      {L"IMG_MENU_ROW_MINUS", 16, 16},
      {L"IMG_MENU_COLUMN_PLUS", 16, 16},
      {L"IMG_MENU_COLUMN_MINUS", 16, 16},
      {L"IMG_MENU_OPEN_FOLDER", 16, 16},
      {L"IMG_ABOUT_BACKGROUND", 477, 413},
      {L"IMG_ABOUT_ICON_NORMAL", 77, 90},
      {L"IMG_ABOUT_ICON_HOVER", 77, 90},
      {L"IMG_ABOUT_ICON_PRESSED", 77, 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name);
    const Bitmap bitmap = Bitmap::FromResource(c.name);
    EXPECT_EQ(bitmap.Width(), c.width);
    EXPECT_EQ(bitmap.Height(), c.height);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap.Handle(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, 32);
  }
}

TEST(Bitmap, EmbeddedPicturesComeAtTheDisplaysScale) {
  struct Case {
    const wchar_t* name;
    int dpi;
    int width, height;
  };
  const Case cases[] = {
      {L"IMG_EXIT_NORMAL", 96, 13, 13},          // drawn for 100 %
      {L"IMG_EXIT_NORMAL", 144, 19, 19},         // 150 %
      {L"IMG_EXIT_NORMAL", 192, 26, 26},         // 200 %
      {L"IMG_EXIT_NORMAL", 168, 23, 23},         // 175 %: the 200 % drawing made smaller
      {L"IMG_TOPRIGHT", 240, 200, 200},          // 250 %: the 200 % drawing made larger
      {L"IMG_ABOUT_BACKGROUND", 192, 763, 661},  // one drawing only: the design's, made larger
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " " << c.dpi);
    const Bitmap bitmap = Bitmap::FromResource(c.name, Scale(c.dpi));
    EXPECT_EQ(bitmap.Width(), c.width);
    EXPECT_EQ(bitmap.Height(), c.height);
  }
}

TEST(Bitmap, TheProgramIconHasEverySize) {
  for (int size : {16, 32, 48, 256}) {
    UniqueIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(MAINICON), IMAGE_ICON, size, size, 0)));
    ASSERT_TRUE(icon) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(colour.Get(), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
  }
}

TEST(Bitmap, TransparentDrawingBlendsPremultipliedPixels) {
  Picture picture = Filled(2, 1, 0x00000000);
  picture.pixels[1] = PremultipliedPixel(128, 0, 0, 128);  // half-transparent red
  const Surface surface(4, 2, kGreen);
  Bitmap(picture).Draw(surface.Dc(), RECT{1, 1, 4, 2}, PictureFit::Transparent);
  EXPECT_EQ(surface.At(1, 1), kGreen);  // fully transparent pixel
  const std::uint32_t blended = surface.At(2, 1);
  EXPECT_NEAR(Channel(blended, 16), 64, 1);
  EXPECT_NEAR(Channel(blended, 8), 127, 1);
  EXPECT_EQ(Channel(blended, 0), 0u);
  EXPECT_EQ(surface.At(3, 1), kGreen);  // beyond the picture
}

TEST(Bitmap, UnscaledDrawingIsCutAtTheTargetsEdges) {
  const Surface surface(12, 12, kWhite);
  Bitmap(Filled(10, 10, 0xFFFF0000)).Draw(surface.Dc(), RECT{2, 3, 7, 6}, PictureFit::Unscaled);
  EXPECT_EQ(surface.At(2, 3) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(surface.At(6, 5) & 0xFFFFFF, 0xFF0000u);
  for (auto [x, y] : {std::pair{7, 3}, std::pair{2, 6}, std::pair{1, 3}, std::pair{2, 2}})
    EXPECT_EQ(surface.At(x, y), kWhite) << x << ", " << y;
}

TEST(Bitmap, StretchedDrawingFillsTheTarget) {
  const Surface surface(50, 12, kWhite);
  Bitmap(Filled(1, 1, 0xFFFF0000)).Draw(surface.Dc(), RECT{0, 1, 40, 11}, PictureFit::Stretched);
  EXPECT_EQ(surface.At(0, 1) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(surface.At(39, 10) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(surface.At(40, 5), kWhite);
  EXPECT_EQ(surface.At(5, 11), kWhite);

  // Smoothing may blend neighbours, but each end keeps its own side's colour.
  Picture picture = Filled(2, 1, 0xFFFF0000);
  picture.pixels[1] = 0xFF0000FF;
  Bitmap(picture).Draw(surface.Dc(), RECT{0, 1, 40, 11}, PictureFit::Stretched);
  EXPECT_GT(Channel(surface.At(3, 5), 16), 3 * Channel(surface.At(3, 5), 0));
  EXPECT_GT(Channel(surface.At(36, 5), 0), 3 * Channel(surface.At(36, 5), 16));
}

TEST(Bitmap, TheLogoIsTransparentAroundItsLetteringAndCutTo250Pixels) {
  const Bitmap logo = Bitmap::FromResource(L"IMG_LOGO");
  const Surface surface(260, 30, kGreen);
  logo.Draw(surface.Dc(), RECT{0, 0, 250, 30}, PictureFit::Transparent);
  EXPECT_EQ(surface.At(240, 15), kGreen);
  const std::uint32_t bar = surface.At(4, 27);  // the red cap over the bar
  EXPECT_GT(Channel(bar, 16), 150u);
  EXPECT_LT(Channel(bar, 8), 100u);
}

TEST(Bitmap, LoadsPictureFilesAndRefusesBrokenOnes) {
  const std::string_view jpeg = ResourceBytes(L"IMG_TOP");
  const std::u16string good = TempPath(u".jpg"), cut = TempPath(u".jpg");
  WriteWholeFile(good, jpeg);
  WriteWholeFile(cut, jpeg.substr(0, jpeg.size() / 2));
  EXPECT_EQ(Bitmap::FromFile(Wide(good)).Width(), 500);
  EXPECT_THROW(Bitmap::FromFile(Wide(cut)), EInvalidGraphic);  // libjpeg's error path in this build
  DeleteFileW(Wide(good).c_str());
  DeleteFileW(Wide(cut).c_str());

  std::string png(ResourceBytes(L"IMG_LOGO"));
  png[png.size() / 2] ^= 0x01;
  EXPECT_THROW(DecodePicture(png), EInvalidGraphic);
  EXPECT_THROW(Bitmap::FromFile(Wide(TempPath(u".jpg"))), EFOpenError);
  EXPECT_THROW(Bitmap::FromResource(L"IMG_NONE"), EResNotFound);
}

}  // namespace pendra
