#include "ui/InplaceEditor_win.h"

#include <windowsx.h>

#include <exception>

#include "gfx/Bitmap_win.h"
#include "platform/Clipboard_win.h"
#include "platform/Window_win.h"
#include "sheet/SheetRules.h"

namespace pendra {

namespace {

constexpr int kTextMargin = 2;

}  // namespace

InplaceEditor::InplaceEditor(InplaceEditorHost& host) : host_(host) {
  access_->name = [this] { return host_.EditorAccessibleName(); };
}

InplaceEditor::~InplaceEditor() {
  if (edit_) DestroyWindow(edit_);
}

void InplaceEditor::Create(HWND grid, HFONT font, Scale scale) {
  grid_ = grid;
  font_ = font;
  scale_ = scale;
}

void InplaceEditor::SetFont(HFONT font, Scale scale) {
  font_ = font;
  scale_ = scale;
  if (edit_) ApplyFont();
}

void InplaceEditor::ApplyFont() {
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  const int margin = scale_(kTextMargin);
  SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

// The edit control's own procedure is kept and called for everything the editor does not take.
void InplaceEditor::MakeWindow() {
  edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, grid_, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!edit_) throw EOutOfResources(u"Cannot create the cell editor.");
  access_->window = edit_;
  SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  editProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InplaceEditor::SubclassProc)));
  ApplyFont();
}

void InplaceEditor::Open(const RECT& rect, const std::u16string& text, bool selectAll) {
  if (!edit_) MakeWindow();
  SetWindowTextW(edit_, reinterpret_cast<const wchar_t*>(text.c_str()));
  Move(rect);
  const LPARAM end = static_cast<LPARAM>(text.size());
  SendMessageW(edit_, EM_SETSEL, selectAll ? 0 : end, end);
  ShowWindow(edit_, SW_SHOW);
  // A screen reader reads the editor's name anew for the cell it now edits.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, edit_, OBJID_CLIENT, CHILDID_SELF);
  SetFocus(edit_);
}

void InplaceEditor::Move(const RECT& rect) {
  SetWindowPos(edit_, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOACTIVATE);
}

void InplaceEditor::Hide() {
  if (edit_) ShowWindow(edit_, SW_HIDE);
}

// Its own visibility, whether or not the grid is shown.
bool InplaceEditor::IsOpen() const { return edit_ && (GetWindowLongW(edit_, GWL_STYLE) & WS_VISIBLE) != 0; }

std::u16string InplaceEditor::Text() const {
  if (!edit_) return {};
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(edit_)), u'\0');
  if (!text.empty()) {
    const int copied =
        GetWindowTextW(edit_, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<size_t>(copied));
  }
  return text;
}

void InplaceEditor::PasteOneLine() {
  const std::optional<std::u16string> text = ClipboardText(edit_);
  if (!text) return;
  const std::u16string line = DeleteLineBreaks(*text);
  SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
}

LRESULT CALLBACK InplaceEditor::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* editor = reinterpret_cast<InplaceEditor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const WNDPROC editProc = editor->editProc_;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
    editor->edit_ = nullptr;
    return CallWindowProcW(editProc, hwnd, message, wParam, lParam);
  }
  return WithFailuresReported([&] { return editor->OnMessage(message, wParam, lParam); });
}

LRESULT InplaceEditor::EditProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(editProc_, edit_, message, wParam, lParam);
}

LRESULT InplaceEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: return EditProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (host_.EditorKeyDown(static_cast<int>(wParam))) return 0;
      break;
    case WM_CHAR:
      // The characters of Enter, Escape and Tab, whose keys end the editing.
      if (wParam == L'\r' || wParam == L'\n' || wParam == 27 || wParam == L'\t') return 0;
      break;
    // A paste inserts the clipboard's text on one line and leaves the clipboard as it is.
    case WM_PASTE: PasteOneLine(); return 0;
    // The right button is the grid's, as over any other cell: the program's menu, never the
    // edit control's own.
    case WM_RBUTTONDOWN: {
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      MapWindowPoints(edit_, grid_, &at, 1);
      host_.EditorRightButtonDown(at);
      return 0;
    }
    // Shift+F10 or the context-menu key: the grid's owner opens its menu.
    case WM_CONTEXTMENU:
      if (lParam == -1) SendMessageW(grid_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid_), -1);
      return 0;
    case WM_SETFOCUS: host_.EditorFocusChanged(true, reinterpret_cast<HWND>(wParam)); break;
    case WM_GETOBJECT:
      if (!AsksForClientObject(lParam)) break;
      return AnswerWithObject(wParam, MakeEditAccessible(access_.Link()));
    case WM_KILLFOCUS: host_.EditorFocusChanged(false, reinterpret_cast<HWND>(wParam)); break;
  }
  return EditProc(message, wParam, lParam);
}

}  // namespace pendra
