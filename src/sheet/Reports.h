#pragma once
// What loading, saving and tidying the data file have to tell the user, in the order it happened.
// They show nothing themselves: the main window shows each report as its message box, a load's
// once it has put the loaded sheet in place.
#include <string>
#include <vector>

#include "platform/Guard.h"

namespace pendra {

struct Report {
  // A guarded step that failed (its text is the step's name), a note, or a problem.
  enum class Kind { Failure, Info, Error };
  Kind kind = Kind::Failure;
  std::u16string text;
  std::u16string title;
  bool operator==(const Report&) const = default;
};

// Collects reports in order; a guarded step's failure is one of them.
class Reports : public ExceptionReporter {
 public:
  void ShowExceptionMessageBox(const std::u16string& methode) override {
    items_.push_back({Report::Kind::Failure, methode, {}});
  }
  void Info(std::u16string text, std::u16string title) {
    items_.push_back({Report::Kind::Info, std::move(text), std::move(title)});
  }
  void Error(std::u16string text, std::u16string title) {
    items_.push_back({Report::Kind::Error, std::move(text), std::move(title)});
  }
  const std::vector<Report>& Items() const { return items_; }

 private:
  std::vector<Report> items_;
};

}  // namespace pendra
