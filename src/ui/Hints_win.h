#pragma once
// The hints of the main window: tooltips over its small buttons and over areas of its own
// surface (the red bar), shown when the mouse rests there.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/Geometry.h"
#include "platform/Unique_win.h"

namespace pendra {

class Hints {
 public:
  void Create(HWND owner);
  // A hint for a whole child window.
  void AddForWindow(HWND tool, const std::u16string& text);
  // A hint for an area of the owner's surface, known by its id.
  void AddForArea(UINT id, const Rect& area, const std::u16string& text);
  void MoveArea(UINT id, const Rect& area);
  void SetAreaText(UINT id, const std::u16string& text);

 private:
  TTTOOLINFOW AreaTool(UINT id) const;

  HWND owner_ = nullptr;
  UniqueWindow tooltip_;
};

}  // namespace pendra
