#pragma once
// Hints: tooltips over a window's child windows and over areas of its own surface, shown when
// the mouse rests there. Their look and timing are the same for the whole program.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/Geometry.h"
#include "platform/Unique_win.h"

namespace pendra {

// The background colour of every hint, the pause before one shows and how long it stays.
struct HintAppearance {
  COLORREF colour;
  int pauseMs;
  int hidePauseMs;
};

// Applies to every hint of the program, those made later included.
void SetApplicationHintAppearance(const HintAppearance& appearance);

class Hints {
 public:
  void Create(HWND owner);
  // A hint for a whole child window.
  void AddForWindow(HWND tool, const std::u16string& text);
  void SetWindowHint(HWND tool, const std::u16string& text);
  // A hint for an area of the owner's surface, known by its id.
  void AddForArea(UINT id, const Rect& area, const std::u16string& text);
  void MoveArea(UINT id, const Rect& area);
  void SetAreaText(UINT id, const std::u16string& text);

 private:
  TTTOOLINFOW WindowTool(HWND tool) const;
  TTTOOLINFOW AreaTool(UINT id) const;

  HWND owner_ = nullptr;
  UniqueWindow tooltip_;
};

}  // namespace pendra
