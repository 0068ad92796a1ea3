// Program entry: one instance per logon, the main window and a hidden About dialog, the
// message loop.
#include <windows.h>

#include "app/PendraUnit_win.h"
#include "app/SingleInstance_win.h"

namespace {

pendra::TToDoForm* ToDoForm = nullptr;

void ApplicationEventsOnException(const std::exception& failure) {
  if (ToDoForm) ToDoForm->ApplicationEventsOnException(failure);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!pendra::ClaimSingleInstance()) return 0;
  pendra::SetUnhandledFailureHandler(ApplicationEventsOnException);
  pendra::TToDoForm form;
  ToDoForm = &form;
  form.Create();
  // Without its window the program could never be reached nor ended: it ends at once.
  if (form.Handle()) {
    form.ShowAtStart();
    // The hidden dialog is no part of the window's first picture: it comes after it.
    form.CreateHiddenInfoDialog();
    RunMessageLoop();
  }
  ToDoForm = nullptr;
  return 0;
}
