#include "app/SummonKeyDialog_win.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "lang/Texts.h"
#include "platform/SystemFunction_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

constexpr int kExplanationId = 100;
constexpr int kUseKeyId = 101;
constexpr int kFieldId = 102;
constexpr int kTakenId = 103;

// The dialog's size in dialog units.
constexpr short kDialogWidth = 240;
constexpr short kDialogHeight = 112;

struct DialogData {
  SummonKey current;
  bool taken = false;
  const TakeSummonKey* take = nullptr;
  SummonKey chosen;
};

// The entry field's rule: a key alone, or with Shift only, would take it from every program; the
// field adds Ctrl+Alt to it.
constexpr WPARAM kRefusedCombinations = HKCOMB_NONE | HKCOMB_S;
constexpr LPARAM kAddedModifiers = HOTKEYF_CONTROL | HOTKEYF_ALT;

// Keys of the extended part of the keyboard, which the entry field names only with its flag.
bool IsExtendedKey(int key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE || key == VK_DIVIDE ||
         key == VK_NUMLOCK;
}

WORD FieldValue(SummonKey key) {
  BYTE flags = 0;
  if (key.modifiers & kKeyShift) flags |= HOTKEYF_SHIFT;
  if (key.modifiers & kKeyCtrl) flags |= HOTKEYF_CONTROL;
  if (key.modifiers & kKeyAlt) flags |= HOTKEYF_ALT;
  if (IsExtendedKey(key.key)) flags |= HOTKEYF_EXT;
  return MAKEWORD(static_cast<BYTE>(key.key), flags);
}

SummonKey FromFieldValue(WORD value) {
  const BYTE flags = HIBYTE(value);
  SummonKey key{LOBYTE(value), 0};
  if (flags & HOTKEYF_SHIFT) key.modifiers |= kKeyShift;
  if (flags & HOTKEYF_CONTROL) key.modifiers |= kKeyCtrl;
  if (flags & HOTKEYF_ALT) key.modifiers |= kKeyAlt;
  if (key.key == 0 || key.modifiers == 0) return {};
  return key;
}

// The entry field is a common control, from a library that start-up does not load.
bool LoadEntryField() {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const InitFunction init = LoadSystemFunction<InitFunction>(L"comctl32.dll", "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_HOTKEY_CLASS};
  return init && init(&classes);
}

void Append(std::vector<WORD>& words, const char16_t* text) {
  for (; *text; ++text) words.push_back(*text);
  words.push_back(0);
}

// The template's fixed part is packed: the menu follows at its 18th byte.
static_assert(sizeof(DLGTEMPLATE) == 18);

// A template without controls, in the system's dialog font; the controls come at WM_INITDIALOG.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD));
  DLGTEMPLATE* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
  dialog->style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  dialog->cx = kDialogWidth;
  dialog->cy = kDialogHeight;
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  Append(words, kSummonKeyTexts.dialogTitle);
  words.push_back(9);  // points
  Append(words, u"Segoe UI");
  return words;
}

HWND AddControl(HWND dialog, const wchar_t* className, const char16_t* text, DWORD style, RECT units, int id) {
  MapDialogRect(dialog, &units);
  HWND control = CreateWindowExW(0, className, text ? Wide(text) : nullptr, WS_CHILD | WS_VISIBLE | style, units.left,
                                 units.top, units.right - units.left, units.bottom - units.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
  return control;
}

void ShowTaken(HWND dialog, bool taken) { ShowWindow(GetDlgItem(dialog, kTakenId), taken ? SW_SHOW : SW_HIDE); }

void Initialise(HWND dialog, const DialogData& data) {
  const bool on = !data.current.IsOff();
  AddControl(dialog, L"STATIC", kSummonKeyTexts.explanation, SS_LEFT, {7, 7, 233, 31}, kExplanationId);
  AddControl(dialog, L"BUTTON", kSummonKeyTexts.useKey, BS_AUTOCHECKBOX | WS_TABSTOP, {7, 36, 233, 46}, kUseKeyId);
  HWND field = AddControl(dialog, HOTKEY_CLASSW, nullptr, WS_BORDER | WS_TABSTOP, {7, 50, 233, 64}, kFieldId);
  AddControl(dialog, L"STATIC", kSummonKeyTexts.taken, SS_LEFT, {7, 69, 233, 87}, kTakenId);
  AddControl(dialog, L"BUTTON", kSummonKeyTexts.ok, BS_DEFPUSHBUTTON | WS_TABSTOP, {129, 91, 179, 105}, IDOK);
  AddControl(dialog, L"BUTTON", kSummonKeyTexts.cancel, BS_PUSHBUTTON | WS_TABSTOP, {183, 91, 233, 105}, IDCANCEL);
  CheckDlgButton(dialog, kUseKeyId, on ? BST_CHECKED : BST_UNCHECKED);
  SendMessageW(field, HKM_SETRULES, kRefusedCombinations, kAddedModifiers);
  SendMessageW(field, HKM_SETHOTKEY, FieldValue(on ? data.current : kDefaultSummonKey), 0);
  EnableWindow(field, on);
  ShowTaken(dialog, on && data.taken);
  SetFocus(on ? field : GetDlgItem(dialog, kUseKeyId));
}

// OK: the program takes the chosen key, or the dialog stays and says that it is taken.
void Confirm(HWND dialog, DialogData& data) {
  const bool on = IsDlgButtonChecked(dialog, kUseKeyId) == BST_CHECKED;
  HWND field = GetDlgItem(dialog, kFieldId);
  const SummonKey chosen =
      on ? FromFieldValue(static_cast<WORD>(SendMessageW(field, HKM_GETHOTKEY, 0, 0))) : SummonKey{};
  if (!(*data.take)(chosen)) {
    ShowTaken(dialog, true);
    SetFocus(field);
    return;
  }
  data.chosen = chosen;
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* data = reinterpret_cast<DialogData*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      Initialise(dialog, *reinterpret_cast<DialogData*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: Confirm(dialog, *data); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case kUseKeyId:
          EnableWindow(GetDlgItem(dialog, kFieldId), IsDlgButtonChecked(dialog, kUseKeyId) == BST_CHECKED);
          ShowTaken(dialog, false);
          return TRUE;
        case kFieldId:
          if (HIWORD(wParam) == EN_CHANGE) ShowTaken(dialog, false);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

std::optional<SummonKey> ChooseSummonKey(HWND owner, SummonKey current, bool taken, const TakeSummonKey& take) {
  if (!LoadEntryField()) return std::nullopt;
  DialogData data{current, taken, &take, current};
  const std::vector<WORD> dialog = DialogTemplate();
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner,
                              DialogProc, reinterpret_cast<LPARAM>(&data));
  if (result != IDOK) return std::nullopt;
  return data.chosen;
}

std::u16string KeyNameOf(int virtualKey) {
  LONG scanCode = static_cast<LONG>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC)) << 16;
  if (IsExtendedKey(virtualKey)) scanCode |= 1 << 24;
  wchar_t name[64] = {};
  if (GetKeyNameTextW(scanCode, name, static_cast<int>(std::size(name))) > 0) return FromWide(name);
  const std::string number = std::to_string(virtualKey);
  return u"#" + std::u16string(number.begin(), number.end());
}

}  // namespace pendra
