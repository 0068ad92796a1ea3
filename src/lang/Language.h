#pragma once
// The interface language of a build, fixed when it is built. Each language has a module of
// its own that defines the build's constants (LanguageDeutsch.cpp, LanguageEnglish.cpp);
// the build links exactly one of them.
#include <string>
#include <vector>

namespace pendra {

// The language identifiers, compared exactly.
inline constexpr char16_t kDeutsch[] = u"DEUTSCH";
inline constexpr char16_t kEnglish[] = u"ENGLISH";

// The language the build's texts are written in, and the version text of the About dialog's
// caption ("1.3 Deutsch (64bit)").
extern const char16_t* const BuildLanguage;
extern const char16_t* const BuildVersionText;

// The reports of a main window whose language is not the build's: first the one about the
// language, then the one about the constants; none when both agree.
std::vector<std::u16string> LanguageConsistencyReports(const std::u16string& windowLanguage,
                                                       const std::u16string& buildLanguage);

}  // namespace pendra
