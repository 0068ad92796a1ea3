#pragma once
// The interface language of a build, fixed when it is built: the build links one language
// module (LanguageDeutsch.cpp, LanguageEnglish.cpp), which makes that language's table the
// build's texts (LanguageTexts.h).
#include <string>
#include <vector>

#include "lang/LanguageTexts.h"

namespace pendra {

// The language identifiers, compared exactly.
inline constexpr char16_t kDeutsch[] = u"DEUTSCH";
inline constexpr char16_t kEnglish[] = u"ENGLISH";

// The language the build's texts are written in, and the version text of the About dialog's
// caption ("1.3 Deutsch (64bit)").
inline constexpr const char16_t* const& BuildLanguage = BuildTexts.identifier;
inline constexpr const char16_t* const& BuildVersionText = BuildTexts.versionText;

// The reports of a main window whose language is not the build's: first the one about the
// language, then the one about the constants; none when both agree.
std::vector<std::u16string> LanguageConsistencyReports(const std::u16string& windowLanguage,
                                                       const std::u16string& buildLanguage);

}  // namespace pendra
