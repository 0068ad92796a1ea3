#pragma once
// A key that reaches a window from anywhere, as WM_HOTKEY with the given id, for as long as it is
// held; the system refuses a key that another program holds.
#include <windows.h>

namespace pendra {

class GlobalHotKey {
 public:
  GlobalHotKey() = default;
  GlobalHotKey(const GlobalHotKey&) = delete;
  GlobalHotKey& operator=(const GlobalHotKey&) = delete;
  ~GlobalHotKey() { Release(); }

  // Takes the key (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN and a virtual-key code) for the
  // window, giving up the one held before; false when another program holds it. A key held down
  // counts once.
  bool Take(HWND window, int id, unsigned modifiers, int key);
  void Release();

 private:
  HWND window_ = nullptr;
  int id_ = 0;
};

}  // namespace pendra
