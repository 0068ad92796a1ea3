// The English build.
#include "lang/Language.h"
#include "lang/Version.h"

namespace pendra {

const char16_t* const BuildLanguage = kEnglish;
const char16_t* const BuildVersionText = u"" PENDRA_VERSION_TEXT " English (64bit)";

}  // namespace pendra
