#pragma once
// Keyboard and mouse input as a user makes it, through SendInput. After each burst of events the
// driver waits until the thread of `settle` has handled its queue, so that a following query sees
// the outcome.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// A key with its modifiers, written like "ctrl+shift+F2", "Return", "a" or "alt+Down".
struct KeyChord {
  std::vector<WORD> modifiers;
  WORD key = 0;
};
bool ParseChord(const std::wstring& spec, KeyChord& chord);
// Modifier names joined by "+" ("ctrl+shift"); empty means none.
bool ParseModifiers(const std::wstring& spec, std::vector<WORD>& modifiers);

void PressChord(const KeyChord& chord, HWND settle);
// Types each character with the key that makes it, or as a Unicode character when no key does.
void TypeText(const std::wstring& text, HWND settle);

enum class MouseButton { Left, Right, Middle };
bool ParseMouseButton(const std::wstring& name, MouseButton& button);

void MoveMouse(POINT to, HWND settle);
void Click(POINT at, MouseButton button, bool twice, const std::vector<WORD>& modifiers, HWND settle);
void Drag(POINT from, POINT to, MouseButton button, int steps, const std::vector<WORD>& modifiers, HWND settle);
// Positive notches turn the wheel away from the user.
void Wheel(POINT at, int notches, HWND settle);

}  // namespace driver
