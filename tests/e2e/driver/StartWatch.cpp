#include "StartWatch.h"

#include <algorithm>

namespace driver {

long long UnixMicroseconds() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  constexpr unsigned long long kUnixEpochIn100ns = 116444736000000000ULL;  // 1970 counted from 1601
  return static_cast<long long>((ticks.QuadPart - kUnixEpochIn100ns) / 10);
}

// FindWindowW compares the captions the system keeps for windows and sends no message, so a look
// neither waits for a busy program nor disturbs it.
static HWND Look(const WindowKey& key) {
  return FindWindowW(key.className.c_str(), key.title == L"*" ? nullptr : key.title.c_str());
}

bool WatchStart(const WindowKey& key, const std::wstring& readyFile, DWORD waitMs, Report& report) {
  Look(key);  // the first call loads what the search needs
  Report ready;
  ready.Add(L"ready_at", UnixMicroseconds());
  if (!ready.Write(readyFile)) return false;

  long long start = UnixMicroseconds(), previous = start, existsAt = 0, visibleAt = 0, gap = 0, looks = 0;
  HWND window = nullptr;
  for (;;) {
    window = Look(key);
    ++looks;
    long long now = UnixMicroseconds();
    gap = std::max(gap, now - previous);
    previous = now;
    if (window && !existsAt) existsAt = now;
    if (window && IsWindowVisible(window)) {
      visibleAt = now;
      break;
    }
    if (now - start >= static_cast<long long>(waitMs) * 1000) break;
    Sleep(1);  // one millisecond under Wine; a busy loop would take a core from the starting program
  }
  report.Add(L"exists_at", existsAt);
  report.Add(L"visible_at", visibleAt);
  report.Add(L"gap_us", gap);
  report.Add(L"looks", looks);
  report.Add(L"watched_us", previous - start);
  report.AddFlag(L"found", window != nullptr);
  if (window) Describe(window, report);
  return visibleAt != 0;
}

}  // namespace driver
