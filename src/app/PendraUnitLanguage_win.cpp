// The build's interface language on the main window: the consistency check and the texts of
// the popup menu and the hints.
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

// A report of disagreeing constants does not stop the window's creation: the build's texts are
// set all the same.
void TToDoForm::Internationalization() {
  for (const std::u16string& report : LanguageConsistencyReports(getIdentifierLangString(), BuildLanguage)) {
    ShowExceptionMessageBox(report);
  }
  for (const ControlText& setting : InternationalizationTexts(BuildLanguage)) SetControlText(setting);
}

void TToDoForm::SetControlText(const ControlText& setting) {
  using C = MainWindowControl;
  switch (setting.control) {
    case C::ImageRedButtonAufklapper: hints_.SetAreaText(kRedBarHint, setting.text); break;
    case C::PanelExitIcon: hints_.SetWindowHint(PanelExitIcon.Handle(), setting.text); break;
    case C::PanelMinimizeIcon: hints_.SetWindowHint(PanelMinimizeIcon.Handle(), setting.text); break;
    case C::PanelPlusRow: hints_.SetWindowHint(PanelPlusRow.Handle(), setting.text); break;
    case C::PanelMinusRow: hints_.SetWindowHint(PanelMinusRow.Handle(), setting.text); break;
    case C::PanelPlusColumn: hints_.SetWindowHint(PanelPlusColumn.Handle(), setting.text); break;
    case C::PanelMinusColumn: hints_.SetWindowHint(PanelMinusColumn.Handle(), setting.text); break;
    default: popupMenu_.SetCaption(MenuItemOf(setting.control), setting.text); break;
  }
}

}  // namespace pendra
