#include "lang/Language.h"

namespace pendra {

std::vector<std::u16string> LanguageConsistencyReports(const std::u16string& windowLanguage,
                                                       const std::u16string& buildLanguage) {
  if (windowLanguage == buildLanguage) return {};
  const std::u16string both = u"\r\n\r\nExpected:  " + windowLanguage + u"\r\nFound:  " + buildLanguage;
  return {u"Wrong language! " + both, u"Wrong constants!" + both};
}

}  // namespace pendra
