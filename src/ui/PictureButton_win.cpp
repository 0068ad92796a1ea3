#include "ui/PictureButton_win.h"

#include <windowsx.h>

#include "platform/BufferedPaint_win.h"
#include "platform/Unique_win.h"

namespace pendra {

namespace {

constexpr wchar_t kHolderClass[] = L"PendraPictureButton";
// Posted by a screen reader's press: the click runs from the message loop.
constexpr UINT kPressFromOutsideMessage = WM_APP + 1;

}  // namespace

PictureButton::PictureButton(const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed, PictureFit fit)
    : normalName_(normal), hoverName_(hover), pressedName_(pressed), fit_(fit) {
  access_->name = [this] { return accessibleName_; };
  access_->state = [this] { return AccessibleState(); };
  access_->screenRect = [this] { return ScreenRectOf(Handle()); };
  access_->parent = [this] { return MakeWindowObject(Handle()); };
  access_->pressSoon = [this] { PostMessageW(Handle(), kPressFromOutsideMessage, 0, 0); };
}

void PictureButton::SetAccessibleName(std::u16string name) { accessibleName_ = std::move(name); }

long PictureButton::AccessibleState() const {
  long state = 0;
  if (hot_) state |= STATE_SYSTEM_HOTTRACKED;
  if (hot_ && down_) state |= STATE_SYSTEM_PRESSED;
  if (!IsWindowVisible(Handle())) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

void PictureButton::SetColourScheme(const ColourScheme& scheme) {
  if (scheme == scheme_) return;
  scheme_ = scheme;
  Repaint();
}

void PictureButton::Create(HWND parent, PaintBeneath paintBeneath, std::function<void()> onClick, Scale scale) {
  SetScale(scale);
  paintBeneath_ = std::move(paintBeneath);
  onClick_ = std::move(onClick);
  RegisterClassOnce(kHolderClass, 0, nullptr);
  access_->window = CreateWindowOf(kHolderClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, 0, parent);
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
    // A button has nothing outside its client area; the system's frame painting would only cost
    // time at every paint.
    case WM_NCPAINT: return 0;
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
    case WM_GETOBJECT:
      if (!AsksForClientObject(lParam)) break;
      return AnswerWithObject(wParam, MakeButtonAccessible(access_.Link()));
    // The handler may end the program, so it runs last.
    case kPressFromOutsideMessage:
      if (onClick_) onClick_();
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
  if (!scheme_.highContrast) {
    CurrentPicture().Draw(dc, client, fit_);
    return;
  }
  const UniqueBrush plate(CreateSolidBrush(scheme_.plate));
  const UniqueBrush frame(CreateSolidBrush(scheme_.plateFrame));
  FillRect(dc, &client, plate.Get());
  CurrentPicture().Draw(dc, client, fit_);
  FrameRect(dc, &client, frame.Get());
}

}  // namespace pendra
