#pragma once
// What loading, saving and the data folder need of the main window: the sheet and the unit
// state, the window's rectangle and the screens, the saved skin, and the reports.
#include <string>

#include "app/PendraUnitState.h"
#include "platform/Geometry.h"
#include "platform/Guard.h"
#include "platform/Scale.h"
#include "sheet/Sheet.h"

namespace pendra {

class SheetWindow : public virtual ExceptionReporter {
 public:
  virtual Sheet& TheSheet() = 0;
  virtual PendraUnitState& State() = 0;

  // Left and top edge, client width and height.
  virtual Rect Rectangle() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual void SetClientWidth(int width) = 0;
  virtual void SetClientHeight(int height) = 0;
  // All monitors together, and the size of the primary one.
  virtual Rect VirtualDesktop() const = 0;
  virtual int PrimaryScreenWidth() const = 0;
  virtual int PrimaryScreenHeight() const = 0;

  // Loads the pictures of the skin the sheet's SkinPath + SkinName names.
  virtual void loadSkin() = 0;
  // The display's scale where the window is: the first window's size is the design's at it.
  virtual Scale DisplayScale() const = 0;

  virtual void ShowInfoMessageBox(const std::u16string& text, const std::u16string& Überschrift) = 0;
  virtual void ShowErrorMessageBox(const std::u16string& text, const std::u16string& Überschrift) = 0;
};

}  // namespace pendra
