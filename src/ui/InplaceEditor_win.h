#pragma once
// The grid's one in-place editor: an EDIT child of the grid, subclassed so that it asks for
// every key (DLGC_WANTALLKEYS) and offers each key-down to the grid first. It is made when the
// first editing begins (an edit control brings the common controls library, which start-up
// does not need), then shown over the edited cell and hidden again.
#include <windows.h>

#include <string>

#include "platform/Scale.h"
#include "ui/EditAccessible_win.h"

namespace pendra {

class InplaceEditorHost {
 public:
  // Every key-down of the editor; true when the grid has taken the key.
  virtual bool EditorKeyDown(int key) = 0;
  // The editor got or lost the keyboard focus; other is the window that lost or gets it.
  virtual void EditorFocusChanged(bool gained, HWND other) = 0;
  // The right button was pressed over the editor, at that point of the grid's client area.
  virtual void EditorRightButtonDown(POINT inGrid) = 0;
  // What screen readers call the editor.
  virtual std::u16string EditorAccessibleName() const = 0;

 protected:
  ~InplaceEditorHost() = default;
};

class InplaceEditor {
 public:
  explicit InplaceEditor(InplaceEditorHost& host);
  InplaceEditor(const InplaceEditor&) = delete;
  InplaceEditor& operator=(const InplaceEditor&) = delete;
  ~InplaceEditor();

  // The grid it edits in; the font and the margins (2 pixels at the design's scale) of the
  // display's scale. The window itself is made at the first opening.
  void Create(HWND grid, HFONT font, Scale scale);
  void SetFont(HFONT font, Scale scale);
  // Shows the editor over the rectangle with the text and gives it the focus; either the whole
  // text is selected or the caret is placed after it.
  void Open(const RECT& rect, const std::u16string& text, bool selectAll);
  void Move(const RECT& rect);
  void Hide();
  bool IsOpen() const;
  std::u16string Text() const;
  // Null until the first opening.
  HWND Handle() const { return edit_; }

 private:
  void MakeWindow();
  void ApplyFont();
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT EditProc(UINT message, WPARAM wParam, LPARAM lParam);
  void PasteOneLine();

  InplaceEditorHost& host_;
  HWND grid_ = nullptr;
  HFONT font_ = nullptr;
  Scale scale_;
  HWND edit_ = nullptr;
  WNDPROC editProc_ = nullptr;
  AccessPoint<EditAccess> access_;
};

}  // namespace pendra
