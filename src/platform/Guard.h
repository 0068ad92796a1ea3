#pragma once
// The program's one failure guard: the body of a window's handler, or a section of loading
// and saving, runs in it, and a failure of any kind is reported under a fixed name instead
// of going further.
#include <string>

namespace pendra {

// Shows the report of a guarded failure (the main window's "Ausnahmefehler" box).
class ExceptionReporter {
 public:
  virtual ~ExceptionReporter() = default;
  virtual void ShowExceptionMessageBox(const std::u16string& methode) = 0;
};

// Runs body; a failure is reported under the name and swallowed. True when the body got through.
template <typename Body>
bool Guarded(ExceptionReporter& reporter, const char16_t* name, Body&& body) {
  try {
    body();
    return true;
  } catch (...) {
    reporter.ShowExceptionMessageBox(name);
    return false;
  }
}

}  // namespace pendra
