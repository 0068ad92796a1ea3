#include "about/ShowInfoSRC_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include "../../assets/resource_ids.h"
#include "lang/AboutTexts.h"
#include "lang/Language.h"
#include "platform/BufferedPaint_win.h"
#include "platform/Geometry_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

constexpr wchar_t kDialogClass[] = L"TShowInfoDialog";
constexpr COLORREF kDialogColour = RGB(224, 224, 228);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
// The application's hints from the first opening on: white, after 400 ms, up to 25 s.
constexpr HintAppearance kInfoHints{RGB(255, 255, 255), 400, 25000};
constexpr UINT kIconHint = 1;
constexpr UINT kLinkHint = 2;

UniqueFont Verdana(int pointSize, bool underlined, Scale scale) {
  const int height = -MulDiv(pointSize, scale.Dpi(), 72);
  return UniqueFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underlined, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Verdana"));
}

// A label sizes itself to its text: as wide as the text, as high as a line of its font.
Rect LabelRect(HFONT font, int left, int top, const std::u16string& text) {
  UniqueDc screen(CreateCompatibleDC(nullptr));
  SelectGuard selected(screen.Get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), Wide(text), static_cast<int>(text.size()), &size);
  return {left, top, static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
}

const char16_t* TextOf(const AboutTexts& texts, InfoLabel label) {
  switch (label) {
    case InfoLabel::llbInfo11: return texts.llbInfo11;
    case InfoLabel::llbInfo12: return texts.llbInfo12;
    case InfoLabel::llbInfo13: return texts.llbInfo13;
    case InfoLabel::llbInfo21: return texts.llbInfo21;
    case InfoLabel::llbInfo22: return texts.llbInfo22;
    case InfoLabel::llbInfo23: return texts.llbInfo23;
    case InfoLabel::llbInfo31: return texts.llbInfo31;
    case InfoLabel::llbInfo32: return texts.llbInfo32;
    case InfoLabel::llbInfo33: return texts.llbInfo33;
    case InfoLabel::llbInfo4: return texts.llbInfo4;
    case InfoLabel::lblLink: return texts.lblLink;
    case InfoLabel::llbInfoCopyright1: return kCopyrightNotice;
    case InfoLabel::llbInfoCopyright2: return kMakerName;
    case InfoLabel::llbKSLink: return texts.llbKSLink;
    case InfoLabel::llbKSInfo1: return texts.llbKSInfo1;
    case InfoLabel::llbKSInfo2: return texts.llbKSInfo2;
    case InfoLabel::llbKSInfo3: return texts.llbKSInfo3;
    case InfoLabel::llbKSInfo4: return texts.llbKSInfo4;
    case InfoLabel::llbKSInfo5: return texts.llbKSInfo5;
  }
  return u"";
}

HBRUSH DialogBrush() {
  static const UniqueBrush brush(CreateSolidBrush(kDialogColour));
  return brush.Get();
}

bool IsLink(InfoLabel label) { return label == InfoLabel::lblLink || label == InfoLabel::llbKSLink; }

Point ClientPoint(LPARAM at) { return {GET_X_LPARAM(at), GET_Y_LPARAM(at)}; }

}  // namespace

// ---- the dialog ----

TShowInfoDialog::TShowInfoDialog(const ShowInfoSRC& unit) : unit_(unit) {}

void TShowInfoDialog::Create(HWND owner) {
  RegisterClassOnce(kDialogClass, 0, DialogBrush());
  CreateWindowOf(kDialogClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, kInfoDialogWidth, kInfoDialogHeight,
                 owner);
  if (!Handle()) return;
  scale_ = Scale(static_cast<int>(GetDpiForWindow(owner ? owner : Handle())));
}

// What only a shown dialog needs; the program entry's dialog never shows, so its start costs
// nothing of this.
void TShowInfoDialog::PrepareToShow() {
  if (prepared_) return;
  prepared_ = true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  bigIcon_.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(MAINICON), IMAGE_ICON, 48, 48, 0)));
  smallIcon_.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(MAINICON), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  MakeFonts();
  hints_.Create(Handle());
}

void TShowInfoDialog::MakeFonts() {
  font7_ = Verdana(7, false, scale_);
  link7_ = Verdana(7, true, scale_);
  font6_ = Verdana(6, false, scale_);
  link6_ = Verdana(6, true, scale_);
}

// Moved to a monitor of another scaling: the fonts, labels and pictures follow, in the
// rectangle the system suggests.
void TShowInfoDialog::OnDpiChanged(int dpi, const RECT& suggested) {
  scale_ = Scale(dpi);
  MakeFonts();
  PlaceLabels();
  hints_.MoveArea(kIconHint, ScaledRect(kKSIconRect, scale_));
  hints_.MoveArea(kLinkHint, RectOf(InfoPart::llbKSLink));
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TShowInfoDialog::ShowProgramInfo() {
  PrepareToShow();
  SetApplicationHintAppearance(kInfoHints);
  const Point place = InfoDialogPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), scale_);
  SetWindowPos(Handle(), nullptr, place.x, place.y, scale_(kInfoDialogWidth), scale_(kInfoDialogHeight),
               SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceLabels();
  SetWindowTextW(Handle(), Wide(AboutCaption(BuildVersionText)));
  hints_.AddForArea(kIconHint, ScaledRect(kKSIconRect, scale_), kAboutTexts.ksHint);
  hints_.AddForArea(kLinkHint, RectOf(InfoPart::llbKSLink), kAboutTexts.ksHint);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Handle());
}

void TShowInfoDialog::PlaceLabels() {
  labels_.clear();
  for (const InfoLabelPlace& place : InfoLabelPlaces()) {
    const bool small = place.pointSize == 6;
    HFONT font = IsLink(place.label) ? (small ? link6_.Get() : link7_.Get()) : (small ? font6_.Get() : font7_.Get());
    std::u16string text = TextOf(kAboutTexts, place.label);
    labels_.push_back({place.label, text, font, LabelRect(font, scale_(place.left), scale_(place.top), text)});
  }
}

LRESULT TShowInfoDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintBuffered(Handle(), [this](HDC dc, const RECT& client) { Paint(dc, client); }); return 0;
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(Handle(), &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_MOUSEMOVE: MouseMove(lParam); return 0;
    case WM_LBUTTONDOWN: MouseDown(lParam, true); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: MouseDown(lParam, false); return 0;
    case WM_LBUTTONUP: MouseUp(lParam); return 0;
    case WM_SETCURSOR:
      hints_.Activate();
      if (LOWORD(lParam) == HTCLIENT && SetHandCursor()) return TRUE;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) Close();
      return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

// Closing hides the dialog; it is released at a later opening or when the program ends.
void TShowInfoDialog::Close() { ShowWindow(Handle(), SW_HIDE); }

COLORREF TShowInfoDialog::TextColour(InfoLabel label) const {
  switch (label) {
    case InfoLabel::lblLink: return look_.lblLinkRed ? kRed : kBlue;
    case InfoLabel::llbKSLink: return look_.llbKSLinkRed ? kRed : kBlue;
    case InfoLabel::llbInfoCopyright1:
    case InfoLabel::llbInfoCopyright2: return kGrey;
    default: return GetSysColor(COLOR_WINDOWTEXT);
  }
}

void TShowInfoDialog::Paint(HDC dc, const RECT& client) const {
  FillRect(dc, &client, DialogBrush());
  const InfoPictures& pictures = unit_.Pictures(scale_);
  pictures.background.Draw(dc, client, PictureFit::Unscaled);
  // Where the system's title bar is lower than the design's, the client area is taller than
  // the picture: the picture's lowest line goes on to the bottom.
  if (pictures.background && client.bottom > pictures.background.Height()) {
    const int last = pictures.background.Height() - 1;
    StretchBlt(dc, 0, last + 1, client.right, client.bottom - last - 1, dc, 0, last, client.right, 1, SRCCOPY);
  }
  const RECT icon = ToRECT(ScaledRect(kKSIconRect, scale_));
  pictures.iconNormal.Draw(dc, icon, PictureFit::Unscaled);
  if (look_.hoverVisible) pictures.iconHover.Draw(dc, icon, PictureFit::Unscaled);
  if (look_.activeVisible) pictures.iconActive.Draw(dc, icon, PictureFit::Unscaled);
  SetBkMode(dc, TRANSPARENT);
  for (InfoLabel label : InfoLabelStack()) {
    for (const LabelView& view : labels_) {
      if (view.label != label) continue;
      SelectGuard selected(dc, view.font);
      SetTextColor(dc, TextColour(label));
      RECT area = ToRECT(view.rect);
      DrawTextW(dc, Wide(view.text), static_cast<int>(view.text.size()), &area,
                DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
  }
}

std::vector<PlacedLabel> TShowInfoDialog::PlacedLabels() const {
  std::vector<PlacedLabel> placed;
  for (const LabelView& view : labels_) placed.push_back({view.label, view.rect});
  return placed;
}

// The rectangle of a clickable part: a link's label, or the icon's pictures.
Rect TShowInfoDialog::RectOf(InfoPart part) const {
  if (part != InfoPart::lblLink && part != InfoPart::llbKSLink) return ScaledRect(kKSIconRect, scale_);
  const InfoLabel link = part == InfoPart::lblLink ? InfoLabel::lblLink : InfoLabel::llbKSLink;
  for (const LabelView& view : labels_) {
    if (view.label == link) return view.rect;
  }
  return {};
}

InfoPart TShowInfoDialog::PartAt(LPARAM clientPoint) const {
  return InfoPartAt(look_, PlacedLabels(), ClientPoint(clientPoint), scale_);
}

void TShowInfoDialog::Relook(const InfoLook& look) {
  if (look == look_) return;
  look_ = look;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TShowInfoDialog::MouseMove(LPARAM at) {
  InfoLook look = look_;
  InfoMouseMove(look, PartAt(at));
  Relook(look);
}

// A press on the background or a help line moves the dialog, as if its title bar were
// grabbed; a left press on the icon or a link may become a click.
void TShowInfoDialog::MouseDown(LPARAM at, bool leftButton) {
  const InfoPart part = PartAt(at);
  InfoLook look = look_;
  const bool drag = InfoMouseDown(look, part);
  Relook(look);
  if (drag) {
    ReleaseCapture();
    POINT cursor{};
    GetCursorPos(&cursor);
    SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
    return;
  }
  if (!leftButton || InfoClickPage(part) == InfoPage::None) return;
  pressed_ = part;
  SetCapture(Handle());
}

// Released over the part it was pressed on: a click, which opens that part's page.
void TShowInfoDialog::MouseUp(LPARAM at) {
  const InfoPart pressed = pressed_;
  pressed_ = InfoPart::Background;
  if (GetCapture() == Handle()) ReleaseCapture();
  const InfoPage page = InfoClickPage(pressed);
  if (page == InfoPage::None || !RectOf(pressed).Contains(ClientPoint(at))) return;
  const std::u16string address = page == InfoPage::Product ? ProductPage(kAboutTexts) : SisterProductPage(kAboutTexts);
  ShellExecuteW(unit_.MainWindow(), L"open", Wide(address), nullptr, nullptr, SW_SHOWNORMAL);
}

bool TShowInfoDialog::SetHandCursor() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  const InfoPart part = InfoPartAt(look_, PlacedLabels(), {cursor.x, cursor.y}, scale_);
  if (InfoClickPage(part) == InfoPage::None) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

// ---- the unit ----

const InfoPictures& ShowInfoSRC::Pictures(Scale scale) const {
  if (!pictures_ || pictures_->scale != scale) {
    pictures_ = std::make_unique<InfoPictures>(InfoPictures{scale, Bitmap::FromResource(L"IMG_ABOUT_BACKGROUND", scale),
                                                            Bitmap::FromResource(L"IMG_ABOUT_ICON_NORMAL", scale),
                                                            Bitmap::FromResource(L"IMG_ABOUT_ICON_HOVER", scale),
                                                            Bitmap::FromResource(L"IMG_ABOUT_ICON_PRESSED", scale)});
  }
  return *pictures_;
}

// Dialogs closed since they were made are released here, so that openings do not add up.
TShowInfoDialog& ShowInfoSRC::NewDialog(HWND owner) {
  owner_ = owner;
  std::erase_if(dialogs_, [](const std::unique_ptr<TShowInfoDialog>& dialog) {
    return !dialog->Handle() || !IsWindowVisible(dialog->Handle());
  });
  dialogs_.push_back(std::make_unique<TShowInfoDialog>(*this));
  showInfoDialog_ = dialogs_.back().get();
  showInfoDialog_->Create(owner);
  return *showInfoDialog_;
}

void ShowInfoSRC::CreateHiddenDialog(HWND owner) { NewDialog(owner); }

void ShowInfoSRC::ShowProgramInfo(HWND owner) { NewDialog(owner).ShowProgramInfo(); }

}  // namespace pendra
