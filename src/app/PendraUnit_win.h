#pragma once
// The main window ToDoForm (class TToDoForm): start-up, the ways out, the tray icon,
// the message boxes every part of the program reports through.
#include <windows.h>

#include <array>
#include <string>

#include "about/ShowInfoSRC_win.h"
#include "app/BackgroundSave_win.h"
#include "app/MessageBoxes_win.h"
#include "app/PendraUnitState.h"
#include "app/SheetWindow.h"
#include "app/ShrinkExpand.h"
#include "app/SummonKey.h"
#include "app/TrayIcon_win.h"
#include "app/Visibility.h"
#include "lang/MainWindowTexts.h"
#include "platform/FolderWatch_win.h"
#include "platform/GlobalHotKey_win.h"
#include "platform/Hints_win.h"
#include "platform/Unique_win.h"
#include "platform/Window_win.h"
#include "sheet/LoadSave.h"
#include "sheet/Sheet.h"
#include "skins/Decoration_win.h"
#include "skins/SkinMenu.h"
#include "ui/ColourScheme.h"
#include "ui/EditSession.h"
#include "ui/FormAccessible_win.h"
#include "ui/GridControl_win.h"
#include "ui/PictureButton_win.h"
#include "ui/PopupMenuRules.h"
#include "ui/PopupMenu_win.h"

namespace pendra {

class TToDoForm : public Window, public SheetWindow, private GridEvents, private SheetObserver {
 public:
  TToDoForm();
  ~TToDoForm() override;

  // Creates the window and runs FormCreate; the window stays hidden until Show.
  void Create();
  // Before the message loop: the window shows with its first picture, unless it starts hidden.
  void ShowAtStart();
  // Every way of showing and hiding the window goes through here.
  void ChangeVisibilityBy(VisibilityCause cause);
  // The About dialog the program entry makes at start and never shows.
  void CreateHiddenInfoDialog();

  void ShowInfoMessageBox(const std::u16string& text, const std::u16string& Überschrift) override;
  void ShowErrorMessageBox(const std::u16string& text, const std::u16string& Überschrift) override;
  bool ShowYesAndNoDialogBox(const std::u16string& text, const std::u16string& Überschrift);
  void ShowExceptionMessageBox(const std::u16string& methode) override;
  // The language the main window's resources are made in.
  std::u16string getIdentifierLangString() const;

  // The application-wide report of a failure that no handler caught.
  void ApplicationEventsOnException(const std::exception& failure);

  // The sheet as loading and saving see it.
  Sheet& TheSheet() override { return sheet_; }
  PendraUnitState& State() override { return state_; }
  Rect Rectangle() const override;
  void SetLeft(int left) override;
  void SetTop(int top) override;
  void SetClientWidth(int width) override;
  void SetClientHeight(int height) override;
  Rect VirtualDesktop() const override;
  int PrimaryScreenWidth() const override;
  int PrimaryScreenHeight() const override;
  void loadSkin() override;
  Scale DisplayScale() const override { return scale_; }

 private:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT_PTR kShrinkTimer = 2;
  static constexpr UINT_PTR kSaveTimer = 3;
  static constexpr UINT_PTR kDataFileTimer = 4;
  static constexpr UINT kDataFileRetryMs = 500;
  static constexpr UINT_PTR kArrivalTimer = 5;
  // A change in the data folder is looked at after this pause, so that one save of another
  // program, which changes the folder several times, is read once; a version that does not yet
  // read whole is read again after the retry pause, a few times.
  static constexpr UINT kArrivalPauseMs = 300;
  static constexpr UINT kArrivalRetryMs = 500;
  static constexpr int kArrivalRetries = 20;
  static constexpr UINT kDataFolderChangedMessage = WM_APP + 3;
  // The background save's writing is done.
  static constexpr UINT kSaveWrittenMessage = WM_APP + 4;
  static constexpr UINT kRedBarHint = 1;
  static constexpr UINT kPutOnScreenMessage = WM_APP + 2;
  static constexpr int kSummonHotKeyId = 1;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  BackgroundSave::Outcome EndBackgroundSave(SaveJob& job, SaveWritten& written, bool report, bool folderThere);
  void SheetChanged(const SheetChange& change) override;
  PopupMenu MakePopupMenu();

  void PutOnScreen();
  void GiveScrollBars();
  HWND FocusButton();
  void FormCreate();
  void BuildFirstSheet();
  std::u16string DataFilePath() const;
  // Loads the data file, and keeps a file that did not load whole beside it; false when another
  // program holds it open.
  bool LoadDataFile();
  // Another program holds the data file open: the window shows that it waits, no sheet and no
  // command can change anything, and the file is tried again until it can be read.
  void WaitForDataFile();
  void OnDataFileTimer();
  void ShowSheetControls(bool shown);
  void PaintWaitingText(HDC dc);
  // From here on every change is saved soon, every step of the user can be taken back, and
  // another program's version of the data file is merged in.
  void BeginSaving();
  void OnArrivalTimer();
  // Merges another program's version of the data file when one reads whole; false while one is
  // there that does not yet.
  bool TakeInArrival();
  // The data file stayed unreadable while it was waited for: it is kept aside and the list saved.
  void SaveOverUnreadableVersion();
  void tmrAnwendungsStartOnTimerTimer();
  void AfterFirstPicture();
  void FormCloseQuery();
  void mnuExitClick();
  void Restart();
  void mnuOpenFolderHereClick();
  // The list moves into a folder the user picks, which is watched from then on.
  void mnuListFolderClick();
  // The skin submenu: its list made at every opening, a listed skin chosen, no skin.
  std::vector<PopupMenuItem> mnuSkinClick();
  void mnuSelectedSkinClick(int position);
  void mnuNoSkinClick();
  void RepaintSurface(const Rect& area);
  void mnuChangeTitleClick();
  void mnuMakeTitleBoldClick();
  void mnuShowGridLinesClick();
  // The menu's three alignment items.
  void SetCurrentColumnAlignment(TCellAlignment alignment);
  void mnuAddRowClick();
  void mnuDeleteRowClick();
  void mnuAddColumnClick();
  void mnuDeleteColumnClick();
  // True when the focus went back to the control that had it.
  bool OnActivate(bool active);
  // The summon key: taken at start (a key another program holds is noted once), pressed, chosen.
  void TakeRememberedSummonKey();
  bool TakeSummonKey(SummonKey key);
  void OnSummonKey();
  void mnuSummonKeyClick();
  // The summoned window is ready to type: the editor opens where a new task goes.
  void OpenNewTask();
  // The keys go back to the window that had them before the summon.
  void ReturnFocus();
  void TrayIconClick();
  void ImageMinimizeIconClick();
  void GiveUpActivation();
  void OnTrayMessage(LPARAM mouseMessage);
  // The grid's notifications and the keys.
  bool SelectCell(int col, int row) override;
  void Click() override;
  void DblClick() override;
  void MouseDown(GridMouseButton button, int x, int y) override;
  void MouseUp(GridMouseButton button, int x, int y) override;
  void KeyDown(int key, bool ctrl) override;
  bool Wheel(int delta) override;
  void OnKeyDown(int key, bool ctrl);
  void CopyCurrentCell(bool cut);
  void PasteIntoCurrentCell();
  // Undo and redo: the sheet as before or after a step, its changed cell current.
  void TakeBack(bool redo);
  // The frameless window: size limit, edge hit-test, snapping, dragging by the decoration.
  void OnGetMinMaxInfo(MINMAXINFO& limits);
  LRESULT OnHitTest(LRESULT ordinary, POINT screen);
  void SnapToScreen(WINDOWPOS& position);
  void OnLeftButtonDown(POINT at);
  void OnLeftButtonUp(POINT at);
  void OnRightButtonDown(POINT at);
  // The decoration picture at a client point: the red bar, one that drags the window, or none.
  enum class DecorationHit { None, RedBar, Drag };
  DecorationHit DecorationAt(POINT at) const;
  void FakeClient(bool leftButton);
  // The red bar: collapse and expand.
  void ImageRedButtonAufklapperClick();
  void TimerShrinkTimer();
  void EndShrinkOrExpand(WindowSpan span);
  // A click on the red bar without its animation.
  void ShrinkOrExpandAtOnce();
  void ApplySpan(WindowSpan span);
  void PlaceExitIconOnStrip();
  void OpenPopupMenuAtCursor();
  void OpenPopupMenuAtCurrentCell();
  void OpenPopupMenuAt(POINT at);
  void OnEndSession(bool ending);
  void OnWindowMoved();
  void CreateControls();
  FormLayout FirstWindowLayout() const;
  // The column widths, and the width of new columns, from the given scale to the display's.
  void ScaleSheetWidths(Scale from);
  // The window moved to a monitor of another scaling: it takes the suggested rectangle, and
  // its pictures, fonts and column widths follow the new scale.
  void OnDpiChanged(int dpi, const RECT& suggested);
  void FollowScale(Scale from, int dpi, const RECT& suggested);
  void OnPaint();
  // Paints the window's own surface (background and decoration pictures); origin is the
  // window point that lies at the DC's (0, 0).
  void PaintSurface(HDC dc, POINT origin);
  void RepaintPlusMinusHolders();
  // The six picture buttons, the window's two first.
  std::array<PictureButton*, 6> PictureButtons();

  // Screen readers and high contrast: the window's surface and red bar as accessible objects, the
  // buttons' names, and the colours that follow the user's theme.
  void SetUpAccessibility();
  bool OnAccessibilityMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer);
  void ApplyColourScheme();
  // The red bar's name and state changed with the window's collapse or expansion.
  void AnnounceRedBar();
  std::vector<HWND> AccessibleControls();

  // Steps other parts of the program fill in.
  void Internationalization();
  void FormResize();
  // Places the grid (its columns fitted to its width), the decoration and the buttons.
  void LayOut();
  void AdjustColumnWidths();
  void RepaintControlsForCitrix();
  void mnuAboutClick();

  // Client size and position; the window has no frame, so client and window sizes agree.
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);
  void SetPosition(int left, int top);
  std::u16string ExecutablePath() const;
  HICON ProgramIcon() const;

  MessageBoxes boxes_;
  PendraUnitState state_;
  // The display's scale where the window is.
  Scale scale_;
  Sheet sheet_;
  GridControl ToDoGrid;
  Decoration decoration_;
  PictureButton PanelExitIcon;
  PictureButton PanelMinimizeIcon;
  PictureButton PanelPlusRow;
  PictureButton PanelMinusRow;
  PictureButton PanelPlusColumn;
  PictureButton PanelMinusColumn;
  UniqueWindow ButtonForFocus;
  Hints hints_;
  TrayIcon trayIcon_;
  UniqueIcon programIcon_;
  PopupMenu popupMenu_;
  PopupMenuState menuState_;
  std::vector<TSkinMenüEintrag> SkinMenuEntries;
  bool noSkinChecked_ = false;
  ShowInfoSRC showInfo_;
  Visibility visibility_ = Visibility::NotShownYet;
  bool closed_ = false;
  // While the data file is being loaded (in FormCreate, or after waiting for it) the sheet may hold
  // only part of it: a close asked for meanwhile comes after.
  bool loading_ = true;
  bool closeAfterLoading_ = false;
  bool waitingForDataFile_ = false;
  bool startTimerArmed_ = false;
  // The first sheet was built: its About dialog and its save wait for the start timer.
  bool firstStart_ = false;
  bool onScreen_ = false;
  bool redBarPressed_ = false;
  // Changes are saved in the background from the end of start-up on.
  BackgroundSave backgroundSave_;
  FolderWatch dataFolderWatch_;
  int arrivalRetries_ = 0;
  EditSession edits_{sheet_};
  ShrinkTarget shrinkTarget_;
  HWND focusedControl_ = nullptr;
  GlobalHotKey summonHotKey_;
  SummonKeyChoice summonKey_;
  bool summonKeyTaken_ = false;
  BeforeSummon beforeSummon_;
  HWND focusBeforeSummon_ = nullptr;
  bool changingVisibility_ = false;
  ColourScheme colours_;
  AccessPoint<ButtonAccess> redBarAccess_;
  AccessPoint<FormAccess> formAccess_;
};

}  // namespace pendra
