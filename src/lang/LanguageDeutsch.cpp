// The German build.
#include "lang/Language.h"
#include "lang/Version.h"

namespace pendra {

const char16_t* const BuildLanguage = kDeutsch;
const char16_t* const BuildVersionText = u"" PENDRA_VERSION_TEXT " Deutsch (64bit)";

}  // namespace pendra
