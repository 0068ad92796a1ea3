#include "sheet/ExchangeLoop.h"

#include <gtest/gtest.h>
#include <string>

namespace pendra {
namespace {

Sheet::Content Version(const std::u16string& task) {
  Sheet::Content content;
  content.rows = {{u"Aufgabe"}, {task}};
  content.widths = {210};
  content.alignments = {ALIGNLEFT};
  return content;
}

TEST(ExchangeLoop, NoticesTheSameTwoVersionsSentBackAndForth) {
  // Each event: 'w' this run wrote, 'a' another version arrived; then the version's task. The last
  // event is an arrival, whose answer is checked.
  struct Case {
    const char* name;
    std::string events;
    bool loop;
  };
  const Case cases[] = {
      {"written, the other's, written again, the other's again", "wx ay wx ay", true},
      {"the other PC changed its version since", "wx ay wx az", false},
      {"this run changed its version since", "wx ay wz ay", false},
      {"the other PC sent this run's version back", "wx ax wx ax", false},
      {"an arrival between", "wx ay ay wx ay", false},
      {"once only", "wx ay", false},
      {"a loop after other events", "wz az wx ay wx ay", true},
      {"the same version written twice in a row", "wx ay wx wx ay", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExchangeLoop loop;
    Sheet::Content mine;
    bool last = false;
    for (size_t i = 0; i + 1 < c.events.size(); i += 3) {
      const Sheet::Content version = Version(std::u16string(1, static_cast<char16_t>(c.events[i + 1])));
      if (c.events[i] == 'w') {
        loop.Wrote(VersionFingerprint(version));
        mine = version;
      } else {
        last = loop.Arrived(version, mine);
      }
    }
    EXPECT_EQ(last, c.loop);
  }
}

TEST(ExchangeLoop, NoExchangeWhileThisRunHoldsWhatItDidNotWriteYet) {
  ExchangeLoop loop;
  loop.Wrote(VersionFingerprint(Version(u"x")));
  loop.Arrived(Version(u"y"), Version(u"x"));
  loop.Wrote(VersionFingerprint(Version(u"x")));
  EXPECT_FALSE(loop.Arrived(Version(u"y"), Version(u"x, typed on")));
}

TEST(ExchangeLoop, BothPcsKeepTheSameVersionAlsoWhenItsBlanksLoadedAsEmptyCells) {
  // A cell saved empty loads holding a blank; a row's empty cells at its end are none in the file.
  Sheet::Content saved = Version(u"x");
  saved.rows.Edit(1).push_back(u"");
  Sheet::Content loaded = Version(u"x");
  loaded.rows.Edit(1).push_back(u" ");
  const Sheet::Content other = Version(u"y");
  EXPECT_NE(KeepsOwnVersion(saved, other), KeepsOwnVersion(other, loaded));
  EXPECT_NE(KeepsOwnVersion(Version(u"y"), Version(u"x")), KeepsOwnVersion(Version(u"x"), Version(u"y")));
}

}  // namespace
}  // namespace pendra
