#pragma once
// The About dialog's texts and web addresses, chosen by the language identifier its opening
// was given.
#include <string>

namespace pendra {

// The labels' texts and the hint of the sister product's icon and link. The caption and the
// two copyright lines are the same in every language.
struct AboutTexts {
  const char16_t* llbInfo11;
  const char16_t* llbInfo12;
  const char16_t* llbInfo13;
  const char16_t* llbInfo21;
  const char16_t* llbInfo22;
  const char16_t* llbInfo23;
  const char16_t* llbInfo31;
  const char16_t* llbInfo32;
  const char16_t* llbInfo33;
  const char16_t* llbInfo4;
  const char16_t* lblLink;
  const char16_t* llbKSInfo1;
  const char16_t* llbKSInfo2;
  const char16_t* llbKSLink;
  const char16_t* llbKSInfo3;
  const char16_t* llbKSInfo4;
  const char16_t* llbKSInfo5;
  std::u16string ksHint;
};

// The English texts for ENGLISH, the German ones for every other identifier.
AboutTexts AboutTextsFor(const std::u16string& language);

// "Pendra Version " and the version text.
std::u16string AboutCaption(const std::u16string& versionText);

extern const char16_t kCopyrightNotice[];
extern const char16_t kMakerName[];

// The pages the two links open: the German web sites for DEUTSCH, the international pages for
// every other identifier.
std::u16string ProductPage(const std::u16string& language);
std::u16string SisterProductPage(const std::u16string& language);

}  // namespace pendra
