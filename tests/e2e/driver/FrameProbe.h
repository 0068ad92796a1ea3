#pragma once
// Looking at a window's frame from outside: its rectangle while it changes, and what it answers
// to the system's hit-test.
#include <windows.h>

#include <string>
#include <vector>

#include "Report.h"

namespace driver {

// Writes the ready file (unless its path is empty) once it is watching, then records every
// distinct screen rectangle of the window ("rect.N.left", top, width, height; "count") until
// its width is `untilWidth` or `waitMs` passed. True when that width was reached ("reached").
bool RecordRectangles(HWND window, int untilWidth, const std::wstring& readyFile, DWORD waitMs, Report& report);

// Sends WM_NCHITTEST for each screen point, as the system does when the mouse moves there, and
// reports the answers as "hit.N" ("count"). False when the window did not answer.
bool HitTests(HWND window, const std::vector<POINT>& points, Report& report);

}  // namespace driver
