#pragma once
// Hints: tooltips over a window's child windows and over areas of its own surface, shown when
// the mouse rests there. Their look and timing are the same for the whole program.
//
// The tooltip window comes from the common controls library, which nothing else needs at
// start: the hints are kept here until the mouse first comes over the owner (`Activate`), and
// only then is the library loaded and the tooltip made.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

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
  // Makes the tooltip with every hint given so far; later changes reach it at once. Does
  // nothing the second time.
  void Activate();
  // A hint for a whole child window.
  void AddForWindow(HWND tool, const std::u16string& text);
  void SetWindowHint(HWND tool, const std::u16string& text);
  // A hint for an area of the owner's surface, known by its id.
  void AddForArea(UINT id, const Rect& area, const std::u16string& text);
  void MoveArea(UINT id, const Rect& area);
  void SetAreaText(UINT id, const std::u16string& text);

 private:
  // A child window's hint (id is its handle) or an area's hint.
  struct Tool {
    UINT_PTR id;
    bool isWindow;
    Rect area;
    std::u16string text;
  };
  Tool* Find(UINT_PTR id, bool isWindow);
  void Add(Tool tool);
  void SetText(Tool* tool, const std::u16string& text);
  void Send(UINT message, const Tool& tool);

  HWND owner_ = nullptr;
  std::vector<Tool> tools_;
  UniqueWindow tooltip_;
};

}  // namespace pendra
