// The grid and a picture button as a screen reader in the same process finds them through
// Active Accessibility: names, roles, states and places, what it may do, the events after keys,
// edits, row and column changes and undo, and objects that outlive their window.
#include <windows.h>

#include <objbase.h>
#include <oleacc.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "TestHost.h"
#include "platform/Unique_win.h"
#include "ui/Accessible_win.h"
#include "ui/GridControl_win.h"
#include "ui/GridGeometry.h"
#include "ui/PictureButton_win.h"

namespace pendra {
namespace {

// An interface pointer held for a scope.
template <typename Interface>
class Com {
 public:
  Com() = default;
  explicit Com(Interface* held) : held_(held) {}
  Com(Com&& other) noexcept : held_(other.held_) { other.held_ = nullptr; }
  Com& operator=(Com&& other) noexcept {
    std::swap(held_, other.held_);
    return *this;
  }
  ~Com() {
    if (held_) held_->Release();
  }
  Interface* operator->() const { return held_; }
  Interface* Get() const { return held_; }
  Interface** Out() { return &held_; }
  explicit operator bool() const { return held_ != nullptr; }

 private:
  Interface* held_ = nullptr;
};

const VARIANT kSelf = ChildIdVariant(CHILDID_SELF);

std::u16string Take(BSTR text) {
  std::u16string value(reinterpret_cast<const char16_t*>(text ? text : L""), text ? SysStringLen(text) : 0);
  SysFreeString(text);
  return value;
}

std::u16string Name(IAccessible* object, VARIANT child = kSelf) {
  BSTR name = nullptr;
  object->get_accName(child, &name);
  return Take(name);
}

std::u16string Value(IAccessible* object) {
  BSTR value = nullptr;
  object->get_accValue(kSelf, &value);
  return Take(value);
}

long Role(IAccessible* object) {
  VARIANT role;
  object->get_accRole(kSelf, &role);
  return role.vt == VT_I4 ? role.lVal : -1;
}

long State(IAccessible* object) {
  VARIANT state;
  object->get_accState(kSelf, &state);
  return state.vt == VT_I4 ? state.lVal : -1;
}

Com<IAccessible> Child(IAccessible* parent, long id) {
  IDispatch* dispatch = nullptr;
  if (parent->get_accChild(ChildIdVariant(id), &dispatch) != S_OK || !dispatch) return {};
  IAccessible* object = nullptr;
  dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
  dispatch->Release();
  return Com<IAccessible>(object);
}

Com<IAccessible> ClientObject(HWND window) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object));
  return Com<IAccessible>(object);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

class QuietEvents : public GridEvents {
 public:
  void ShowExceptionMessageBox(const std::u16string&) override {}
};

// Captions "Prio", "Aufgabe", "Zeit" over three tasks, the first one written.
class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    host.Reset(CreateTestHost(L"PendraAccessibilityTestHost", L"Accessibility test"));
    ASSERT_TRUE(host);
    grid = std::make_unique<GridControl>(events, sheet);
    grid->Create(host.Get(), 30, 30, 310, 151, 1);
    sheet.SetColWidth(1, 150);
    sheet.SetCell(0, 0, u"Prio");
    sheet.SetCell(1, 0, u"Aufgabe");
    sheet.SetCell(2, 0, u"Zeit");
    sheet.SetCell(0, 1, u"Hoch");
    sheet.SetCell(1, 1, u"Zahnarzt & Steuer");
    grid->Repaint();
    ShowWindow(host.Get(), SW_SHOW);
    SetForegroundWindow(host.Get());
    SetFocus(grid->Handle());
    table = ClientObject(grid->Handle());
    ASSERT_TRUE(table);
  }

  void TearDown() override {
    table = {};
    grid.reset();
    CoUninitialize();
  }

  Com<IAccessible> CellObject(int col, int row) {
    Com<IAccessible> rowObject = Child(table.Get(), row + 1);
    return rowObject ? Child(rowObject.Get(), col + 1) : Com<IAccessible>();
  }
  void Key(int key) { SendMessageW(grid->Handle(), WM_KEYDOWN, static_cast<WPARAM>(key), 0); }
  HWND EditorWindow() const { return FindWindowExW(grid->Handle(), nullptr, L"EDIT", nullptr); }

  UniqueWindow host;
  QuietEvents events;
  Sheet sheet{3, 4};
  std::unique_ptr<GridControl> grid;
  Com<IAccessible> table;
};

TEST_F(AccessibilityTest, TheSheetIsATableOfRowsOfCellsWithTheirNamesAndRoles) {
  EXPECT_EQ(Role(table.Get()), ROLE_SYSTEM_TABLE);
  EXPECT_EQ(Name(table.Get()), u"Aufgabenliste");
  long count = 0;
  ASSERT_EQ(table->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 4);
  Com<IAccessible> titleRow = Child(table.Get(), 1);
  ASSERT_TRUE(titleRow);
  EXPECT_EQ(Role(titleRow.Get()), ROLE_SYSTEM_ROW);
  EXPECT_EQ(Name(titleRow.Get()), u"Prio, Aufgabe, Zeit");
  const struct {
    int col, row;
    long role;
    std::u16string name, value;
  } cases[] = {
      {0, 0, ROLE_SYSTEM_COLUMNHEADER, u"Prio", u"Prio"},
      {2, 0, ROLE_SYSTEM_COLUMNHEADER, u"Zeit", u"Zeit"},
      {1, 1, ROLE_SYSTEM_CELL, u"Aufgabe: Zahnarzt & Steuer", u"Zahnarzt & Steuer"},
      {2, 3, ROLE_SYSTEM_CELL, u"Zeit: leer", u""},
  };
  for (const auto& c : cases) {
    Com<IAccessible> cell = CellObject(c.col, c.row);
    ASSERT_TRUE(cell) << c.col << "," << c.row;
    EXPECT_EQ(Role(cell.Get()), c.role);
    EXPECT_EQ(Name(cell.Get()), c.name);
    EXPECT_EQ(Value(cell.Get()), c.value);
  }
  // A child's id asks the child itself.
  EXPECT_EQ(Name(table.Get(), ChildIdVariant(2)), u"Prio: Hoch, Aufgabe: Zahnarzt & Steuer, Zeit: leer");
}

TEST_F(AccessibilityTest, CellsReportTheirPlaceOnTheScreenFocusAndSelection) {
  grid->Model().SetCurrentCell({1, 2});
  Com<IAccessible> cell = CellObject(1, 2);
  Rect rect;
  ASSERT_TRUE(CellRect(grid->Model(), {1, 2}, rect));
  POINT origin{0, 0};
  ClientToScreen(grid->Handle(), &origin);
  long left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(cell->accLocation(&left, &top, &width, &height, kSelf), S_OK);
  EXPECT_EQ(left, origin.x + rect.left);
  EXPECT_EQ(top, origin.y + rect.top);
  EXPECT_EQ(width, rect.width);
  EXPECT_EQ(height, rect.height);

  const long current = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
  EXPECT_EQ(State(cell.Get()), current);
  EXPECT_EQ(State(CellObject(0, 2).Get()), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE);
  EXPECT_EQ(State(CellObject(0, 0).Get()), STATE_SYSTEM_READONLY);
  VARIANT focus;
  ASSERT_EQ(table->get_accFocus(&focus), S_OK);
  ASSERT_EQ(focus.vt, VT_DISPATCH);
  Com<IAccessible> focused;
  focus.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(focused.Out()));
  VariantClear(&focus);
  EXPECT_EQ(Name(focused.Get()), u"Aufgabe: leer");

  // Without the focus the cell is still the selection, no longer the focus.
  SetFocus(host.Get());
  EXPECT_EQ(State(cell.Get()), current & ~STATE_SYSTEM_FOCUSED);

  // The point in the middle of the cell finds it.
  VARIANT hit;
  ASSERT_EQ(table->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
  ASSERT_EQ(hit.vt, VT_DISPATCH);
  Com<IAccessible> found;
  hit.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(found.Out()));
  VariantClear(&hit);
  EXPECT_EQ(Name(found.Get()), u"Aufgabe: leer");
}

TEST_F(AccessibilityTest, BadChildIdsAreRefusedAndTheInterfacesAreCounted) {
  BSTR name = nullptr;
  EXPECT_EQ(table->get_accName(ChildIdVariant(99), &name), E_INVALIDARG);
  EXPECT_EQ(name, nullptr);
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = nullptr;
  EXPECT_EQ(table->get_accName(text, &name), E_INVALIDARG);
  IDispatch* dispatch = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(table->get_accChild(kSelf, &dispatch), E_INVALIDARG);
  EXPECT_EQ(dispatch, nullptr);
  Com<IAccessible> cell = CellObject(0, 1);
  EXPECT_EQ(cell->get_accChild(ChildIdVariant(1), &dispatch), E_INVALIDARG);
  EXPECT_EQ(Child(Child(table.Get(), 1).Get(), 4).Get(), nullptr);  // three columns

  IUnknown* unknown = nullptr;
  ASSERT_EQ(cell->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  ASSERT_EQ(cell->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  EXPECT_EQ(static_cast<void*>(unknown), static_cast<void*>(cell.Get()));
  EXPECT_EQ(cell->AddRef(), 4u);
  EXPECT_EQ(cell->Release(), 3u);
  unknown->Release();
  dispatch->Release();
  void* other = reinterpret_cast<void*>(1);
  EXPECT_EQ(cell->QueryInterface(IID_IEnumVARIANT, &other), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
}

// A screen reader may hold an object as long as it likes: once the grid is gone, or its row, the
// object answers that it is no longer there and hands out nothing.
TEST_F(AccessibilityTest, ObjectsOutliveTheirWindowSafely) {
  Com<IAccessible> lastRow = Child(table.Get(), 4);
  sheet.SetRowCount(3);
  BSTR name = nullptr;
  EXPECT_EQ(lastRow->get_accName(kSelf, &name), RPC_E_DISCONNECTED);

  Com<IAccessible> cell = CellObject(1, 1);
  grid.reset();
  EXPECT_EQ(cell->get_accName(kSelf, &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(name, nullptr);
  IDispatch* dispatch = nullptr;
  EXPECT_EQ(table->get_accChild(ChildIdVariant(1), &dispatch), RPC_E_DISCONNECTED);
  EXPECT_EQ(dispatch, nullptr);
  long count = 5;
  EXPECT_EQ(table->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(cell->accDoDefaultAction(kSelf), RPC_E_DISCONNECTED);
}

// Records the events of the grid's window as a screen reader would see them: the event and the
// name of the object it names.
class EventRecorder {
 public:
  explicit EventRecorder(HWND window) {
    recorder_ = this;
    window_ = window;
    hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_VALUECHANGE, nullptr, &EventRecorder::OnEvent,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ~EventRecorder() {
    UnhookWinEvent(hook_);
    recorder_ = nullptr;
  }
  std::vector<std::string> Take() {
    PumpMessages();
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
  }

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (!recorder_ || window != recorder_->window_ || object != OBJID_CLIENT) return;
    std::string entry = event == EVENT_OBJECT_FOCUS         ? "focus"
                        : event == EVENT_OBJECT_SELECTION   ? "selection"
                        : event == EVENT_OBJECT_VALUECHANGE ? "value"
                        : event == EVENT_OBJECT_NAMECHANGE  ? "name"
                        : event == EVENT_OBJECT_REORDER     ? "reorder"
                                                            : "";
    if (entry.empty()) return;
    IAccessible* source = nullptr;
    VARIANT id;
    VariantInit(&id);
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &source, &id)) && source) {
      const std::u16string name = Name(source, id);
      entry += " " + std::string(name.begin(), name.end());
      source->Release();
    }
    recorder_->log_.push_back(entry);
  }

  static inline EventRecorder* recorder_ = nullptr;
  HWND window_ = nullptr;
  HWINEVENTHOOK hook_ = nullptr;
  std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(AccessibilityTest, EventsTellOfTheCurrentCellEditsRowsColumnsAndUndo) {
  EventRecorder heard(grid->Handle());
  Key(VK_DOWN);  // the first cell becomes current
  EXPECT_EQ(heard.Take(), (Log{"selection Prio: Hoch", "focus Prio: Hoch"}));
  Key(VK_RIGHT);
  EXPECT_EQ(heard.Take(), (Log{"selection Aufgabe: Zahnarzt & Steuer", "focus Aufgabe: Zahnarzt & Steuer"}));

  const Sheet::Content before = sheet.Snapshot();
  sheet.SetCell(1, 1, u"Arzt");
  EXPECT_EQ(heard.Take(), (Log{"value Aufgabe: Arzt", "name Aufgabe: Arzt"}));
  sheet.SetRowCount(6);
  EXPECT_EQ(heard.Take(), (Log{"reorder Aufgabenliste"}));
  sheet.SetColCount(4);
  EXPECT_EQ(heard.Take(), (Log{"reorder Aufgabenliste"}));

  // A new caption renames the cells below it, and the current one says so.
  sheet.SetCell(1, 0, u"Task");
  EXPECT_EQ(heard.Take(), (Log{"value Task", "name Task", "name Task: Arzt"}));
  sheet.SetCell(1, 0, u"Aufgabe");
  heard.Take();
  Key(VK_DOWN);
  EXPECT_EQ(heard.Take(), (Log{"selection Aufgabe: leer", "focus Aufgabe: leer"}));

  // Undo puts the sheet back and makes the changed cell current.
  sheet.Restore(before);
  grid->Model().SetCurrentCell({1, 1});
  const Log undone = heard.Take();
  ASSERT_FALSE(undone.empty());
  EXPECT_EQ(undone.front(), "reorder Aufgabenliste");
  EXPECT_EQ(undone.back(), "focus Aufgabe: Zahnarzt & Steuer");

  // Typing in the editor writes the cell, and the cell says so.
  SendMessageW(grid->Handle(), WM_CHAR, L'X', 0);
  Log typed = heard.Take();
  EXPECT_NE(std::find(typed.begin(), typed.end(), "value Aufgabe: X"), typed.end());
}

TEST_F(AccessibilityTest, AScreenReaderSelectsEditsAndNamesTheEditor) {
  Com<IAccessible> cell = CellObject(2, 1);
  ASSERT_EQ(cell->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, kSelf), S_OK);
  EXPECT_EQ(grid->Model().CurrentCell(), (GridCell{2, 1}));
  EXPECT_EQ(GetFocus(), grid->Handle());

  BSTR text = SysAllocString(L"10min");
  EXPECT_EQ(CellObject(2, 2)->put_accValue(kSelf, text), S_OK);
  EXPECT_EQ(sheet.Cell(2, 2), u"10min");
  EXPECT_NE(CellObject(2, 0)->put_accValue(kSelf, text), S_OK);  // the fixed title
  EXPECT_EQ(sheet.Cell(2, 0), u"Zeit");
  SysFreeString(text);

  // The default action edits the cell, from the message loop.
  BSTR action = nullptr;
  ASSERT_EQ(CellObject(1, 2)->get_accDefaultAction(kSelf, &action), S_OK);
  EXPECT_EQ(Take(action), u"Bearbeiten");
  ASSERT_EQ(CellObject(1, 2)->accDoDefaultAction(kSelf), S_OK);
  EXPECT_FALSE(grid->IsEditing());
  PumpMessages();
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(grid->Model().EditedCell(), (GridCell{1, 2}));

  Com<IAccessible> editor = ClientObject(EditorWindow());
  ASSERT_TRUE(editor);
  EXPECT_EQ(Role(editor.Get()), ROLE_SYSTEM_TEXT);
  EXPECT_EQ(Name(editor.Get()), u"Aufgabe");
  EXPECT_TRUE(State(editor.Get()) & STATE_SYSTEM_FOCUSED);
  BSTR typed = SysAllocString(L"Einkaufen");
  EXPECT_EQ(editor->put_accValue(kSelf, typed), S_OK);
  SysFreeString(typed);
  EXPECT_EQ(Value(editor.Get()), u"Einkaufen");
  EXPECT_EQ(sheet.Cell(1, 2), u"Einkaufen");
}

TEST_F(AccessibilityTest, APictureButtonIsAPushButtonThatScreenReadersPress) {
  int clicks = 0;
  PictureButton button(L"IMG_PLUS_NORMAL", L"IMG_PLUS_HOVER", L"IMG_PLUS_PRESSED", PictureFit::Transparent);
  button.Create(
      host.Get(), nullptr, [&] { ++clicks; }, Scale{});
  button.Place({10, 10, 9, 9});
  button.SetAccessibleName(u"Neue Zeile hinzufügen");
  Com<IAccessible> object = ClientObject(button.Handle());
  ASSERT_TRUE(object);
  EXPECT_EQ(Role(object.Get()), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(Name(object.Get()), u"Neue Zeile hinzufügen");
  BSTR action = nullptr;
  ASSERT_EQ(object->get_accDefaultAction(kSelf, &action), S_OK);
  EXPECT_EQ(Take(action), u"Drücken");
  ASSERT_EQ(object->accDoDefaultAction(kSelf), S_OK);
  PumpMessages();
  EXPECT_EQ(clicks, 1);
}

// Renders the grid through WM_PRINTCLIENT and returns a pixel.
COLORREF GridPixel(HWND grid, int x, int y) {
  RECT client;
  GetClientRect(grid, &client);
  HDC screen = GetDC(nullptr);
  UniqueBitmap picture(CreateCompatibleBitmap(screen, client.right, client.bottom));
  ReleaseDC(nullptr, screen);
  UniqueDc dc(CreateCompatibleDC(nullptr));
  SelectGuard selected(dc.Get(), picture.Get());
  SendMessageW(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  return GetPixel(dc.Get(), x, y);
}

// A light theme, with colours the design does not use.
TEST_F(AccessibilityTest, HighContrastPaintsTheSheetInTheThemesColoursAndAlwaysShowsTheCurrentCell) {
  const SystemColours theme{.window = RGB(255, 255, 240),
                            .windowText = RGB(0, 0, 128),
                            .highlight = RGB(128, 0, 128),
                            .highlightText = RGB(255, 255, 255),
                            .buttonFace = RGB(224, 224, 224),
                            .buttonText = RGB(0, 64, 0)};
  grid->SetColourScheme(ChooseColourScheme(true, theme));
  ASSERT_EQ(GetFocus(), grid->Handle());
  const int rowHeight = grid->Model().DefaultRowHeight();
  const int pitch = grid->Model().RowPitch();
  // Without a current cell the grid's edge shows the focus.
  EXPECT_EQ(GridPixel(grid->Handle(), 1, pitch + rowHeight / 2), theme.highlight);
  grid->Model().SetCurrentCell({0, 1});
  EXPECT_EQ(GridPixel(grid->Handle(), 200, 1), theme.buttonFace);
  EXPECT_EQ(GridPixel(grid->Handle(), 200, rowHeight / 2), theme.buttonFace);            // title row
  EXPECT_EQ(GridPixel(grid->Handle(), 200, pitch + rowHeight / 2), theme.window);        // a task cell
  EXPECT_EQ(GridPixel(grid->Handle(), 40, pitch + rowHeight / 2 + 6), theme.highlight);  // the focused current cell
  EXPECT_EQ(GridPixel(grid->Handle(), 200, pitch + rowHeight), theme.windowText);        // a line between tasks
  EXPECT_EQ(GridPixel(grid->Handle(), 200, rowHeight), theme.buttonText);                // the title's line
  EXPECT_EQ(GridPixel(grid->Handle(), 300, 4 * pitch + 5), theme.window);                // below the cells

  grid->SetColourScheme(ChooseColourScheme(false, theme));
  EXPECT_EQ(GridPixel(grid->Handle(), 200, rowHeight / 2), kFixedColour);
  EXPECT_EQ(GridPixel(grid->Handle(), 40, pitch + rowHeight / 2 + 6), RGB(255, 255, 255));  // only the focus mark
}

}  // namespace
}  // namespace pendra
