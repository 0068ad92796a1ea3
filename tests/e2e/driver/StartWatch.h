#pragma once
// Watching a program start from before it runs, so that the driver's own start-up is not part of
// what is measured.
#include <windows.h>

#include <string>

#include "Report.h"
#include "TopLevelWindows.h"

namespace driver {

// Microseconds since 1970-01-01 UTC by GetSystemTimePreciseAsFileTime. Under Wine this is the
// Linux CLOCK_REALTIME, the clock of Python's time.time(), so the two can be compared directly.
long long UnixMicroseconds();

// Writes "ready_at=<UnixMicroseconds>" to the ready file once it is watching, then looks about
// every millisecond for a visible window of the key until `waitMs` passed. Reports when the window
// was first seen existing and visible (exists_at, visible_at, in microseconds as above), how often
// it looked in how long (looks, watched_us) and the longest gap between two looks (gap_us: how late
// a moment can be), then the window itself as "find" does. True when the window became visible.
bool WatchStart(const WindowKey& key, const std::wstring& readyFile, DWORD waitMs, Report& report);

}  // namespace driver
