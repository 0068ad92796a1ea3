#include "Input.h"

#include <cwchar>
#include <cwctype>
#include <iterator>
#include <utility>

#include "TopLevelWindows.h"

namespace driver {

namespace {

constexpr DWORD kEchoMs = 30;

struct KeyName {
  const wchar_t* name;
  WORD vk;
};

constexpr KeyName kModifiers[] = {{L"ctrl", VK_CONTROL}, {L"shift", VK_SHIFT}, {L"alt", VK_MENU}, {L"win", VK_LWIN}};

constexpr KeyName kKeys[] = {{L"return", VK_RETURN},  {L"enter", VK_RETURN},  {L"escape", VK_ESCAPE},
                             {L"esc", VK_ESCAPE},     {L"tab", VK_TAB},       {L"space", VK_SPACE},
                             {L"backspace", VK_BACK}, {L"delete", VK_DELETE}, {L"insert", VK_INSERT},
                             {L"home", VK_HOME},      {L"end", VK_END},       {L"pageup", VK_PRIOR},
                             {L"pagedown", VK_NEXT},  {L"up", VK_UP},         {L"down", VK_DOWN},
                             {L"left", VK_LEFT},      {L"right", VK_RIGHT},   {L"apps", VK_APPS},
                             {L"ctrl", VK_CONTROL},   {L"shift", VK_SHIFT},   {L"alt", VK_MENU}};

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

bool Lookup(const std::wstring& name, const KeyName* begin, const KeyName* end, WORD& vk) {
  for (auto* k = begin; k != end; ++k)
    if (name == k->name) {
      vk = k->vk;
      return true;
    }
  return false;
}

bool IsExtended(WORD vk) {
  switch (vk) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_APPS:
    case VK_LWIN: return true;
    default: return false;
  }
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

INPUT UnicodeInput(wchar_t c, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wScan = c;
  in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return in;
}

// Absolute coordinates are 0..65535 over the primary screen; rounding up lands on the pixel.
INPUT MoveInput(POINT to) {
  LONGLONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((to.x * 65536LL + width - 1) / width);
  in.mi.dy = static_cast<LONG>((to.y * 65536LL + height - 1) / height);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return in;
}

// Buttons and the wheel act where the cursor is.
INPUT ButtonInput(DWORD flags, DWORD data = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.mouseData = data;
  in.mi.dwFlags = flags;
  return in;
}

void Send(std::vector<INPUT> inputs, HWND settle) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (settle) SyncWith(settle, static_cast<int>(inputs.size()) * 2 + 2);
}

void PressModifiers(const std::vector<WORD>& modifiers, bool up, HWND settle) {
  if (modifiers.empty()) return;
  std::vector<INPUT> inputs;
  if (up)
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
  else
    for (WORD vk : modifiers) inputs.push_back(KeyInput(vk, false));
  Send(inputs, settle);
}

std::pair<DWORD, DWORD> ButtonFlags(MouseButton button) {
  switch (button) {
    case MouseButton::Right: return {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
    case MouseButton::Middle: return {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP};
    default: return {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  }
}

}  // namespace

bool ParseModifiers(const std::wstring& spec, std::vector<WORD>& modifiers) {
  modifiers.clear();
  size_t start = 0;
  while (start < spec.size()) {
    size_t plus = spec.find(L'+', start);
    std::wstring name = Lower(spec.substr(start, plus == std::wstring::npos ? std::wstring::npos : plus - start));
    WORD vk = 0;
    if (!Lookup(name, std::begin(kModifiers), std::end(kModifiers), vk)) return false;
    modifiers.push_back(vk);
    if (plus == std::wstring::npos) break;
    start = plus + 1;
  }
  return true;
}

bool ParseChord(const std::wstring& spec, KeyChord& chord) {
  // The key is after the last "+", unless the key itself is "+".
  size_t split = spec.size() > 1 ? spec.rfind(L'+', spec.size() - 2) : std::wstring::npos;
  std::wstring key = split == std::wstring::npos ? spec : spec.substr(split + 1);
  if (!ParseModifiers(split == std::wstring::npos ? L"" : spec.substr(0, split), chord.modifiers)) return false;
  std::wstring name = Lower(key);
  if (Lookup(name, std::begin(kKeys), std::end(kKeys), chord.key)) return true;
  if ((name.size() == 2 || name.size() == 3) && name[0] == L'f' &&
      wcsspn(name.c_str() + 1, L"0123456789") == name.size() - 1) {
    int number = _wtoi(name.c_str() + 1);
    if (number < 1 || number > 24) return false;
    chord.key = static_cast<WORD>(VK_F1 + number - 1);
    return true;
  }
  if (key.size() != 1) return false;
  SHORT scan = VkKeyScanW(static_cast<wchar_t>(towlower(key[0])));
  if (scan == -1) return false;
  chord.key = LOBYTE(scan);
  if ((HIBYTE(scan) & 1) && key[0] == towlower(key[0])) chord.modifiers.push_back(VK_SHIFT);  // "+" is Shift+"="
  return true;
}

void PressChord(const KeyChord& chord, HWND settle) {
  PressModifiers(chord.modifiers, false, settle);
  Send({KeyInput(chord.key, false), KeyInput(chord.key, true)}, settle);
  PressModifiers(chord.modifiers, true, settle);
}

void TypeText(const std::wstring& text, HWND settle) {
  for (wchar_t c : text) {
    SHORT scan = c == L'\n' ? VK_RETURN : VkKeyScanW(c);
    if (scan == -1 || (HIBYTE(scan) & ~1) != 0) {  // no key, or one that needs Ctrl/Alt
      Send({UnicodeInput(c, false), UnicodeInput(c, true)}, settle);
      continue;
    }
    KeyChord chord;
    chord.key = LOBYTE(scan);
    if (HIBYTE(scan) & 1) chord.modifiers.push_back(VK_SHIFT);
    PressChord(chord, settle);
  }
}

bool ParseMouseButton(const std::wstring& name, MouseButton& button) {
  std::wstring lower = Lower(name);
  if (lower == L"left")
    button = MouseButton::Left;
  else if (lower == L"right")
    button = MouseButton::Right;
  else if (lower == L"middle")
    button = MouseButton::Middle;
  else
    return false;
  return true;
}

// Under Wine on Xvfb a move by SendInput warps the X pointer, and Xvfb reports the previous warp only
// when the next one comes: the program sees a brief move back to the previous position. Waiting after
// each move lets that echo arrive before any button changes.
void MoveMouse(POINT to, HWND settle) {
  Send({MoveInput(to)}, settle);
  Sleep(kEchoMs);
  POINT now{};
  if (GetCursorPos(&now) && (now.x != to.x || now.y != to.y)) Send({MoveInput(to)}, settle);
  if (settle) SyncWith(settle, 2);
}

void Click(POINT at, MouseButton button, bool twice, const std::vector<WORD>& modifiers, HWND settle) {
  auto [down, up] = ButtonFlags(button);
  MoveMouse(at, settle);
  PressModifiers(modifiers, false, settle);
  std::vector<INPUT> inputs = {ButtonInput(down), ButtonInput(up)};
  if (twice) inputs.insert(inputs.end(), {ButtonInput(down), ButtonInput(up)});
  Send(inputs, settle);
  PressModifiers(modifiers, true, settle);
}

void Drag(POINT from, POINT to, MouseButton button, int steps, const std::vector<WORD>& modifiers, HWND settle) {
  auto [down, up] = ButtonFlags(button);
  MoveMouse(from, settle);
  PressModifiers(modifiers, false, settle);
  Send({ButtonInput(down)}, settle);
  for (int i = 1; i <= steps; ++i)
    MoveMouse({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, settle);
  Send({ButtonInput(up)}, settle);
  PressModifiers(modifiers, true, settle);
}

void Wheel(POINT at, int notches, HWND settle) {
  MoveMouse(at, settle);
  Send({ButtonInput(MOUSEEVENTF_WHEEL, static_cast<DWORD>(notches * WHEEL_DELTA))}, settle);
}

}  // namespace driver
