// The English build: its texts are the English table.
#include "lang/LanguageTexts.h"
#include "lang/TextsEnglish.h"

namespace pendra {

constinit const LanguageTexts BuildTexts = kEnglishTexts;

}  // namespace pendra
