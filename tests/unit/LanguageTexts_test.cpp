// What every language's table must keep, checked on both tables: every text there, the same
// shape of the texts built from parts, and access keys that tell the menu's items apart.
#include "lang/LanguageTexts.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "lang/Language.h"
#include "lang/TextsDeutsch.h"
#include "lang/TextsEnglish.h"
#include "lang/Version.h"
#include "ui/MenuLetters.h"

namespace pendra {

namespace {

template <typename Texts>
struct Member {
  const char* name;
  const char16_t* Texts::*text;
};

// Every member of each part of a table. The sizes make sure that a text added to a part is
// added here too.
const Member<MenuTexts> kMenuMembers[] = {
    {"changeTitle", &MenuTexts::changeTitle},
    {"titleBold", &MenuTexts::titleBold},
    {"gridLines", &MenuTexts::gridLines},
    {"thisColumn", &MenuTexts::thisColumn},
    {"leftAlign", &MenuTexts::leftAlign},
    {"centerAlign", &MenuTexts::centerAlign},
    {"rightAlign", &MenuTexts::rightAlign},
    {"addRow", &MenuTexts::addRow},
    {"deleteRow", &MenuTexts::deleteRow},
    {"addColumn", &MenuTexts::addColumn},
    {"deleteColumn", &MenuTexts::deleteColumn},
    {"skin", &MenuTexts::skin},
    {"noSkin", &MenuTexts::noSkin},
    {"openFolderHere", &MenuTexts::openFolderHere},
    {"listFolder", &MenuTexts::listFolder},
    {"summonKey", &MenuTexts::summonKey},
    {"about", &MenuTexts::about},
    {"exit", &MenuTexts::exit},
};
static_assert(sizeof(MenuTexts) == std::size(kMenuMembers) * sizeof(const char16_t*));

const Member<HintTexts> kHintMembers[] = {
    {"exit", &HintTexts::exit},
    {"minimize", &HintTexts::minimize},
    {"addRow", &HintTexts::addRow},
    {"deleteRow", &HintTexts::deleteRow},
    {"addColumn", &HintTexts::addColumn},
    {"deleteColumn", &HintTexts::deleteColumn},
    {"redBarCollapse", &HintTexts::redBarCollapse},
    {"redBarExpand", &HintTexts::redBarExpand},
};
static_assert(sizeof(HintTexts) == std::size(kHintMembers) * sizeof(const char16_t*));

const Member<MessageTexts> kMessageMembers[] = {
    {"exceptionBoxTitle", &MessageTexts::exceptionBoxTitle},
    {"exceptionBox", &MessageTexts::exceptionBox},
    {"unhandledFailureTitle", &MessageTexts::unhandledFailureTitle},
    {"unhandledFailure", &MessageTexts::unhandledFailure},
    {"saveProblemTitle", &MessageTexts::saveProblemTitle},
    {"saveReadOnly", &MessageTexts::saveReadOnly},
    {"saveTemporaryFile", &MessageTexts::saveTemporaryFile},
    {"saveReplace", &MessageTexts::saveReplace},
    {"keptUnreadableTitle", &MessageTexts::keptUnreadableTitle},
    {"keptUnreadable", &MessageTexts::keptUnreadable},
    {"keptLostCharacters", &MessageTexts::keptLostCharacters},
    {"notKeptUnreadable", &MessageTexts::notKeptUnreadable},
    {"keptLeftovers", &MessageTexts::keptLeftovers},
    {"notKeptConflict", &MessageTexts::notKeptConflict},
    {"mergedTitle", &MessageTexts::mergedTitle},
    {"mergeConflict", &MessageTexts::mergeConflict},
    {"mergedCopy", &MessageTexts::mergedCopy},
    {"mergedCopies", &MessageTexts::mergedCopies},
    {"ownVersionKept", &MessageTexts::ownVersionKept},
    {"moveListTitle", &MessageTexts::moveListTitle},
    {"listThereUnreadable", &MessageTexts::listThereUnreadable},
    {"listFolderNotRemembered", &MessageTexts::listFolderNotRemembered},
    {"waitingForDataFile", &MessageTexts::waitingForDataFile},
    {"dataFolderProblemTitle", &MessageTexts::dataFolderProblemTitle},
    {"dataFolderProblem", &MessageTexts::dataFolderProblem},
    {"deleteTitle", &MessageTexts::deleteTitle},
    {"deleteRowQuestion", &MessageTexts::deleteRowQuestion},
    {"deleteColumnQuestion", &MessageTexts::deleteColumnQuestion},
    {"noSkinNoticeTitle", &MessageTexts::noSkinNoticeTitle},
    {"noSkinNotice", &MessageTexts::noSkinNotice},
};
static_assert(sizeof(MessageTexts) == std::size(kMessageMembers) * sizeof(const char16_t*));

const Member<AboutTexts> kAboutMembers[] = {
    {"llbInfo11", &AboutTexts::llbInfo11},   {"llbInfo12", &AboutTexts::llbInfo12},
    {"llbInfo13", &AboutTexts::llbInfo13},   {"llbInfo21", &AboutTexts::llbInfo21},
    {"llbInfo22", &AboutTexts::llbInfo22},   {"llbInfo23", &AboutTexts::llbInfo23},
    {"llbInfo31", &AboutTexts::llbInfo31},   {"llbInfo32", &AboutTexts::llbInfo32},
    {"llbInfo33", &AboutTexts::llbInfo33},   {"llbInfo4", &AboutTexts::llbInfo4},
    {"lblLink", &AboutTexts::lblLink},       {"llbKSInfo1", &AboutTexts::llbKSInfo1},
    {"llbKSInfo2", &AboutTexts::llbKSInfo2}, {"llbKSLink", &AboutTexts::llbKSLink},
    {"llbKSInfo3", &AboutTexts::llbKSInfo3}, {"llbKSInfo4", &AboutTexts::llbKSInfo4},
    {"llbKSInfo5", &AboutTexts::llbKSInfo5}, {"ksHint", &AboutTexts::ksHint},
};
static_assert(sizeof(AboutTexts) == std::size(kAboutMembers) * sizeof(const char16_t*));

const Member<SummonKeyTexts> kSummonKeyMembers[] = {
    {"dialogTitle", &SummonKeyTexts::dialogTitle},
    {"explanation", &SummonKeyTexts::explanation},
    {"useKey", &SummonKeyTexts::useKey},
    {"taken", &SummonKeyTexts::taken},
    {"ok", &SummonKeyTexts::ok},
    {"cancel", &SummonKeyTexts::cancel},
    {"takenNoteTitle", &SummonKeyTexts::takenNoteTitle},
    {"takenNote", &SummonKeyTexts::takenNote},
    {"ctrl", &SummonKeyTexts::ctrl},
    {"alt", &SummonKeyTexts::alt},
    {"shift", &SummonKeyTexts::shift},
    {"win", &SummonKeyTexts::win},
};
static_assert(sizeof(SummonKeyTexts) == std::size(kSummonKeyMembers) * sizeof(const char16_t*));

const Member<AccessibilityTexts> kAccessibilityMembers[] = {
    {"sheet", &AccessibilityTexts::sheet},
    {"emptyCell", &AccessibilityTexts::emptyCell},
    {"column", &AccessibilityTexts::column},
    {"editAction", &AccessibilityTexts::editAction},
    {"pressAction", &AccessibilityTexts::pressAction},
};
static_assert(sizeof(AccessibilityTexts) == std::size(kAccessibilityMembers) * sizeof(const char16_t*));

static_assert(sizeof(FirstSheetTexts) == 6 * sizeof(const char16_t*));
static_assert(sizeof(LanguageTexts) == 2 * sizeof(const char16_t*) + sizeof(MenuTexts) + sizeof(HintTexts) +
                                           sizeof(MessageTexts) + sizeof(FirstSheetTexts) + sizeof(AboutTexts) +
                                           sizeof(SummonKeyTexts) + sizeof(AccessibilityTexts));

struct Language {
  const char* name;
  const LanguageTexts& texts;
};
const Language kLanguages[] = {{"DEUTSCH", kDeutschTexts}, {"ENGLISH", kEnglishTexts}};

// Every text of a table by name; null where one is missing.
std::vector<std::pair<std::string, const char16_t*>> AllTexts(const LanguageTexts& texts) {
  std::vector<std::pair<std::string, const char16_t*>> all = {{"identifier", texts.identifier},
                                                              {"versionText", texts.versionText}};
  for (const auto& m : kMenuMembers) all.emplace_back(std::string("menu.") + m.name, texts.menu.*m.text);
  for (const auto& m : kHintMembers) all.emplace_back(std::string("hints.") + m.name, texts.hints.*m.text);
  for (const auto& m : kMessageMembers) all.emplace_back(std::string("messages.") + m.name, texts.messages.*m.text);
  for (const auto& m : kAboutMembers) all.emplace_back(std::string("about.") + m.name, texts.about.*m.text);
  for (const auto& m : kSummonKeyMembers) {
    all.emplace_back(std::string("summonKey.") + m.name, texts.summonKey.*m.text);
  }
  for (const auto& m : kAccessibilityMembers) {
    all.emplace_back(std::string("accessibility.") + m.name, texts.accessibility.*m.text);
  }
  for (const char16_t* caption : texts.firstSheet.captions) all.emplace_back("firstSheet.captions", caption);
  for (const char16_t* text : texts.firstSheet.task) all.emplace_back("firstSheet.task", text);
  return all;
}

bool Blank(std::u16string_view text) { return text.find_first_not_of(u' ') == std::u16string_view::npos; }

// What a text keeps in every language: its line breaks and its placeholders, each with the
// characters just before and after it (the quotes or brackets around a path or a type name),
// in order.
std::vector<std::u16string> Shape(std::u16string_view text) {
  std::vector<std::u16string> shape;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == u"\r\n") {
      shape.emplace_back(u"\r\n");
      ++i;
    } else if (text[i] == u'{') {
      const size_t from = i > 0 ? i - 1 : i;
      const size_t close = text.find(u'}', i);
      if (close == std::u16string_view::npos) break;
      shape.emplace_back(text.substr(from, close + 2 - from));
      i = close;
    }
  }
  return shape;
}

// The letter a menu item answers to, in upper case as Windows compares them (ASCII and the
// Latin-1 letters the captions use).
char16_t AccessLetter(const char16_t* caption) {
  const char16_t letter = MenuItemLetter(caption);
  const bool lower =
      (letter >= u'a' && letter <= u'z') || (letter >= u'\u00E0' && letter <= u'\u00FE' && letter != u'\u00F7');
  return lower ? static_cast<char16_t>(letter - 0x20) : letter;
}

// The letters that more than one of the captions answer to.
std::set<char16_t> SharedLetters(const std::vector<const char16_t*>& captions) {
  std::set<char16_t> seen, shared;
  for (const char16_t* caption : captions) {
    if (!seen.insert(AccessLetter(caption)).second) shared.insert(AccessLetter(caption));
  }
  return shared;
}

}  // namespace

TEST(LanguageTexts, EveryLanguageHasEveryText) {
  for (const Language& language : kLanguages) {
    for (const auto& [name, text] : AllTexts(language.texts)) {
      ASSERT_NE(text, nullptr) << language.name << " " << name;
      // The About dialog's blank line is the one text without a visible character.
      EXPECT_EQ(Blank(text), name == "about.llbInfo33") << language.name << " " << name;
    }
  }
}

TEST(LanguageTexts, EachTableNamesItsLanguageAndTheVersion) {
  for (const Language& language : kLanguages) {
    const std::u16string identifier = language.texts.identifier;
    EXPECT_EQ(identifier, std::u16string(language.name, language.name + std::strlen(language.name)));
    EXPECT_EQ(std::u16string(language.texts.versionText).rfind(u"" PENDRA_VERSION_TEXT " ", 0), 0u) << language.name;
  }
  // The native build speaks German.
  EXPECT_EQ(std::u16string(BuildLanguage), kDeutsch);
  EXPECT_EQ(std::u16string(BuildVersionText), u"1.3 Deutsch (64bit)");
}

// The texts are filled in and shown the same way in every language: a translation keeps the
// line breaks, the placeholders and the quoting of the paths and type names.
TEST(LanguageTexts, EveryLanguageGivesATextTheSameShape) {
  for (const auto& m : kMessageMembers) {
    const std::vector<std::u16string> german = Shape(kDeutschTexts.messages.*m.text);
    EXPECT_EQ(Shape(kEnglishTexts.messages.*m.text), german) << m.name;
  }
  EXPECT_EQ(Shape(kEnglishTexts.accessibility.column), Shape(kDeutschTexts.accessibility.column));
  // The delete questions end where the trimmed texts follow.
  for (const Language& language : kLanguages) {
    for (const char16_t* question :
         {language.texts.messages.deleteRowQuestion, language.texts.messages.deleteColumnQuestion}) {
      EXPECT_TRUE(std::u16string_view(question).ends_with(u": ")) << language.name;
    }
  }
}

TEST(LanguageTexts, ShapeKeepsLineBreaksAndPlaceholdersWithTheirQuoting) {
  EXPECT_EQ(Shape(u"Datei: \r\n\"{file}\"\r\nFehler: \"{message} ({type})\""),
            (std::vector<std::u16string>{u"\r\n", u"\"{file}\"", u"\r\n", u"\"{message} ", u"({type})"}));
  EXPECT_EQ(Shape(u"{files}"), std::vector<std::u16string>{u"{files}"});
  EXPECT_TRUE(Shape(u"Kein Umbruch").empty());
}

// The About dialog's hint names the sister product's site as its link shows it.
TEST(LanguageTexts, TheSisterProductsHintNamesItsLink) {
  for (const Language& language : kLanguages) {
    const AboutTexts& about = language.texts.about;
    EXPECT_NE(std::u16string_view(about.ksHint).find(about.llbKSLink), std::u16string_view::npos) << language.name;
  }
}

// A letter typed in the menu runs its item when no other item of the same level answers to it.
// The window's design shares a few letters on the top level, where the letter then selects the
// items in turn (MenuLetters.h): German "&Spalte..." and "&Skin ...", English "&Add Row" and
// "&About Pendra", "&Delete Row" and "A&dd Column". No other letter may be shared.
TEST(LanguageTexts, TheMenusItemsAnswerToLettersOfTheirOwn) {
  const struct {
    const LanguageTexts& texts;
    std::set<char16_t> sharedOnTop;
  } cases[] = {{kDeutschTexts, {u'S'}}, {kEnglishTexts, {u'A', u'D'}}};
  for (const auto& c : cases) {
    const MenuTexts& menu = c.texts.menu;
    const std::vector<const char16_t*> top = {
        menu.changeTitle, menu.titleBold,  menu.gridLines,    menu.thisColumn, menu.addRow,
        menu.deleteRow,   menu.addColumn,  menu.deleteColumn, menu.skin,       menu.openFolderHere,
        menu.about,       menu.listFolder, menu.summonKey,    menu.exit};
    EXPECT_EQ(SharedLetters(top), c.sharedOnTop) << std::string(c.texts.identifier, c.texts.identifier + 7);
    EXPECT_TRUE(SharedLetters({menu.leftAlign, menu.centerAlign, menu.rightAlign}).empty());
  }
}

}  // namespace pendra
