// The build's interface language on the main window: the check that the window's resources
// are made in the build's language.
#include "../../assets/resource_ids.h"
#include "app/PendraUnit_win.h"
#include "lang/Language.h"

namespace pendra {

std::u16string TToDoForm::getIdentifierLangString() const {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_LANGUAGE, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0 || !text) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}

// A report of disagreeing constants does not stop the window's creation. The window's texts
// need no setting here: the build links one language's table, and the controls are made with
// its texts.
void TToDoForm::Internationalization() {
  for (const std::u16string& report : LanguageConsistencyReports(getIdentifierLangString(), BuildLanguage)) {
    ShowExceptionMessageBox(report);
  }
}

}  // namespace pendra
