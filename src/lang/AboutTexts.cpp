#include "lang/AboutTexts.h"

#include "lang/Maker.h"

namespace pendra {

namespace {

std::u16string Page(const char16_t* site) { return u"https://" + std::u16string(site); }

}  // namespace

const char16_t kCopyrightNotice[] = u"" PENDRA_COPYRIGHT_NOTICE;
const char16_t kMakerName[] = u"" PENDRA_MAKER ", Lüneburg";

std::u16string AboutCaption(const std::u16string& versionText) { return u"Pendra Version " + versionText; }

std::u16string ProductPage(const AboutTexts& texts) { return Page(texts.lblLink); }

std::u16string SisterProductPage(const AboutTexts& texts) { return Page(texts.llbKSLink); }

}  // namespace pendra
