#include "app/PendraUnit_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <memory>

#include "../../assets/resource_ids.h"
#include "app/Arrival.h"
#include "app/CommandLine.h"
#include "app/DataFileWindow.h"
#include "app/MoveList.h"
#include "app/SingleInstance_win.h"
#include "lang/Texts.h"
#include "platform/BufferedPaint_win.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/FolderPicker_win.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
#include "platform/WideText_win.h"
#include "sheet/DataFolder.h"
#include "sheet/LoadSave.h"
#include "sheet/SheetRules.h"
#include "sheet/SyncCopies.h"
#include "sheet/WindowPlacement.h"
#include "ui/SheetKeys.h"

namespace pendra {

TToDoForm::TToDoForm()
    : ToDoGrid(*this, sheet_),
      PanelExitIcon(L"IMG_EXIT_NORMAL", L"IMG_EXIT_HOVER", L"IMG_EXIT_PRESSED", PictureFit::Transparent),
      PanelMinimizeIcon(L"IMG_MINIMIZE_NORMAL", L"IMG_MINIMIZE_HOVER", L"IMG_MINIMIZE_PRESSED",
                        PictureFit::Transparent),
      PanelPlusRow(L"IMG_PLUS_NORMAL", L"IMG_PLUS_HOVER", L"IMG_PLUS_PRESSED", PictureFit::Transparent),
      PanelMinusRow(L"IMG_MINUS_NORMAL", L"IMG_MINUS_HOVER", L"IMG_MINUS_PRESSED", PictureFit::Transparent),
      PanelPlusColumn(L"IMG_PLUS_NORMAL", L"IMG_PLUS_HOVER", L"IMG_PLUS_PRESSED", PictureFit::Transparent),
      PanelMinusColumn(L"IMG_MINUS_NORMAL", L"IMG_MINUS_HOVER", L"IMG_MINUS_PRESSED", PictureFit::Transparent),
      popupMenu_(MakePopupMenu()),
      // Another program's version is taken in before a save, which would otherwise keep it aside;
      // one still arriving is waited for, and so is one that arrives while the save writes. The
      // writing gets the sheet as it is now and nothing else of the window.
      backgroundSave_(
          [this](bool report) -> std::optional<BackgroundSave::Writing> {
            if (!TakeInArrival()) return std::nullopt;
            const bool folderThere = DirectoryExists(state_.DataFolder);
            auto job = std::make_shared<SaveJob>(PrepareBackgroundSave(*this));
            return [this, job, report, folderThere]() -> BackgroundSave::Ending {
              auto written = std::make_shared<SaveWritten>(WriteSave(*job));
              return [this, job, written, report, folderThere] {
                return EndBackgroundSave(*job, *written, report, folderThere);
              };
            };
          },
          kSaveWrittenMessage) {
  sheet_.AddObserver(*this);
}

TToDoForm::~TToDoForm() {
  sheet_.RemoveObserver(*this);
  trayIcon_.Remove();
}

void TToDoForm::Create() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  programIcon_.Reset(
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(MAINICON), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  RegisterClassOnce(kMainWindowClass, CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE), ProgramIcon());
  CreateWindowOf(kMainWindowClass, kMainWindowCaption, WS_POPUP | WS_CLIPCHILDREN,
                 WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, CW_USEDEFAULT, CW_USEDEFAULT, kDesignClientWidth,
                 kDesignClientHeight, nullptr);
  if (!Handle()) return;
  boxes_.SetMainWindow(Handle());
  scale_ = Scale(static_cast<int>(GetDpiForWindow(Handle())));
  // The sheet before loading is the design's, at the display's scale.
  ScaleSheetWidths(Scale{});
  decoration_.LoadPictures(scale_);
  // The first window's places; the corners take their full size here once.
  decoration_.Place(FirstWindowLayout(), true);
  popupMenu_.SetScale(scale_);
  CreateControls();
  FormCreate();
}

HICON TToDoForm::ProgramIcon() const { return programIcon_ ? programIcon_.Get() : LoadIconW(nullptr, IDI_APPLICATION); }

void TToDoForm::CreateControls() {
  constexpr int kGridId = 100;
  const FormLayout design = FirstWindowLayout();
  ToDoGrid.Create(Handle(), design.ToDoGrid.left, design.ToDoGrid.top, design.ToDoGrid.width, design.ToDoGrid.height,
                  kGridId);
  PictureButton::PaintBeneath paintBeneath = [this](HDC dc, POINT origin) { PaintSurface(dc, origin); };
  PanelExitIcon.Create(
      Handle(), paintBeneath, [this] { mnuExitClick(); }, scale_);
  PanelMinimizeIcon.Create(
      Handle(), paintBeneath, [this] { ImageMinimizeIconClick(); }, scale_);
  // Each press of a button is a step of its own in the history.
  auto step = [this](void (TToDoForm::*command)()) {
    return [this, command] {
      edits_.Command();
      (this->*command)();
    };
  };
  PanelPlusRow.Create(Handle(), paintBeneath, step(&TToDoForm::mnuAddRowClick), scale_);
  PanelMinusRow.Create(Handle(), paintBeneath, step(&TToDoForm::mnuDeleteRowClick), scale_);
  PanelPlusColumn.Create(Handle(), paintBeneath, step(&TToDoForm::mnuAddColumnClick), scale_);
  PanelMinusColumn.Create(Handle(), paintBeneath, step(&TToDoForm::mnuDeleteColumnClick), scale_);
  hints_.Create(Handle());
  hints_.AddForArea(kRedBarHint, decoration_.ImageRedButtonAufklapper.rect, kHintRedBar);
  hints_.AddForWindow(PanelExitIcon.Handle(), kHintExit);
  hints_.AddForWindow(PanelMinimizeIcon.Handle(), kHintMinimize);
  hints_.AddForWindow(PanelPlusRow.Handle(), kHintAddRow);
  hints_.AddForWindow(PanelMinusRow.Handle(), kHintDeleteRow);
  hints_.AddForWindow(PanelPlusColumn.Handle(), kHintAddColumn);
  hints_.AddForWindow(PanelMinusColumn.Handle(), kHintDeleteColumn);
  SetUpAccessibility();
}

// Only there to take the focus for a moment, outside the visible area. Made when first needed:
// a button brings the common controls library, which start-up does not need otherwise.
HWND TToDoForm::FocusButton() {
  if (!ButtonForFocus) {
    ButtonForFocus.Reset(CreateWindowExW(0, L"BUTTON", L"ButtonForFocus", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, -100,
                                         48, 75, 25, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  return ButtonForFocus.Get();
}

void TToDoForm::CreateHiddenInfoDialog() { showInfo_.CreateHiddenDialog(Handle()); }

// The window shows as soon as its first picture is finished, before the message loop runs: the
// start timer's first tick comes 10 ms or more later (the system's shortest timer) and finds it
// shown. The scroll bars belong to that picture and come with it. When the window's creation
// failed before it armed the timer, what comes after the first picture comes here.
void TToDoForm::ShowAtStart() {
  if (!Handle()) return;
  GiveScrollBars();
  ChangeVisibilityBy(VisibilityCause::StartUp);
  if (!startTimerArmed_) AfterFirstPicture();
}

// Every way of showing and hiding the window. A window that shows comes to the front with its
// picture finished (activating it first would only delay the picture); a window put away gives up
// the activation like any window that goes, so the program the user was in gets it back. The
// summon key's window unfolds at once, as its editor opens in the unfolded grid; a window that
// goes away folds at once, as a hidden window shows no animation.
void TToDoForm::ChangeVisibilityBy(VisibilityCause cause) {
  const VisibilityFacts facts{visibility_, state_.Switches.StartHidden, state_.ExpandState,
                              GetForegroundWindow() == Handle(), beforeSummon_};
  const VisibilityChange change = ChangeVisibility(facts, cause);
  const bool changingBefore = std::exchange(changingVisibility_, true);
  if (change.summoned) {
    beforeSummon_ = change.before;
    focusBeforeSummon_ = GetForegroundWindow();
  }
  visibility_ = change.next;
  if (change.show) ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
  if (change.activate) SetForegroundWindow(Handle());
  if (change.show) PutOnScreen();
  if (change.collapse && change.putAway) {
    ShrinkOrExpandAtOnce();
  } else if (change.collapse) {
    ImageRedButtonAufklapperClick();
  }
  // The keys go back first, so that the window going away does not hand them elsewhere.
  if (change.returnFocus) ReturnFocus();
  if (change.putAway) {
    ShowWindow(Handle(), SW_MINIMIZE);
    ShowWindow(Handle(), SW_HIDE);
    GiveUpActivation();
  }
  if (change.expand && change.summoned) {
    ShrinkOrExpandAtOnce();
  } else if (change.expand) {
    ImageRedButtonAufklapperClick();
  }
  if (change.summoned) OpenNewTask();
  changingVisibility_ = changingBefore;
}

// A grid of one column gets a vertical scroll bar only.
void TToDoForm::GiveScrollBars() { ToDoGrid.SetScrollBarsAllowed({true, ToDoGrid.Model().ColCount() != 1}); }

// The window is layered, and a layered window stays off the screen until its attributes are
// set: the first time it becomes visible (shown at start, or brought forward by a second start)
// it is painted whole, active and with the system's scroll bars, and only then put on the
// screen, so that its first frame is its final picture.
void TToDoForm::PutOnScreen() {
  if (onScreen_) return;
  onScreen_ = true;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
}

LRESULT TToDoForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT answer = 0; OnAccessibilityMessage(message, wParam, lParam, answer)) return answer;
  switch (message) {
    case WM_TIMER:
      if (wParam == kStartTimer) tmrAnwendungsStartOnTimerTimer();
      if (wParam == kShrinkTimer) TimerShrinkTimer();
      if (wParam == kSaveTimer) backgroundSave_.OnTimer();
      if (wParam == kDataFileTimer) OnDataFileTimer();
      if (wParam == kArrivalTimer) OnArrivalTimer();
      return 0;
    case kDataFolderChangedMessage: SetTimer(Handle(), kArrivalTimer, kArrivalPauseMs, nullptr); return 0;
    case kSaveWrittenMessage: backgroundSave_.Finish(); return 0;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_NCHITTEST:
      return OnHitTest(DefaultProc(message, wParam, lParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_WINDOWPOSCHANGING: SnapToScreen(*reinterpret_cast<WINDOWPOS*>(lParam)); break;
    case WM_LBUTTONDOWN: OnLeftButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_SIZE: FormResize(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    // The mouse came over the window or one of its controls: the hints are needed from now on.
    case WM_SETCURSOR: hints_.Activate(); break;
    case WM_PRINTCLIENT: PaintSurface(reinterpret_cast<HDC>(wParam), {0, 0}); return 0;
    case WM_CLOSE: FormCloseQuery(); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) != 0 || lParam != 0) break;
      edits_.Command();
      if (popupMenu_.Run(LOWORD(wParam))) return 0;
      break;
    case WM_WINDOWPOSCHANGED:
      // Put on the screen once the showing, and the activation that comes with it, are over.
      if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) && !onScreen_) {
        PostMessageW(Handle(), kPutOnScreenMessage, 0, 0);
      }
      OnWindowMoved();
      break;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_INITMENUPOPUP: popupMenu_.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); break;
    case WM_MENUCHAR: return popupMenu_.OnMenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
    case WM_MEASUREITEM:
      if (popupMenu_.MeasurePicture(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (popupMenu_.DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_KEYDOWN:
      if (state_.ExpandState == ExpandStates::Collapsed &&
          UnfoldsStrip(static_cast<int>(wParam), GetKeyState(VK_CONTROL) < 0)) {
        ImageRedButtonAufklapperClick();
        return 0;
      }
      OnKeyDown(static_cast<int>(wParam), GetKeyState(VK_CONTROL) < 0);
      return 0;
    case WM_RBUTTONDOWN: OnRightButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    // Shift+F10 or the context-menu key in the grid or its editor (a right click opens the menu
    // by itself and comes with a point).
    case WM_CONTEXTMENU:
      if (lParam != -1) break;
      OpenPopupMenuAtCurrentCell();
      return 0;
    case kTrayMessage: OnTrayMessage(lParam); return 0;
    case WM_HOTKEY:
      if (wParam == kSummonHotKeyId) OnSummonKey();
      return 0;
    case kPutOnScreenMessage: PutOnScreen(); return 0;
    case WM_ACTIVATE:
      if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) return 0;
      break;
    case WM_DESTROY:
      // The ending mark stays to the last moment of the window: a start in between must not take
      // it for a running instance. The system drops it with the window.
      trayIcon_.Remove();
      PostQuitMessage(0);
      return 0;
  }
  if (message == TrayIcon::TaskbarCreatedMessage()) trayIcon_.Readd();
  if (message == BringForwardMessage()) {
    ChangeVisibilityBy(VisibilityCause::SecondStart);
    return kBroughtForward;
  }
  return DefaultProc(message, wParam, lParam);
}

// What a background save wrote is recorded and reported as the window's own saves are.
BackgroundSave::Outcome TToDoForm::EndBackgroundSave(SaveJob& job, SaveWritten& written, bool report,
                                                     bool folderThere) {
  const SaveOutcome saved = RecordBackgroundSave(*this, job, std::move(written), report);
  // A data folder that the save made again is another folder to watch.
  if (!folderThere) dataFolderWatch_.Start(state_.DataFolder, Handle(), kDataFolderChangedMessage);
  switch (saved) {
    case SaveOutcome::Saved: return BackgroundSave::Outcome::Saved;
    case SaveOutcome::Failed: return BackgroundSave::Outcome::Failed;
    case SaveOutcome::GaveWay: return BackgroundSave::Outcome::NotNow;
  }
  return BackgroundSave::Outcome::Failed;
}

// The sheet changed: the plus/minus holders are drawn over the grid's edge, so they follow
// its repaint; the window's own rectangle is what a save writes.
void TToDoForm::SheetChanged(const SheetChange& change) {
  if (change.kind == SheetChange::Kind::Structure || change.kind == SheetChange::Kind::Look) {
    RepaintPlusMinusHolders();
  }
  backgroundSave_.Changed();
}

void TToDoForm::OnWindowMoved() {
  if (state_.ExpandState != ExpandStates::NotSetUp) sheet_.SetWindowRect(SavedRectangle(Rectangle(), state_));
}

// ---- message boxes ----

void TToDoForm::ShowInfoMessageBox(const std::u16string& text, const std::u16string& Überschrift) {
  boxes_.Info(text, Überschrift);
}

void TToDoForm::ShowErrorMessageBox(const std::u16string& text, const std::u16string& Überschrift) {
  boxes_.Error(text, Überschrift);
}

bool TToDoForm::ShowYesAndNoDialogBox(const std::u16string& text, const std::u16string& Überschrift) {
  return boxes_.YesOrNo(text, Überschrift);
}

void TToDoForm::ShowExceptionMessageBox(const std::u16string& methode) {
  boxes_.Error(ExceptionBoxText(methode), kExceptionBoxTitle);
}

void TToDoForm::ApplicationEventsOnException(const std::exception& failure) {
  ShowErrorMessageBox(UnhandledFailureText(FailureMessage(failure), FailureTypeName(failure)), kUnhandledFailureTitle);
}

// ---- start-up ----

void TToDoForm::FormCreate() {
  Guarded(*this, u"FormCreate", [&] {
    ToDoGrid.Model().ClearSelection();
    SetClientSize(0, ClientHeight());
    state_.CollapsedWidth = std::max(ClientWidth(), scale_(kCollapsedWidth));
    SetClientSize(scale_(kDesignClientWidth), scale_(kDesignClientHeight));
    Internationalization();
    state_.ExeFolder = ExtractFilePath(ExecutablePath());
    // The program comes to the front with its window (ShowAtStart).

    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> switches;
    for (int i = 1; arguments && i < count; ++i) switches.push_back(FromWide(arguments[i]));
    LocalFree(arguments);
    ReadCommandLine(switches, state_.Switches);

    if (FindDataFolder(*this)) {
      if (!LoadDataFile()) WaitForDataFile();
    } else {
      BuildFirstSheet();
    }
    state_.ExpandState = ExpandStates::Expanded;
    FormResize();
    startTimerArmed_ = SetTimer(Handle(), kStartTimer, 1, nullptr) != 0;
    // What start-up made is saved already.
    if (!waitingForDataFile_) BeginSaving();
  });
  loading_ = false;
  if (closeAfterLoading_) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TToDoForm::BeginSaving() {
  OnWindowMoved();
  backgroundSave_.Start(Handle(), kSaveTimer);
  edits_.Begin();
  dataFolderWatch_.Start(state_.DataFolder, Handle(), kDataFolderChangedMessage);
  // Copies that sync clients left while Pendra did not run are merged now.
  PostMessageW(Handle(), kDataFolderChangedMessage, 0, 0);
}

void TToDoForm::OnArrivalTimer() {
  KillTimer(Handle(), kArrivalTimer);
  dataFolderWatch_.Rearm();
  if (waitingForDataFile_ || loading_ || closed_) return;
  // The save on its way would take what it wrote for another program's version: the arrival is
  // looked at once it has ended.
  if (backgroundSave_.Busy()) {
    SetTimer(Handle(), kArrivalTimer, kArrivalRetryMs, nullptr);
    return;
  }
  if (TakeInArrival()) {
    arrivalRetries_ = 0;
  } else if (++arrivalRetries_ < kArrivalRetries) {
    SetTimer(Handle(), kArrivalTimer, kArrivalRetryMs, nullptr);
  } else {
    arrivalRetries_ = 0;
    SaveOverUnreadableVersion();
  }
}

void TToDoForm::SaveOverUnreadableVersion() {
  Guarded(*this, u"SaveOverUnreadableVersion", [&] {
    const SetAside setAside = SetAsideUnreadableVersion(state_);
    if (!setAside.saveOver) return;
    if (!setAside.kept.empty()) trayIcon_.Notify(kKeptUnreadableTitle, KeptUnreadableText(setAside.kept));
    SaveDataFile(*this);
  });
}

// The merged sheet is saved at once, so that both sides end with the same list. What the user is
// to know of it comes as a note at the tray icon, not as a box in the middle of typing.
bool TToDoForm::TakeInArrival() {
  Arrivals arrivals;
  Guarded(*this, u"TakeInArrival", [&] {
    arrivals = TakeInArrivals(sheet_, state_, edits_, ToDoGrid.Model());
    if (!arrivals.merged) return;
    ToDoGrid.SetScrollBarsAllowed(AllowedScrollBars(sheet_.ColCount()));
    std::u16string note;
    const auto addLine = [&note](const std::u16string& line) { note += (note.empty() ? u"" : u"\r\n") + line; };
    if (!arrivals.keptConflict.empty()) addLine(MergeConflictText(arrivals.keptConflict));
    if (!arrivals.keptOwnVersion.empty()) addLine(OwnVersionKeptText(arrivals.keptOwnVersion));
    if (!arrivals.movedCopies.empty()) {
      addLine(MergedCopiesText(arrivals.movedCopies.size(), state_.DataFolder + kMergedCopiesFolder));
    }
    if (!note.empty()) trayIcon_.Notify(kMergeConflictTitle, note);
    // A merge that brought nothing of this run's leaves the data file holding the sheet: saving it
    // again would send it back to the other PC, whose merge would save again, without end.
    if (arrivals.save) {
      if (SaveDataFile(*this)) backgroundSave_.Saved();
    } else if (arrivals.fileHoldsSheet) {
      backgroundSave_.Saved();
    }
  });
  return !arrivals.waiting;
}

std::u16string TToDoForm::DataFilePath() const { return state_.DataFolder + kDataFileName; }

// A file that could not be read because another program holds it is no damaged file: nothing of
// it is reported or kept aside, and the window waits for it. Checked after the read as well, for a
// hold that began in between.
bool TToDoForm::LoadDataFile() {
  if (FileInUse(DataFilePath())) return false;
  const LoadedFile loaded = XMLLaden(sheet_, state_, DataFilePath(), ScreenFactsOf(*this));
  if (!loaded.window && FileInUse(DataFilePath())) return false;
  if (!ApplyLoadedFile(*this, loaded)) ShowReports(*this, KeepUnreadableDataFile(state_));
  return true;
}

// No empty sheet stands in the list's place: the window waits in the middle of the screen at its
// first size.
void TToDoForm::WaitForDataFile() {
  waitingForDataFile_ = true;
  ShowSheetControls(false);
  SetPosition(CentredCoordinate(PrimaryScreenWidth(), ClientWidth()),
              CentredCoordinate(PrimaryScreenHeight(), ClientHeight()));
  SetTimer(Handle(), kDataFileTimer, kDataFileRetryMs, nullptr);
}

// The timer stops while the file is loaded, so that a report's message loop cannot load it twice.
void TToDoForm::OnDataFileTimer() {
  KillTimer(Handle(), kDataFileTimer);
  loading_ = true;
  waitingForDataFile_ = false;
  Guarded(*this, u"LoadDataFile", [&] {
    if (!LoadDataFile()) {
      waitingForDataFile_ = true;
      SetTimer(Handle(), kDataFileTimer, kDataFileRetryMs, nullptr);
      return;
    }
    ShowSheetControls(true);
    FormResize();
    GiveScrollBars();
    if (GetActiveWindow() == Handle()) {
      SetFocus(ToDoGrid.Handle());
    } else {
      focusedControl_ = ToDoGrid.Handle();
    }
    BeginSaving();
  });
  InvalidateRect(Handle(), nullptr, FALSE);
  loading_ = false;
  if (closeAfterLoading_) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TToDoForm::ShowSheetControls(bool shown) {
  const int show = shown ? SW_SHOWNA : SW_HIDE;
  ShowWindow(ToDoGrid.Handle(), show);
  for (PictureButton* button : {&PanelPlusRow, &PanelMinusRow, &PanelPlusColumn, &PanelMinusColumn}) {
    ShowWindow(button->Handle(), show);
  }
}

void TToDoForm::BuildFirstSheet() {
  Point place = FirstSheetPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), ClientWidth(),
                                   ClientHeight(), scale_);
  SetPosition(place.x, place.y);
  FillFirstSheet(sheet_);
  SetClientSize(scale_(kDesignClientWidth), scale_(kDesignClientHeight));
  state_.ExpandState = ExpandStates::Expanded;
  sheet_.SetTitleBold(false);
  sheet_.SetGridLines(true);
  AdjustColumnWidths();
  sheet_.SetSkinName(kNoSkinName);
  ChooseFirstSkin(*this);
  FormResize();
  decoration_.ImageLogo.visible = true;
  RepaintControlsForCitrix();
  // The About dialog and the first save come right after the window's first picture.
  firstStart_ = true;
}

// The window is shown already, unless under "-m"; the tray icon is no part of its first picture
// and comes after it.
void TToDoForm::tmrAnwendungsStartOnTimerTimer() {
  Guarded(*this, u"tmrAnwendungsStartOnTimerTimer", [&] {
    KillTimer(Handle(), kStartTimer);
    GiveScrollBars();
    if (visibility_ == Visibility::Hidden) {
      // A hidden window takes neither the activation nor the keys: what the user types goes on
      // to the program they are in. The grid gets the focus when the window is first shown.
      focusedControl_ = ToDoGrid.Handle();
    } else if (!waitingForDataFile_) {
      if (ToDoGrid.Model().ColCount() == 1) SetFocus(FocusButton());
      SetFocus(ToDoGrid.Handle());
    }
    ToDoGrid.Repaint();
    RepaintControlsForCitrix();
  });
  AfterFirstPicture();
}

// What is no part of the window's first picture: the tray icon, a first start's About dialog and
// first save, the summon key.
void TToDoForm::AfterFirstPicture() {
  trayIcon_.Add(Handle(), ProgramIcon(), state_.ApplicationTitle);
  if (std::exchange(firstStart_, false)) {
    mnuAboutClick();
    backgroundSave_.Finish();
    SaveDataFile(*this);
  }
  TakeRememberedSummonKey();
}

// ---- the ways out ----

// A close during start-up (a message box of the loading is open) waits for its end: until then
// the sheet may hold only part of the file, and the window is not in its place yet.
void TToDoForm::FormCloseQuery() {
  if (loading_) {
    closeAfterLoading_ = true;
    return;
  }
  if (closed_) return;
  closed_ = true;
  // The close saves by itself, and reports as always, after the save on its way has ended: the
  // data file then gets the sheet as it is at the close.
  backgroundSave_.Stop();
  dataFolderWatch_.Stop();
  // A start from now on waits for this instance to end instead of bringing it forward.
  SetPropW(Handle(), kEndingProperty, reinterpret_cast<HANDLE>(1));
  Guarded(*this, u"FormCloseQuery", [&] {
    // Without the list there is nothing to save, and nothing may stand in its place.
    // A version of another program not yet taken in (its notice still to come, or lost) is merged
    // first.
    if (!waitingForDataFile_) {
      TakeInArrival();
      SaveDataFile(*this);
    }
    ProcessPendingMessages();
  });
  DestroyWindow(Handle());
}

// Windows ends the process right after this message: save now, the normal way. During start-up
// nothing of the user's is unsaved yet, and a sheet loaded only in part must not replace the file.
void TToDoForm::OnEndSession(bool ending) {
  if (ending && !loading_) FormCloseQuery();
}

void TToDoForm::mnuExitClick() {
  Guarded(*this, u"Close", [&] { PostMessageW(Handle(), WM_CLOSE, 0, 0); });
}

void TToDoForm::Restart() {
  Guarded(*this, u"Restart", [&] {
    state_.ApplicationTitle = u"Pendra Exit";
    // The new instance sees this mark and waits for this one to end instead of
    // bringing this closing window forward.
    SetPropW(Handle(), kEndingProperty, reinterpret_cast<HANDLE>(1));
    std::u16string exe = ExecutablePath();
    ShellExecuteW(Handle(), L"open", Wide(exe), nullptr, nullptr, SW_SHOWNORMAL);
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
  });
}

void TToDoForm::mnuOpenFolderHereClick() {
  Guarded(*this, u"OpenFolderHereClick", [&] {
    std::u16string parameters = u"/select,\"" + state_.DataFolder + kDataFileName + u"\"";
    ShellExecuteW(Handle(), L"open", L"explorer.exe", Wide(parameters), nullptr, SW_SHOWNORMAL);
  });
}

void TToDoForm::mnuListFolderClick() {
  Guarded(*this, u"mnuListFolderClick", [&] {
    const std::optional<std::u16string> folder = PickFolder(Handle(), kMoveListTitle, state_.DataFolder);
    if (!folder) return;
    backgroundSave_.Finish();
    const ListMove move = MoveListTo(*folder, PerUserDataFolder(ApplicationDataFolder(), CurrentDirectory()),
                                     SavedRectangle(Rectangle(), state_), sheet_, state_, edits_, ToDoGrid.Model());
    ShowReports(*this, move.reports);
    if (!move.moved) return;
    SetCurrentDirectoryTo(state_.DataFolder);
    dataFolderWatch_.Start(state_.DataFolder, Handle(), kDataFolderChangedMessage);
    ToDoGrid.SetScrollBarsAllowed(AllowedScrollBars(sheet_.ColCount()));
  });
}

// The focused control stays the same while the window is inactive: the grid (or its
// editor) gets the keys again when the window comes back.
bool TToDoForm::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) focusedControl_ = focus;
    // The summon key's next press finds the window as the user left it; the window may pass
    // through an inactive state while it is shown or put away.
    if (!changingVisibility_) {
      beforeSummon_ = {};
      focusBeforeSummon_ = nullptr;
    }
    return false;
  }
  if (!focusedControl_ || !IsWindow(focusedControl_) || !IsWindowVisible(focusedControl_)) return false;
  SetFocus(focusedControl_);
  return true;
}

// ---- tray icon and minimize ----

void TToDoForm::OnTrayMessage(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP: TrayIconClick(); break;
    case WM_RBUTTONUP: OpenPopupMenuAtCursor(); break;
  }
}

void TToDoForm::TrayIconClick() {
  Guarded(*this, u"TrayIconClick", [&] { ChangeVisibilityBy(VisibilityCause::TrayClick); });
}

void TToDoForm::ImageMinimizeIconClick() { ChangeVisibilityBy(VisibilityCause::Minimize); }

// When hiding left the window active, the system found no other window to take over: the next
// visible window below it in the z-order gets the activation, else none has it.
void TToDoForm::GiveUpActivation() {
  if (GetForegroundWindow() != Handle() && GetActiveWindow() != Handle()) return;
  for (HWND next = GetWindow(Handle(), GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
    if (IsWindowVisible(next) && IsWindowEnabled(next) && !GetWindow(next, GW_OWNER)) {
      SetForegroundWindow(next);
      return;
    }
  }
  SetActiveWindow(nullptr);
}

// ---- steps other parts fill in ----

// The dialog comes above the main window, which is back in the top-most band right after, as
// the dialog is modeless; the new dialog then goes to the front of the band, before the dialogs
// of earlier openings that came back with the main window. A hidden main window (the first
// start builds its sheet before it shows) stays where it is: a hidden window cannot always be
// put back into the band.
void TToDoForm::mnuAboutClick() {
  if (!IsWindowVisible(Handle())) {
    showInfo_.ShowProgramInfo(Handle());
    return;
  }
  constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly);
  showInfo_.ShowProgramInfo(Handle());
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly);
  SetWindowPos(showInfo_.ShowInfoDialog()->Handle(), HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly);
}

}  // namespace pendra
