#include "ui/InplaceEditor_win.h"

#include <commctrl.h>

#include <exception>

#include "platform/Clipboard_win.h"
#include "platform/Window_win.h"
#include "sheet/SheetRules.h"

namespace pendra {

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kTextMargin = 2;

}  // namespace

InplaceEditor::~InplaceEditor() {
  if (!edit_) return;
  RemoveWindowSubclass(edit_, SubclassProc, kSubclassId);
  DestroyWindow(edit_);
}

void InplaceEditor::Create(HWND grid, HFONT font, Scale scale) {
  edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, grid, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowSubclass(edit_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SetFont(font, scale);
}

void InplaceEditor::SetFont(HFONT font, Scale scale) {
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int margin = scale(kTextMargin);
  SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

void InplaceEditor::Open(const RECT& rect, const std::u16string& text, bool selectAll) {
  SetWindowTextW(edit_, reinterpret_cast<const wchar_t*>(text.c_str()));
  Move(rect);
  const LPARAM end = static_cast<LPARAM>(text.size());
  SendMessageW(edit_, EM_SETSEL, selectAll ? 0 : end, end);
  ShowWindow(edit_, SW_SHOW);
  SetFocus(edit_);
}

void InplaceEditor::Move(const RECT& rect) {
  SetWindowPos(edit_, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOACTIVATE);
}

void InplaceEditor::Hide() { ShowWindow(edit_, SW_HIDE); }

// Its own visibility, whether or not the grid is shown.
bool InplaceEditor::IsOpen() const { return edit_ && (GetWindowLongW(edit_, GWL_STYLE) & WS_VISIBLE) != 0; }

std::u16string InplaceEditor::Text() const {
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

LRESULT CALLBACK InplaceEditor::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  auto* editor = reinterpret_cast<InplaceEditor*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    editor->edit_ = nullptr;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  return WithFailuresReported([&] { return editor->OnMessage(message, wParam, lParam); });
}

LRESULT InplaceEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: return DefSubclassProc(edit_, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (host_.EditorKeyDown(static_cast<int>(wParam))) return 0;
      break;
    case WM_CHAR:
      // The characters of Enter, Escape and Tab, whose keys end the editing.
      if (wParam == L'\r' || wParam == L'\n' || wParam == 27 || wParam == L'\t') return 0;
      break;
    // A paste inserts the clipboard's text on one line and leaves the clipboard as it is.
    case WM_PASTE: PasteOneLine(); return 0;
    case WM_SETFOCUS: host_.EditorFocusChanged(true, reinterpret_cast<HWND>(wParam)); break;
    case WM_KILLFOCUS: host_.EditorFocusChanged(false, reinterpret_cast<HWND>(wParam)); break;
  }
  return DefSubclassProc(edit_, message, wParam, lParam);
}

}  // namespace pendra
