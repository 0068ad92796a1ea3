#include "sheet/SkinPlaces.h"

#include <algorithm>

#include "platform/Drives.h"
#include "platform/Paths.h"
#include "sheet/LoadSave.h"

namespace pendra {

namespace {

const std::u16string kDelimiter(1, kPathDelimiter);

// Folder paths compare as Windows compares them: without regard to the letter case of A to Z,
// and with either delimiter.
bool SameFolderText(std::u16string_view a, std::u16string_view b) {
  const auto fold = [](char16_t c) {
    if (c == u'/') return u'\\';
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

}  // namespace

std::vector<std::u16string> SkinBaseCandidates(Reports& reports, const std::u16string& exeFolder, SkinSearch search) {
  const std::u16string parent = EinenPfadAbziehenMitDelimeter(reports, exeFolder);
  std::vector<std::u16string> candidates = {
      exeFolder + u"Skins",
      parent + u"Skins" + kDelimiter,
      parent + u"Kastrel" + kDelimiter + u"Skins" + kDelimiter,
  };
  if (search == SkinSearch::FirstRun) {
    candidates.push_back(u"C:\\Program Files (x86)\\Kastrel\\Skins\\");
    candidates.push_back(u"C:\\Program Files\\Kastrel\\Skins\\");
    candidates.push_back(u"C:\\Programme\\Kastrel\\Skins\\");
  }
  candidates.push_back(parent + u"KS" + kDelimiter + u"Skins" + kDelimiter);
  return candidates;
}

bool MayFollowSavedSkinPath(Reports& reports, const std::u16string& exeFolder, const std::u16string& path) {
  if (IsOnLocalDrive(path)) return true;
  const std::u16string saved = IncludeTrailingPathDelimiter(path);
  for (const std::u16string& candidate : SkinBaseCandidates(reports, exeFolder, SkinSearch::FirstRun)) {
    if (SameFolderText(IncludeTrailingPathDelimiter(candidate), saved)) return true;
  }
  return false;
}

}  // namespace pendra
