#pragma once
// The About dialog's texts and web addresses. The labels and the hint follow the build's
// language (LanguageTexts.h); the caption and the two copyright lines are the same in every
// language.
#include <string>

#include "lang/LanguageTexts.h"

namespace pendra {

inline constexpr const AboutTexts& kAboutTexts = BuildTexts.about;

// "Pendra Version " and the version text.
std::u16string AboutCaption(const std::u16string& versionText);

extern const char16_t kCopyrightNotice[];
extern const char16_t kMakerName[];

// The pages the two links open: the web sites they show, over https.
std::u16string ProductPage(const AboutTexts& texts);
std::u16string SisterProductPage(const AboutTexts& texts);

}  // namespace pendra
