#pragma once
// A main window without Windows for the tests of loading, saving and the data folder: a
// 1920 x 1080 desktop, the rectangle as numbers, the reports written down in order.
#include <stdexcept>
#include <string>
#include <vector>

#include "app/DataFileWindow.h"
#include "app/SheetWindow.h"
#include "sheet/LoadSave.h"

namespace pendra {

class FakeSheetWindow : public SheetWindow {
 public:
  FakeSheetWindow() {
    state.CollapsedWidth = 30;
    state.ExpandState = ExpandStates::Expanded;
  }
  Sheet& TheSheet() override { return sheet; }
  PendraUnitState& State() override { return state; }
  Rect Rectangle() const override {
    if (rectangleFails) throw std::runtime_error("the window is gone");
    return rect;
  }
  void SetLeft(int left) override { rect.left = left; }
  void SetTop(int top) override { rect.top = top; }
  void SetClientWidth(int width) override { rect.width = width; }
  void SetClientHeight(int height) override { rect.height = height; }
  Rect VirtualDesktop() const override { return {0, 0, 1920, 1080}; }
  int PrimaryScreenWidth() const override { return 1920; }
  int PrimaryScreenHeight() const override { return 1080; }
  void loadSkin() override { ++skinLoads; }
  Scale DisplayScale() const override { return Scale{}; }
  void ShowExceptionMessageBox(const std::u16string& methode) override {
    reports.push_back(methode);
    leftAtReport.push_back(rect.left);
  }
  void ShowInfoMessageBox(const std::u16string& text, const std::u16string& title) override {
    reports.push_back(title + u": " + text);
  }
  void ShowErrorMessageBox(const std::u16string& text, const std::u16string& title) override {
    reports.push_back(title + u": " + text);
  }

  // The row's cells joined by "|".
  std::u16string Row(int row) const {
    std::u16string text;
    for (int col = 0; col < sheet.ColCount(); ++col) text += (col ? u"|" : u"") + sheet.Cell(col, row);
    return text;
  }

  Sheet sheet;
  PendraUnitState state;
  Rect rect{100, 100, 370, 211};
  std::vector<std::u16string> reports;
  std::vector<int> leftAtReport;
  int skinLoads = 0;
  bool rectangleFails = false;
};

// Loads as the main window does: the sheet is read, then the window put in place and the reports
// shown.
inline bool XMLLaden(FakeSheetWindow& window, const std::u16string& pathAndFile) {
  return ApplyLoadedFile(window, XMLLaden(window.sheet, window.state, pathAndFile, ScreenFactsOf(window)));
}

inline void KeepUnreadableDataFile(FakeSheetWindow& window) {
  ShowReports(window, KeepUnreadableDataFile(window.state));
}

}  // namespace pendra
