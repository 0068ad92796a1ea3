// PendraDriver: observes and drives Pendra (or any window) in the same Wine desktop, the way a user
// or a second program would. One command per run; the answer is "key=value" lines (UTF-8, values
// escaped as in Report.h) on standard output, or in the file given by "--out".
//
//   find [--until exists|visible|hidden|gone]   the first main window: class, caption, rectangle, ...
//   count                                       number of main windows (and how many are visible)
//   windows                                     every top-level window
//   focus                                       active, focused and capturing window of the main window's thread
//   sync [--rounds N]                           waits until the main window's thread has handled N messages
//                                               (default 5): what was queued or due before has been handled
//   boxes                                       visible message boxes: title, text, buttons
//   answer TITLE ok|cancel|yes|no|ID            presses a button of the box with that title ("*": any)
//   keys CHORD...                               e.g. "ctrl+c" "Return" "shift+F10"
//   type TEXT                                   characters (escaped like the answer)
//   click X Y [--button right] [--double] [--mods ctrl+shift]
//   drag X1 Y1 X2 Y2 [--button B] [--steps N] [--mods M]
//   wheel X Y NOTCHES | move X Y                screen coordinates
//   clip-get | clip-set TEXT | clip-set-picture | clip-clear
//   close                                       posts WM_CLOSE to the main window
//   post MSG [WPARAM [LPARAM]]                  posts a message to the main window (numbers, 0x.. allowed)
//   pixel X Y                                   colour of a screen pixel
//   watch --ready FILE                          writes FILE when watching, then reports when the main window
//                                               was first seen and visible, looking every millisecond
//   rects --until-width W [--ready FILE]        writes FILE when watching, then reports every distinct rectangle
//                                               of the main window until it is W wide (or --wait ends)
//   hittest X Y [X Y ...]                       the main window's WM_NCHITTEST answers at screen points
//   menu X Y                                    opens the popup menu with a right click there and reports its
//                                               items as the program holds them (item.N: a tab per submenu
//                                               level, "-" a separator), then closes it; needs MenuProbe.dll
//   modules                                     the DLLs the main window's process has loaded (module.N, lower case)
//   hold FILE MS --ready FILE2                  holds FILE open without sharing for MS milliseconds, as a
//                                               backup or a virus scanner may; writes FILE2 once it holds it
//   answers MS [--ready FILE]                   asks the main window an empty question (WM_NULL through
//                                               SendMessageTimeout) again and again for MS milliseconds, after
//                                               writing FILE; reports count, unanswered, and the longest, median
//                                               and 99th-percentile answer in microseconds (longest_us, p50_us,
//                                               p99_us), longest_at_ms, when the longest one was asked, and
//                                               every answer of 10 ms or more (slow.N: asked at ms, took us)
//   hotkey CHORD MS --ready FILE                holds the global hot key CHORD ("ctrl+alt+space") for MS
//                                               milliseconds, as another program may; writes FILE then
//   summon CHORD [--editor yes]                 presses CHORD where the keys are and reports ready_us, the
//                                               microseconds until the main window is visible in front (and
//                                               its focus in an edit field)
//   dpi-change DPI LEFT TOP WIDTH HEIGHT        the main window learns it is on a display of that dpi, with
//                                               that suggested rectangle (WM_DPICHANGED); needs MenuProbe.dll
//   high-contrast on|off                        the main window's process sees high contrast switched on (with
//                                               a dark theme's system colours) or off again, and is told so as
//                                               Windows tells it; needs MenuProbe.dll
//   accessible-tree                             every accessible object below the main window's client area
//                                               (node.N: depth, role, state, name, value, location; tabs)
//   accessible-focus                            name and role of the accessible object that has the focus
//   accessible-press NAME                       runs the default action of the first object of that name
//
// Options for every command: --class NAME and --title TEXT choose the main window (default TToDoForm,
// "Pendra"; title "*" matches any); --wait MS waits that long for the window, box or condition.
// Input commands first bring the main window to the foreground unless its process already owns it
// ("--focus no" skips that). Exit code: 0 done, 1 not found or failed, 2 bad usage.
#include <windows.h>

#include <objbase.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Accessibility.h"
#include "Clipboard.h"
#include "FrameProbe.h"
#include "Input.h"
#include "MenuCaptions.h"
#include "MessageBoxes.h"
#include "Report.h"
#include "StartWatch.h"
#include "TopLevelWindows.h"

using namespace driver;

namespace {

constexpr int kDone = 0, kFailed = 1, kUsage = 2;

struct Arguments {
  std::vector<std::wstring> positional;
  std::map<std::wstring, std::wstring> options;
  std::set<std::wstring> flags;

  std::wstring Option(const std::wstring& name, const std::wstring& fallback = L"") const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
  }
  DWORD WaitMs() const { return static_cast<DWORD>(_wtoi(Option(L"wait", L"0").c_str())); }
  WindowKey Key() const {
    WindowKey key;
    key.className = Option(L"class", key.className);
    key.title = Option(L"title", key.title);
    return key;
  }
};

struct UsageError {
  std::wstring message;
};

const std::set<std::wstring> kFlagOptions = {L"double"};

Arguments Parse(int argc, wchar_t** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    std::wstring word = argv[i];
    if (word.rfind(L"--", 0) != 0 || word.size() == 2) {
      args.positional.push_back(word);
      continue;
    }
    std::wstring name = word.substr(2);
    if (kFlagOptions.count(name)) {
      args.flags.insert(name);
    } else {
      if (i + 1 >= argc) throw UsageError{L"option without value: " + word};
      args.options[name] = argv[++i];
    }
  }
  return args;
}

long long Number(const std::wstring& text) {
  wchar_t* end = nullptr;
  long long value = wcstoll(text.c_str(), &end, 0);
  if (text.empty() || *end) throw UsageError{L"not a number: " + text};
  return value;
}

const std::wstring& Positional(const Arguments& args, size_t index) {
  if (index >= args.positional.size()) throw UsageError{L"missing argument"};
  return args.positional[index];
}

POINT PointAt(const Arguments& args, size_t index) {
  return POINT{static_cast<LONG>(Number(Positional(args, index))),
               static_cast<LONG>(Number(Positional(args, index + 1)))};
}

// Polls the condition every 20 ms until it holds or the time is up; true when it held.
bool WaitFor(DWORD ms, const std::function<bool()>& condition) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= ms) return false;
    Sleep(20);
  }
}

HWND WaitForMain(const Arguments& args) {
  HWND main = nullptr;
  WaitFor(args.WaitMs(), [&] { return (main = FindFirst(args.Key())) != nullptr; });
  return main;
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  if (window) GetWindowThreadProcessId(window, &pid);
  return pid;
}

// Brings the main window to the foreground (unless its process already has it) and returns the
// window whose thread input is settled against.
HWND PrepareInput(const Arguments& args) {
  HWND main = WaitForMain(args);
  if (!main) return GetForegroundWindow();
  if (args.Option(L"focus", L"yes") != L"no" && ProcessOf(GetForegroundWindow()) != ProcessOf(main)) {
    SetForegroundWindow(main);
    WaitFor(1000, [&] { return GetForegroundWindow() == main; });
  }
  HWND foreground = GetForegroundWindow();
  return ProcessOf(foreground) == ProcessOf(main) ? foreground : main;
}

int Find(const Arguments& args, Report& report) {
  std::wstring until = args.Option(L"until", L"exists");
  if (until != L"exists" && until != L"visible" && until != L"hidden" && until != L"gone")
    throw UsageError{L"unknown condition: " + until};
  HWND main = nullptr;
  bool held = WaitFor(args.WaitMs(), [&] {
    main = FindFirst(args.Key());
    if (until == L"gone") return main == nullptr;
    if (!main) return false;
    return until == L"exists" || (until == L"visible") == (IsWindowVisible(main) != 0);
  });
  report.AddFlag(L"found", main != nullptr);
  if (main) Describe(main, report);
  return held ? kDone : kFailed;
}

int Count(const Arguments& args, Report& report) {
  auto found = FindWindows(args.Key());
  long long visible = 0;
  for (HWND w : found) visible += IsWindowVisible(w) ? 1 : 0;
  report.Add(L"count", static_cast<long long>(found.size()));
  report.Add(L"visible", visible);
  return kDone;
}

int Modules(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, ProcessOf(main));
  if (snapshot == INVALID_HANDLE_VALUE) return kFailed;
  std::vector<std::wstring> names;
  MODULEENTRY32W module{};
  module.dwSize = sizeof(module);
  for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module)) {
    std::wstring name = module.szModule;
    std::transform(name.begin(), name.end(), name.begin(), towlower);
    names.push_back(name);
  }
  CloseHandle(snapshot);
  report.Add(L"count", static_cast<long long>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) report.Add(L"module." + std::to_wstring(i), names[i]);
  return kDone;
}

int ListWindows(const Arguments&, Report& report) {
  auto windows = TopLevelWindows();
  report.Add(L"count", static_cast<long long>(windows.size()));
  for (size_t i = 0; i < windows.size(); ++i) Describe(windows[i], report, L"window." + std::to_wstring(i) + L".");
  return kDone;
}

int Focus(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return kFailed;
  auto add = [&](const std::wstring& name, HWND window) {
    report.Add(name + L"_hwnd", Hex(reinterpret_cast<ULONG_PTR>(window)));
    report.Add(name + L"_class", window ? ClassOf(window) : L"");
    report.Add(name + L"_text", window ? TextOf(window) : L"");
  };
  add(L"active", info.hwndActive);
  add(L"focus", info.hwndFocus);
  add(L"capture", info.hwndCapture);
  report.AddFlag(L"menu_mode", (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0);
  return kDone;
}

int Sync(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  report.AddFlag(L"found", main != nullptr);
  if (!main) return kFailed;
  SyncWith(main, static_cast<int>(Number(args.Option(L"rounds", L"5"))));
  return kDone;
}

int Boxes(const Arguments& args, Report& report) {
  std::vector<HWND> boxes;
  WaitFor(args.WaitMs(), [&] { return !(boxes = MessageBoxes()).empty(); });
  report.Add(L"count", static_cast<long long>(boxes.size()));
  for (size_t i = 0; i < boxes.size(); ++i) DescribeBox(boxes[i], report, L"box." + std::to_wstring(i) + L".");
  return kDone;
}

int ButtonId(const std::wstring& name) {
  static const std::map<std::wstring, int> ids = {{L"ok", IDOK},        {L"cancel", IDCANCEL}, {L"yes", IDYES},
                                                  {L"no", IDNO},        {L"abort", IDABORT},   {L"retry", IDRETRY},
                                                  {L"ignore", IDIGNORE}};
  auto it = ids.find(name);
  return it != ids.end() ? it->second : static_cast<int>(Number(name));
}

int Answer(const Arguments& args, Report& report) {
  const std::wstring& title = Positional(args, 0);
  int id = ButtonId(Positional(args, 1));
  HWND box = nullptr;
  WaitFor(args.WaitMs(), [&] { return (box = FindMessageBox(title)) != nullptr; });
  report.AddFlag(L"found", box != nullptr);
  if (!box) return kFailed;
  DescribeBox(box, report, L"box.");
  bool pressed = PressButton(box, id);
  bool closed = pressed && WaitFor(std::max<DWORD>(args.WaitMs(), 2000), [&] { return !IsWindow(box); });
  report.AddFlag(L"answered", closed);
  return closed ? kDone : kFailed;
}

int Keys(const Arguments& args, Report&) {
  std::vector<KeyChord> chords;
  for (const auto& spec : args.positional) {
    KeyChord chord;
    if (!ParseChord(spec, chord)) throw UsageError{L"unknown key: " + spec};
    chords.push_back(chord);
  }
  if (chords.empty()) throw UsageError{L"no keys"};
  HWND settle = PrepareInput(args);
  for (const auto& chord : chords) PressChord(chord, settle);
  return kDone;
}

int Type(const Arguments& args, Report&) {
  std::wstring text = Unescape(Positional(args, 0));
  TypeText(text, PrepareInput(args));
  return kDone;
}

struct MouseOptions {
  MouseButton button = MouseButton::Left;
  std::vector<WORD> modifiers;
};

MouseOptions ParseMouseOptions(const Arguments& args) {
  MouseOptions options;
  if (!ParseMouseButton(args.Option(L"button", L"left"), options.button)) throw UsageError{L"unknown button"};
  if (!ParseModifiers(args.Option(L"mods"), options.modifiers)) throw UsageError{L"unknown modifier"};
  return options;
}

int ClickCommand(const Arguments& args, Report&) {
  POINT at = PointAt(args, 0);
  MouseOptions options = ParseMouseOptions(args);
  Click(at, options.button, args.flags.count(L"double") > 0, options.modifiers, PrepareInput(args));
  return kDone;
}

int DragCommand(const Arguments& args, Report&) {
  POINT from = PointAt(args, 0), to = PointAt(args, 2);
  MouseOptions options = ParseMouseOptions(args);
  int steps = static_cast<int>(Number(args.Option(L"steps", L"8")));
  if (steps < 1) throw UsageError{L"steps must be at least 1"};
  Drag(from, to, options.button, steps, options.modifiers, PrepareInput(args));
  return kDone;
}

int WheelCommand(const Arguments& args, Report&) {
  POINT at = PointAt(args, 0);
  int notches = static_cast<int>(Number(Positional(args, 2)));
  Wheel(at, notches, PrepareInput(args));
  return kDone;
}

int MoveCommand(const Arguments& args, Report&) {
  MoveMouse(PointAt(args, 0), PrepareInput(args));
  return kDone;
}

int ClipGet(const Arguments&, Report& report) {
  auto text = ClipboardText();
  std::wstring formats;
  for (UINT f : ClipboardFormats()) formats += (formats.empty() ? L"" : L",") + std::to_wstring(f);
  report.AddFlag(L"has_text", text.has_value());
  report.Add(L"text", text.value_or(L""));
  report.Add(L"formats", formats);
  return kDone;
}

int ClipSet(const Arguments& args, Report&) {
  return SetClipboardText(Unescape(Positional(args, 0))) ? kDone : kFailed;
}
int ClipSetPicture(const Arguments&, Report&) { return SetClipboardPicture() ? kDone : kFailed; }
int ClipClear(const Arguments&, Report&) { return ClearClipboard() ? kDone : kFailed; }

int PostToMain(const Arguments& args, Report& report, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND main = WaitForMain(args);
  report.AddFlag(L"found", main != nullptr);
  return main && PostMessageW(main, message, wParam, lParam) ? kDone : kFailed;
}

int Close(const Arguments& args, Report& report) { return PostToMain(args, report, WM_CLOSE, 0, 0); }

int Post(const Arguments& args, Report& report) {
  auto message = static_cast<UINT>(Number(Positional(args, 0)));
  auto wParam = static_cast<WPARAM>(args.positional.size() > 1 ? Number(args.positional[1]) : 0);
  auto lParam = static_cast<LPARAM>(args.positional.size() > 2 ? Number(args.positional[2]) : 0);
  return PostToMain(args, report, message, wParam, lParam);
}

int Pixel(const Arguments& args, Report& report) {
  POINT at = PointAt(args, 0);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  if (colour == CLR_INVALID) return kFailed;
  wchar_t hex[8];
  swprintf(hex, 8, L"#%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  report.Add(L"color", hex);
  return kDone;
}

int Watch(const Arguments& args, Report& report) {
  std::wstring ready = args.Option(L"ready");
  if (ready.empty()) throw UsageError{L"watch needs --ready FILE"};
  return WatchStart(args.Key(), ready, args.WaitMs(), report) ? kDone : kFailed;
}

int Rects(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  report.AddFlag(L"found", main != nullptr);
  if (!main) return kFailed;
  int width = static_cast<int>(Number(args.Option(L"until-width")));
  return RecordRectangles(main, width, args.Option(L"ready"), args.WaitMs(), report) ? kDone : kFailed;
}

int HitTest(const Arguments& args, Report& report) {
  if (args.positional.empty() || args.positional.size() % 2) throw UsageError{L"hittest needs X Y pairs"};
  std::vector<POINT> points;
  for (size_t i = 0; i < args.positional.size(); i += 2) points.push_back(PointAt(args, i));
  HWND main = WaitForMain(args);
  report.AddFlag(L"found", main != nullptr);
  return main && HitTests(main, points, report) ? kDone : kFailed;
}

int Hold(const Arguments& args, Report&) {
  const std::wstring ready = args.Option(L"ready");
  if (ready.empty()) throw UsageError{L"hold needs --ready FILE"};
  const DWORD ms = static_cast<DWORD>(Number(Positional(args, 1)));
  HANDLE file = CreateFileW(Positional(args, 0).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kFailed;
  HANDLE mark = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  Sleep(ms);
  CloseHandle(file);
  return kDone;
}

// How long the main window takes to answer, while whatever it does goes on.
int Answers(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  const long long duration = Number(Positional(args, 0));
  const std::wstring ready = args.Option(L"ready");
  if (!ready.empty()) {
    HANDLE mark = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  }
  LARGE_INTEGER frequency, start, asked, answered;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const auto microseconds = [&](LARGE_INTEGER from, LARGE_INTEGER to) {
    return (to.QuadPart - from.QuadPart) * 1'000'000 / frequency.QuadPart;
  };
  std::vector<long long> times;
  std::vector<std::wstring> slow;
  long long unanswered = 0, longest = 0, longestAt = 0;
  for (QueryPerformanceCounter(&asked); microseconds(start, asked) < duration * 1000; QueryPerformanceCounter(&asked)) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) ++unanswered;
    QueryPerformanceCounter(&answered);
    const long long took = microseconds(asked, answered);
    if (times.empty() || took > longest) {
      longest = took;
      longestAt = microseconds(start, asked);
    }
    times.push_back(took);
    if (took >= 10'000)
      slow.push_back(std::to_wstring(microseconds(start, asked) / 1000) + L" " + std::to_wstring(took));
    Sleep(1);
  }
  std::sort(times.begin(), times.end());
  report.Add(L"count", static_cast<long long>(times.size()));
  report.Add(L"unanswered", unanswered);
  if (times.empty()) return kDone;
  report.Add(L"longest_us", times.back());
  report.Add(L"p50_us", times[times.size() / 2]);
  report.Add(L"p99_us", times[times.size() * 99 / 100]);
  report.Add(L"longest_at_ms", longestAt / 1000);
  for (size_t i = 0; i < slow.size(); ++i) report.Add(L"slow." + std::to_wstring(i), slow[i]);
  return kDone;
}

// Holds the key as another program may, until MS milliseconds passed; "held" says whether the system
// gave it.
int HoldHotKey(const Arguments& args, Report& report) {
  const std::wstring ready = args.Option(L"ready");
  if (ready.empty()) throw UsageError{L"hotkey needs --ready FILE"};
  KeyChord chord;
  if (!ParseChord(Positional(args, 0), chord)) throw UsageError{L"unknown key"};
  UINT modifiers = MOD_NOREPEAT;
  for (WORD vk : chord.modifiers) {
    modifiers |= vk == VK_CONTROL ? MOD_CONTROL : vk == VK_SHIFT ? MOD_SHIFT : vk == VK_MENU ? MOD_ALT : MOD_WIN;
  }
  const bool held = RegisterHotKey(nullptr, 1, modifiers, chord.key) != FALSE;
  report.AddFlag(L"held", held);
  HANDLE mark = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  Sleep(static_cast<DWORD>(Number(Positional(args, 1))));
  if (held) UnregisterHotKey(nullptr, 1);
  return held ? kDone : kFailed;
}

// Presses the chord in whatever window has the keys and times, from the press, until the main window
// is visible in the foreground and, with "--editor yes", until its thread's focus is an edit field.
int Summon(const Arguments& args, Report& report) {
  KeyChord chord;
  if (!ParseChord(Positional(args, 0), chord)) throw UsageError{L"unknown key"};
  HWND main = WaitForMain(args);
  report.AddFlag(L"found", main != nullptr);
  if (!main) return kFailed;
  const bool editor = args.Option(L"editor", L"no") == L"yes";
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  auto ready = [&] {
    if (!IsWindowVisible(main) || GetForegroundWindow() != main) return false;
    if (!editor) return true;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndFocus && ClassOf(info.hwndFocus) == L"Edit";
  };
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  PressChord(chord, nullptr);
  // Looks every millisecond, as the start watch does.
  const DWORD begin = GetTickCount();
  bool done = false;
  while (!(done = ready()) && GetTickCount() - begin < std::max<DWORD>(args.WaitMs(), 5000)) Sleep(1);
  QueryPerformanceCounter(&now);
  report.AddFlag(L"ready", done);
  report.Add(L"ready_us", static_cast<long long>((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart));
  return done ? kDone : kFailed;
}

using Command = int (*)(const Arguments&, Report&);

int Menu(const Arguments& args, Report& report) {
  POINT at = PointAt(args, 0);
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  std::vector<std::wstring> items;
  if (!ReadMenuItems(main, at, std::max<DWORD>(args.WaitMs(), 5000), PrepareInput(args), items)) return kFailed;
  report.Add(L"count", static_cast<long long>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) report.Add(L"item." + std::to_wstring(i), items[i]);
  return kDone;
}

int DpiChange(const Arguments& args, Report&) {
  const int dpi = static_cast<int>(Number(Positional(args, 0)));
  const POINT topLeft = PointAt(args, 1);
  const POINT size = PointAt(args, 3);
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  const RECT suggested{topLeft.x, topLeft.y, topLeft.x + size.x, topLeft.y + size.y};
  return SendDpiChange(main, dpi, suggested) ? kDone : kFailed;
}

int HighContrast(const Arguments& args, Report&) {
  const std::wstring& switchTo = Positional(args, 0);
  if (switchTo != L"on" && switchTo != L"off") throw UsageError{L"high-contrast on|off"};
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  return SendHighContrast(main, switchTo == L"on") ? kDone : kFailed;
}

// The questions go through COM, as a screen reader's do.
struct ComApartment {
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComApartment() { CoUninitialize(); }
};

int AccessibleTree(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  ComApartment apartment;
  std::vector<std::wstring> lines;
  if (!ReadAccessibleTree(main, lines)) return kFailed;
  report.Add(L"count", static_cast<long long>(lines.size()));
  for (size_t i = 0; i < lines.size(); ++i) report.Add(L"node." + std::to_wstring(i), lines[i]);
  return kDone;
}

int AccessibleFocus(const Arguments& args, Report& report) {
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  ComApartment apartment;
  std::wstring name;
  long role = 0;
  if (!ReadAccessibleFocus(main, name, role)) return kFailed;
  report.Add(L"name", name);
  report.Add(L"role", static_cast<long long>(role));
  return kDone;
}

int AccessiblePress(const Arguments& args, Report&) {
  const std::wstring& name = Positional(args, 0);
  HWND main = WaitForMain(args);
  if (!main) return kFailed;
  ComApartment apartment;
  return PressAccessible(main, name) ? kDone : kFailed;
}

const std::map<std::wstring, Command> kCommands = {{L"find", Find},
                                                   {L"count", Count},
                                                   {L"windows", ListWindows},
                                                   {L"focus", Focus},
                                                   {L"sync", Sync},
                                                   {L"boxes", Boxes},
                                                   {L"answer", Answer},
                                                   {L"keys", Keys},
                                                   {L"type", Type},
                                                   {L"click", ClickCommand},
                                                   {L"drag", DragCommand},
                                                   {L"wheel", WheelCommand},
                                                   {L"move", MoveCommand},
                                                   {L"clip-get", ClipGet},
                                                   {L"clip-set", ClipSet},
                                                   {L"clip-set-picture", ClipSetPicture},
                                                   {L"clip-clear", ClipClear},
                                                   {L"close", Close},
                                                   {L"post", Post},
                                                   {L"pixel", Pixel},
                                                   {L"watch", Watch},
                                                   {L"rects", Rects},
                                                   {L"hittest", HitTest},
                                                   {L"menu", Menu},
                                                   {L"modules", Modules},
                                                   {L"hold", Hold},
                                                   {L"answers", Answers},
                                                   {L"hotkey", HoldHotKey},
                                                   {L"summon", Summon},
                                                   {L"dpi-change", DpiChange},
                                                   {L"high-contrast", HighContrast},
                                                   {L"accessible-tree", AccessibleTree},
                                                   {L"accessible-focus", AccessibleFocus},
                                                   {L"accessible-press", AccessiblePress}};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Report report;
  std::wstring out;
  int code = kUsage;
  try {
    Arguments args = Parse(argc, argv);
    out = args.Option(L"out");
    if (args.positional.empty()) throw UsageError{L"no command"};
    auto command = kCommands.find(args.positional.front());
    if (command == kCommands.end()) throw UsageError{L"unknown command: " + args.positional.front()};
    args.positional.erase(args.positional.begin());
    code = command->second(args, report);
  } catch (const UsageError& error) {
    report.Add(L"error", error.message);
    code = kUsage;
  }
  report.Write(out);
  return code;
}
