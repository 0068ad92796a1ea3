// The main window's summon key: taken at start, pressed anywhere, chosen in its dialog.
#include "app/PendraUnit_win.h"
#include "app/SummonKeyDialog_win.h"
#include "lang/Texts.h"
#include "platform/Failure.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
#include "sheet/DataFolder.h"
#include "sheet/SheetRules.h"
#include "ui/NewTaskPlace.h"

namespace pendra {

// The remembered key, or the default one. When another program holds it, the user hears of it
// once for that key, and the program works on without it.
void TToDoForm::TakeRememberedSummonKey() {
  const std::u16string perUser = PerUserDataFolder(ApplicationDataFolder(), CurrentDirectory());
  summonKey_ = RememberedSummonKey(perUser);
  if (summonKey_.key.IsOff() || TakeSummonKey(summonKey_.key)) return;
  summonKeyTaken_ = true;
  if (summonKey_.takenNoted) return;
  trayIcon_.Notify(kSummonKeyTexts.takenNoteTitle,
                   SummonKeyTakenText(SummonKeyName(summonKey_.key, KeyNameOf(summonKey_.key.key))));
  summonKey_.takenNoted = true;
  try {
    RememberSummonKey(perUser, summonKey_);
  } catch (...) {
    // Not remembered: the note comes again at the next start.
  }
}

// The old key stays when the new one cannot be had.
bool TToDoForm::TakeSummonKey(SummonKey key) {
  if (key.IsOff()) {
    summonHotKey_.Release();
    return true;
  }
  if (summonHotKey_.Take(Handle(), kSummonHotKeyId, key.modifiers, key.key)) return true;
  if (!summonKeyTaken_ && !summonKey_.key.IsOff()) {
    summonHotKey_.Take(Handle(), kSummonHotKeyId, summonKey_.key.modifiers, summonKey_.key.key);
  }
  return false;
}

// While a dialog or a message box of the program is open, the key brings that forward.
void TToDoForm::OnSummonKey() {
  Guarded(*this, u"OnSummonKey", [&] {
    if (closed_ || loading_) return;
    if (!IsWindowEnabled(Handle())) {
      SetForegroundWindow(GetLastActivePopup(Handle()));
      return;
    }
    ChangeVisibilityBy(VisibilityCause::SummonKey);
  });
}

void TToDoForm::OpenNewTask() {
  if (waitingForDataFile_ || state_.ExpandState != ExpandStates::Expanded) return;
  const NewTaskPlace place = FindNewTaskPlace(sheet_);
  if (place.cell.col < 0) {
    SetFocus(ToDoGrid.Handle());
    return;
  }
  if (place.addRow) {
    edits_.Command();
    if (!AddRow(sheet_)) return;
  }
  ToDoGrid.EditCell(place.cell);
}

void TToDoForm::ReturnFocus() {
  HWND previous = std::exchange(focusBeforeSummon_, nullptr);
  beforeSummon_ = {};
  if (previous && IsWindow(previous) && previous != Handle() && SetForegroundWindow(previous)) return;
  GiveUpActivation();
}

void TToDoForm::mnuSummonKeyClick() {
  const std::optional<SummonKey> chosen =
      ChooseSummonKey(Handle(), summonKey_.key, summonKeyTaken_, [this](SummonKey key) { return TakeSummonKey(key); });
  if (!chosen) return;
  summonKey_ = {*chosen, false};
  summonKeyTaken_ = false;
  try {
    RememberSummonKey(PerUserDataFolder(ApplicationDataFolder(), CurrentDirectory()), summonKey_);
  } catch (const std::exception& failure) {
    ShowErrorMessageBox(UnhandledFailureText(FailureMessage(failure), FailureTypeName(failure)),
                        kSummonKeyTexts.dialogTitle);
  }
}

}  // namespace pendra
