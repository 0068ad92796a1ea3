#include "ui/PictureButton_win.h"

#include <windowsx.h>

#include "platform/BufferedPaint_win.h"

namespace pendra {

namespace {

constexpr wchar_t kHolderClass[] = L"PendraPictureButton";

}  // namespace

PictureButton::PictureButton(const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed, PictureFit fit)
    : normalName_(normal), hoverName_(hover), pressedName_(pressed), fit_(fit) {}

void PictureButton::Create(HWND parent, PaintBeneath paintBeneath, std::function<void()> onClick, Scale scale) {
  SetScale(scale);
  paintBeneath_ = std::move(paintBeneath);
  onClick_ = std::move(onClick);
  RegisterClassOnce(kHolderClass, 0, nullptr);
  CreateWindowOf(kHolderClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, 0, parent);
}

void PictureButton::SetScale(Scale scale) {
  scale_ = scale;
  normal_ = Bitmap::FromResource(normalName_, scale);
  hover_ = Bitmap();
  pressed_ = Bitmap();
  Repaint();
}

void PictureButton::LoadOnce(Bitmap& picture, const wchar_t* name) const {
  if (!picture) picture = Bitmap::FromResource(name, scale_);
}

void PictureButton::Place(const Rect& rect) {
  SetWindowPos(Handle(), HWND_TOP, rect.left, rect.top, rect.width, rect.height, SWP_NOACTIVATE);
}

void PictureButton::Repaint() {
  if (!Handle()) return;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

LRESULT PictureButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(Handle(), &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_MOUSEMOVE: OnMouseMove(); return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      Repaint();
      return 0;
    case WM_LBUTTONDOWN:
      down_ = true;
      SetCapture(Handle());
      Repaint();
      return 0;
    case WM_LBUTTONUP: OnButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_CAPTURECHANGED:
      down_ = false;
      Repaint();
      return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

void PictureButton::OnMouseMove() {
  if (hot_) return;
  hot_ = true;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = Handle();
  TrackMouseEvent(&track);
  Repaint();
}

void PictureButton::OnButtonUp(int x, int y) {
  bool wasDown = down_;
  down_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  RECT client{};
  GetClientRect(Handle(), &client);
  POINT at{x, y};
  Repaint();
  // Released over the button: a click. The handler may end the program, so it runs last.
  if (wasDown && PtInRect(&client, at) && onClick_) onClick_();
}

const Bitmap& PictureButton::CurrentPicture() const {
  if (down_ && hot_) {
    LoadOnce(pressed_, pressedName_);
    if (pressed_) return pressed_;
  }
  if (hot_) {
    LoadOnce(hover_, hoverName_);
    if (hover_) return hover_;
  }
  return normal_;
}

void PictureButton::OnPaint() {
  PaintBuffered(Handle(), [this](HDC dc, const RECT& client) { Paint(dc, client); });
}

void PictureButton::Paint(HDC dc, const RECT& client) const {
  POINT origin{0, 0};
  MapWindowPoints(Handle(), GetParent(Handle()), &origin, 1);
  if (paintBeneath_) paintBeneath_(dc, origin);
  CurrentPicture().Draw(dc, client, fit_);
}

}  // namespace pendra
