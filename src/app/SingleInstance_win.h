#pragma once
// One instance per logon: the named mutex "ToDoMutex" marks a running instance, and a
// second start brings that instance's main window forward instead of opening a sheet. A start
// that finds the mark but no window waits for the window of an instance that is starting, or
// takes the mark over from one that is ending.
#include <windows.h>

namespace pendra {

inline constexpr wchar_t kMainWindowClass[] = L"TToDoForm";
inline constexpr wchar_t kMainWindowCaption[] = L"Pendra";
// Set on the main window of an instance that is ending (closing, or restarting itself); a new
// instance that finds it waits for that instance to end instead of taking it for a running one.
inline constexpr wchar_t kEndingProperty[] = L"PendraEnding";

// What a second start asks of the running instance's main window, and the window's answer once
// it has brought itself forward. An instance that does not know the message answers 0.
UINT BringForwardMessage();
inline constexpr LRESULT kBroughtForward = 0x50656e;

// A top-level window of class TToDoForm captioned "Pendra", both compared without regard
// to case by the user's locale.
bool IsRunningMainWindow(HWND window);

// True when this process may start; false when a running instance was brought forward.
// A starting process keeps the mutex handle for its whole life.
bool ClaimSingleInstance();

}  // namespace pendra
