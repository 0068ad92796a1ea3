#include "lang/AboutTexts.h"

#include "lang/Language.h"
#include "lang/Maker.h"

namespace pendra {

namespace {

// The web sites, as the labels show them; the pages open over https.
const char16_t kProductGermanSite[] = u"www.pendra.example";
const char16_t kProductPageOfMaker[] = u"www.feldmark-software.example/pendra";
const char16_t kSisterGermanSite[] = u"www.kastrel.example/de";
const char16_t kSisterInternationalSite[] = u"www.kastrel.example";

std::u16string Page(const char16_t* site) { return u"https://" + std::u16string(site); }

}  // namespace

const char16_t kCopyrightNotice[] = u"" PENDRA_COPYRIGHT_NOTICE;
const char16_t kMakerName[] = u"" PENDRA_MAKER ", Lüneburg";

AboutTexts AboutTextsFor(const std::u16string& language) {
  if (language == kEnglish) {
    return {
        u"Click on the red bar to",
        u"shrink 'Pendra' to a small",
        u"bar on your desktop.",
        u"Right click anywhere to",
        u"open a menu with more",
        u"options!",
        u"Use the + and - to add",
        u"or remove columns / rows",
        u" ",
        u"More information here:",
        kProductPageOfMaker,
        u"'Pendra' is an official Plugin of the popular",
        u"Kastrel Organizers. Please visit",
        kSisterInternationalSite,
        u"and test it for free!",
        u"Kastrel is a helpful, fast-access systems tray",
        u"tool for making and storing quick notes.",
        u"Visit " + std::u16string(kSisterInternationalSite),
    };
  }
  return {
      u"Klicken Sie auf den roten",
      u"Streifen um \"Pendra\" auf",
      u"ihren Desktop zu verkleinern.",
      u"Klicken Sie irgendwo mit der",
      u"rechten Maustaste für ein",
      u"Menü mit mehr Funktionen.",
      u"Mit + / - erzeugen / löschen",
      u"Sie Spalten oder Zeilen",
      u"",
      u"Mehr Informationen hier:",
      kProductGermanSite,
      u"\"Pendra\" ist ein offizielles Plugin des",
      u"Kastrel Organizers. Besuchen Sie",
      kSisterGermanSite,
      u"und testen Sie kostenlos das",
      u"geniale und preisgekrönte Tool zum Verwalten von",
      u"Notizen, Terminen und Adressen.",
      std::u16string(kSisterGermanSite) + u" besuchen",
  };
}

std::u16string AboutCaption(const std::u16string& versionText) { return u"Pendra Version " + versionText; }

std::u16string ProductPage(const std::u16string& language) {
  return Page(language == kDeutsch ? kProductGermanSite : kProductPageOfMaker);
}

std::u16string SisterProductPage(const std::u16string& language) {
  return Page(language == kDeutsch ? kSisterGermanSite : kSisterInternationalSite);
}

}  // namespace pendra
