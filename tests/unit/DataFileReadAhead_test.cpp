#include "sheet/DataFileReadAhead.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "sheet/LoadSave.h"

namespace pendra {

namespace {

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(PENDRA_SOURCE_DIR) + "/tests/unit/fixtures/sheet/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a load gives: the sheet, whether it was clean and how many reports it made.
struct Loaded {
  Sheet::Content content;
  bool clean = false;
  size_t reports = 0;
  bool operator==(const Loaded&) const = default;
};

Loaded Load(const std::u16string& path, std::unique_ptr<XmlDocument> readAhead = nullptr) {
  Sheet sheet;
  DataFileState state;
  const LoadedFile loaded = XMLLaden(sheet, state, path, ScreenFacts{}, std::move(readAhead));
  return {sheet.Snapshot(), loaded.clean, loaded.reports.Items().size()};
}

}  // namespace

// A document read ahead loads exactly what the load reads itself; whatever may have made it
// differ from the file leaves the reading to the load.
TEST(DataFileReadAhead, GivesTheDocumentOnlyForTheSameUnchangedFile) {
  struct Case {
    const char* name;
    std::string bytes;
    std::function<void(const TempFolder&)> meanwhile;  // after the reading, before the load
    std::string asked;                                 // the file the load asks for
    bool taken;
  };
  const std::string golden = ReadFixture("golden.xml");
  const auto rewritten = [](const TempFolder& t) { t.Write("exe/Pendra.xml", "<VeVuVizo></VeVuVizo>"); };
  const Case cases[] = {
      {"the data file, unchanged", golden, nullptr, "exe/Pendra.xml", true},
      {"changed since", golden, rewritten, "exe/Pendra.xml", false},
      {"another file asked for", golden, nullptr, "other/Pendra.xml", false},
      {"damaged", golden.substr(0, golden.size() / 2), nullptr, "exe/Pendra.xml", false},
      {"too large for a sheet", std::string(kMaxDataFileBytes + 1, ' '), nullptr, "exe/Pendra.xml", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    temp.Write("exe/Pendra.xml", c.bytes);
    temp.Write("other/Pendra.xml", c.bytes);
    DocumentReadAhead read = ReadDocumentAhead(temp.File("exe/Pendra.xml"));
    if (c.meanwhile) c.meanwhile(temp);

    std::unique_ptr<XmlDocument> document = TakeDocument(read, temp.File(c.asked));
    EXPECT_EQ(document != nullptr, c.taken);
    if (document) EXPECT_EQ(Load(temp.File(c.asked), std::move(document)), Load(temp.File(c.asked)));
    EXPECT_EQ(TakeDocument(read, temp.File(c.asked)), nullptr);
  }
}

// The data file a start loads is read ahead when it is long; a short one is left to the load.
TEST(DataFileReadAhead, ReadsALongListOnAThreadOfItsOwnUntilTheLoadTakesIt) {
  const std::string golden = ReadFixture("golden.xml");
  const size_t content = golden.find("<ToDoContent>") + std::string("<ToDoContent>").size();
  std::string tasks;
  while (tasks.size() < kReadAheadMinBytes)
    tasks += "\r\n    <Column>\r\n      <Text>Steuer &amp; Belege</Text>\r\n    </Column>";
  const std::string longList = golden.substr(0, content) + tasks + golden.substr(content);
  for (const std::string& bytes : {longList, golden}) {
    const bool isLong = bytes.size() >= kReadAheadMinBytes;
    SCOPED_TRACE(isLong ? "long" : "short");
    TempFolder temp;
    temp.Write("exe/Pendra.xml", bytes);
    const std::u16string path = temp.File("exe/Pendra.xml");
    DataFileReadAhead readAhead;
    readAhead.Start(temp.Folder("exe"));
    std::unique_ptr<XmlDocument> document = readAhead.Take(path);
    EXPECT_EQ(document != nullptr, isLong);
    if (document) EXPECT_EQ(Load(path, std::move(document)), Load(path));
    EXPECT_EQ(readAhead.Take(path), nullptr);
  }
}

}  // namespace pendra
