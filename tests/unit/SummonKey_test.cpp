#include "app/SummonKey.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace pendra {
namespace {

constexpr SummonKey kCtrlShiftF12{0x7B, kKeyCtrl | kKeyShift};

TEST(SummonKey, TheChoiceIsRememberedPerUserAndReadBack) {
  TempFolder temp;
  const std::u16string home = temp.Folder("home") + u"Pendra/";
  EXPECT_EQ(RememberedSummonKey(home), SummonKeyChoice{});
  for (const SummonKeyChoice& choice :
       {SummonKeyChoice{kCtrlShiftF12, false}, SummonKeyChoice{{}, false}, SummonKeyChoice{kDefaultSummonKey, true}}) {
    RememberSummonKey(home, choice);
    EXPECT_EQ(RememberedSummonKey(home), choice) << SummonKeyText(choice);
  }
  EXPECT_EQ(temp.Read("home/Pendra/SummonKey.txt"), "32 7\r\ntaken noted\r\n");
}

// A file that does not read as a choice gives the default key, never an unusable one.
TEST(SummonKey, ADamagedFileGivesTheDefault) {
  const struct {
    std::string text;
    SummonKeyChoice choice;
  } cases[] = {
      {"123 6\r\n", {kCtrlShiftF12, false}},
      {"123 6", {kCtrlShiftF12, false}},
      {"0 0\r\n", {{}, false}},
      {"32 7\r\ntaken noted\r\n", {kDefaultSummonKey, true}},
      {"", {}},
      {"x", {}},
      {"123\r\n", {}},
      {"123 6x\r\n", {}},
      {"-1 6\r\n", {}},
      {"300 6\r\n", {}},
      {"123 16\r\n", {}},
      // A key alone would take that key from every program.
      {"123 0\r\n", {}},
      {"99999999999999999999 6\r\n", {}},
      {std::string("123\0 6", 6), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSummonKeyText(c.text), c.choice) << c.text;
}

TEST(SummonKey, ANoteNamesTheKeyWithItsModifiersFirst) {
  EXPECT_EQ(SummonKeyName(kDefaultSummonKey, u"Leertaste"), u"Strg+Alt+Umschalt+Leertaste");
  EXPECT_EQ(SummonKeyName({0x51, kKeyWin | kKeyCtrl}, u"Q"), u"Strg+Win+Q");
}

}  // namespace
}  // namespace pendra
