#pragma once
// What loading and saving the data file need from the main window: its grid, its unit
// state, its rectangle and the screens, repainting, the saved skin, and its reports.
#include <string>

#include "app/PendraUnit.h"
#include "sheet/Sheet.h"
#include "ui/GridModel.h"

namespace pendra {

struct ScreenRectangle {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

class SheetWindow {
 public:
  virtual ~SheetWindow() = default;

  virtual GridModel& Grid() = 0;
  virtual PendraUnitState& State() = 0;

  // Left and top edge, client width and height.
  virtual WindowRectangle Rectangle() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual void SetClientWidth(int width) = 0;
  virtual void SetClientHeight(int height) = 0;
  // All monitors together, and the size of the primary one.
  virtual ScreenRectangle VirtualDesktop() const = 0;
  virtual int PrimaryScreenWidth() const = 0;
  virtual int PrimaryScreenHeight() const = 0;

  virtual void RepaintGrid() = 0;
  // Loads the pictures of the skin SkinPath + SkinName names.
  virtual void loadSkin() = 0;

  virtual void ShowExceptionMessageBox(const std::u16string& methode) = 0;
  virtual void ShowErrorMessageBox(const std::u16string& text, const std::u16string& Überschrift) = 0;
};

}  // namespace pendra
