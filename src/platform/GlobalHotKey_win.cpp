#include "platform/GlobalHotKey_win.h"

namespace pendra {

bool GlobalHotKey::Take(HWND window, int id, unsigned modifiers, int key) {
  Release();
  if (!RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, static_cast<UINT>(key))) return false;
  window_ = window;
  id_ = id;
  return true;
}

void GlobalHotKey::Release() {
  if (window_) UnregisterHotKey(window_, id_);
  window_ = nullptr;
}

}  // namespace pendra
