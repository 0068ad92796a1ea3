// The German build: its texts are the German table.
#include "lang/LanguageTexts.h"
#include "lang/TextsDeutsch.h"

namespace pendra {

constinit const LanguageTexts BuildTexts = kDeutschTexts;

}  // namespace pendra
