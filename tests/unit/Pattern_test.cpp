#include "lang/Pattern.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(Pattern, EachPlaceholderTakesItsPartAsItIs) {
  const struct {
    std::u16string pattern, filled;
  } cases[] = {
      {u"Datei: \"{file}\" ({type})", u"Datei: \"C:\\{a}\\Pendra.xml\" (EInOutError)"},
      {u"{type}{file}", u"EInOutErrorC:\\{a}\\Pendra.xml"},
      {u"{file} und {file}", u"C:\\{a}\\Pendra.xml und C:\\{a}\\Pendra.xml"},
      {u"ohne Teile", u"ohne Teile"},
      {u"{other} bleibt", u"{other} bleibt"},
      {u"offen {file", u"offen {file"},
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FillIn(c.pattern, {{u"file", u"C:\\{a}\\Pendra.xml"}, {u"type", u"EInOutError"}}), c.filled);
  }
}

}  // namespace pendra
