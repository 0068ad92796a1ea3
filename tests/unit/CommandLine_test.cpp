#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(CommandLine, OnlyTheExactSwitchesSetTheirFlags) {
  struct Case {
    std::vector<std::u16string> arguments;
    bool startHidden;
    bool portableMode;
  };
  const Case cases[] = {
      {{}, false, false},
      {{u"-m"}, true, false},
      {{u"-p"}, false, true},
      {{u"-p", u"-m"}, true, true},
      {{u"-m", u"-p"}, true, true},
      {{u"-M", u"/m", u"m", u"-P", u"/p", u"p", u"-mp", u" -m"}, false, false},
      {{u"x.xml", u"-m", u"-m"}, true, false},
  };
  for (const Case& c : cases) {
    CommandLineFlags flags;
    ReadCommandLine(c.arguments, flags);
    EXPECT_EQ(flags.StartHidden, c.startHidden);
    EXPECT_EQ(flags.PortableMode, c.portableMode);
  }
}

TEST(CommandLine, NeverClearsAFlag) {
  CommandLineFlags flags{true, true};
  ReadCommandLine({u"other"}, flags);
  EXPECT_TRUE(flags.StartHidden);
  EXPECT_TRUE(flags.PortableMode);
}

}  // namespace pendra
