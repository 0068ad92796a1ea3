#include <gtest/gtest.h>
#include <string>

#include "TempFolder.h"
#include "XmlFixtures.h"
#include "xml/XmlDocument.h"

namespace pendra {

namespace {

constexpr std::string_view kMark = "\xEF\xBB\xBF";
constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n";

}  // namespace

TEST(XmlWrite, ASmallTreeIsWrittenByteForByte) {
  XmlDocument document;
  document.LoadFromString(u"");
  document.Root()->SetName(u"R");
  document.Root()->Items().Add(u"C", u"a&b");
  document.Root()->Items().Add(u"E");
  EXPECT_EQ(document.SaveToBytes(),
            std::string(kMark) + std::string(kDeclaration) + "<R>\r\n  <C>a&amp;b</C>\r\n  <E/>\r\n</R>\r\n");
}

TEST(XmlWrite, ADocumentWithoutRootElementIsJustTheDeclaration) {
  XmlDocument document;
  document.LoadFromBytes("");
  EXPECT_EQ(document.SaveToBytes(), std::string(kMark) + std::string(kDeclaration));
}

TEST(XmlWrite, TheToDoSheetFileReadsAndWritesBackUnchanged) {
  std::string file = XmlFixtureBytes("todo-sheet.xml");
  XmlDocument document;
  document.LoadFromBytes(file);
  XmlElems rows = document.Root()->Items().ItemNamed(u"ToDoContent")->Items();
  EXPECT_EQ(rows.Item(0)->Items().Item(1)->Value(), u"Steuer & Belege '23");
  EXPECT_EQ(rows.Item(1)->Items().Item(1)->Value(), u"Müll rausbringen");
  EXPECT_EQ(rows.Item(1)->Items().Item(2)->Value(), u"20 €");
  EXPECT_EQ(document.Root()->Items().ItemNamed(u"skin")->Items().ItemNamed(u"SkinPath")->Value(), u"");
  EXPECT_EQ(document.SaveToBytes(), file);
}

TEST(XmlWrite, EveryCodeUnitSurvivesWritingAndReading) {
  std::u16string value;
  for (char32_t unit = 0; unit <= 0xFFFF; ++unit) value += static_cast<char16_t>(unit);
  XmlDocument document;
  document.Root()->SetName(u"R");
  document.Root()->Items().Add(u"Text", value);
  std::string bytes = document.SaveToBytes();
  EXPECT_EQ(bytes.find_first_of(std::string("\x80\xFF", 2), kMark.size()), std::string::npos) << "7-bit only";
  XmlDocument reread;
  reread.LoadFromBytes(bytes);
  EXPECT_EQ(reread.Root()->Items().Item(0)->Value(), value);
}

TEST(XmlWrite, TheDeclarationKeepsVersionAndStandaloneAndNamesTheEncoding) {
  XmlDocument document;
  document.LoadFromString(u"<?xml standalone=\"yes\" encoding=\"latin1\" version=\"1.1\"?><!--c--><a/>");
  EXPECT_EQ(
      document.SaveToBytes(),
      std::string(kMark) + "<?xml version=\"1.1\" encoding=\"utf-8\" standalone=\"yes\"?>\r\n<!--c-->\r\n<a/>\r\n");
}

// A second declaration naming another encoding would switch the reading of the written
// file away from UTF-8.
TEST(XmlWrite, EveryDeclarationNamesTheWrittenEncoding) {
  XmlDocument document;
  document.LoadFromString(u"<?xml version=\"1.0\"?><?xml encoding=\"windows-1252\"?><a>ü</a>");
  std::string bytes = document.SaveToBytes();
  EXPECT_EQ(bytes, std::string(kMark) + std::string(kDeclaration) + std::string(kDeclaration) + "<a>&#xFC;</a>\r\n");
}

TEST(XmlWrite, IndentationUnitRepeatsPerLevel) {
  XmlDocument document;
  document.SetIndentString(u"\t");
  document.Root()->SetName(u"R");
  document.Root()->Items().Add(u"A")->Items().Add(u"B", u"1");
  EXPECT_EQ(document.SaveToBytes(),
            std::string(kMark) + std::string(kDeclaration) + "<R>\r\n\t<A>\r\n\t\t<B>1</B>\r\n\t</A>\r\n</R>\r\n");
}

TEST(XmlWrite, OtherEncodingsDeclareThemselves) {
  XmlDocument document;
  document.Root()->SetName(u"R");
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"utf-16\" standalone=\"no\"?>\r\n<R/>\r\n";
  std::string utf16 = "\xFF\xFE";
  for (char16_t unit : text) utf16 += {static_cast<char>(unit), '\0'};
  EXPECT_EQ(document.SaveToBytes(Encoding::Utf16), utf16);
  EXPECT_EQ(document.SaveToBytes(Encoding::Ansi),
            "<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n<R/>\r\n");
  EXPECT_EQ(document.LastCodePage(), 0u);
}

// Names are written as they are: an escaped name could not be read back.
TEST(XmlWrite, NamesBeyondAsciiAreWrittenAsUtf8) {
  XmlDocument document;
  document.LoadFromString(u"<Müll a=\"b\"/>");
  std::string bytes = document.SaveToBytes();
  EXPECT_NE(bytes.find("<M\xC3\xBCll a=\"b\"/>"), std::string::npos);
  document.LoadFromBytes(bytes);
  EXPECT_EQ(document.Root()->Name(), u"Müll");
}

TEST(XmlWrite, SaveToFileWritesTheBytesAndFailsWhenItCannotCreate) {
  XmlDocument document;
  document.Root()->SetName(u"R");
  const TempFolder folder;
  const std::u16string path = folder.File("Pendra.xml");
  document.SaveToFile(path);
  EXPECT_EQ(ReadWholeFile(path), document.SaveToBytes());
  EXPECT_THROW(document.SaveToFile(folder.File("missing/Pendra.xml")), EFCreateError);
}

}  // namespace pendra
