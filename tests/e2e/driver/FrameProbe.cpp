#include "FrameProbe.h"

namespace driver {

bool RecordRectangles(HWND window, int untilWidth, const std::wstring& readyFile, DWORD waitMs, Report& report) {
  std::vector<RECT> seen(1);
  GetWindowRect(window, &seen.back());
  if (!readyFile.empty()) {
    Report ready;
    ready.AddFlag(L"ready", true);
    if (!ready.Write(readyFile)) return false;
  }
  DWORD start = GetTickCount();
  bool reached = false;
  for (;;) {
    RECT now{};
    if (!GetWindowRect(window, &now)) break;
    if (!EqualRect(&now, &seen.back())) seen.push_back(now);
    reached = now.right - now.left == untilWidth;
    if (reached || GetTickCount() - start >= waitMs) break;
    Sleep(1);  // one millisecond under Wine; a busy loop would take a core from the program it watches
  }
  report.AddFlag(L"reached", reached);
  report.Add(L"count", static_cast<long long>(seen.size()));
  for (size_t i = 0; i < seen.size(); ++i) {
    const std::wstring prefix = L"rect." + std::to_wstring(i) + L".";
    report.Add(prefix + L"left", seen[i].left);
    report.Add(prefix + L"top", seen[i].top);
    report.Add(prefix + L"width", seen[i].right - seen[i].left);
    report.Add(prefix + L"height", seen[i].bottom - seen[i].top);
  }
  return reached;
}

bool HitTests(HWND window, const std::vector<POINT>& points, Report& report) {
  report.Add(L"count", static_cast<long long>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(points[i].x, points[i].y), SMTO_ABORTIFHUNG, 2000,
                             &answer))
      return false;
    report.Add(L"hit." + std::to_wstring(i), static_cast<long long>(static_cast<LRESULT>(answer)));
  }
  return true;
}

}  // namespace driver
