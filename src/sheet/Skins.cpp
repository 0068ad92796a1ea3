#include "sheet/Skins.h"

#include <algorithm>

#include "gfx/JpegDecoder.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Guard.h"
#include "platform/Paths.h"
#include "sheet/LoadSave.h"
#include "sheet/Sheet.h"
#include "sheet/SheetWindow.h"

namespace pendra {

namespace {

const std::u16string kDelimiter(1, kPathDelimiter);

// The preferred skins of a first run, best first.
constexpr const char16_t* kFirstRunSkinNames[] = {u"Lime",     u"Vista",    u"Longhorn",  u"Navyl",
                                                  u"Eldorado", u"XPSilver", u"Technical", u"Lite",
                                                  u"XPBlue",   u"THT",      u"Silver"};

struct SkinPictureFile {
  SkinPart part;
  const char16_t* name;
};

constexpr SkinPictureFile kSkinPictureFiles[] = {
    {SkinPart::Right, u"Right.JPG"},         {SkinPart::Top, u"Top.JPG"},
    {SkinPart::Down, u"Down.JPG"},           {SkinPart::TopRight, u"TopRight.JPG"},
    {SkinPart::DownRight, u"DownRight.JPG"},
};

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

std::vector<std::u16string> SkinBaseCandidates(ExceptionReporter& reporter, const std::u16string& exeFolder,
                                               SkinSearch search) {
  const std::u16string parent = EinenPfadAbziehenMitDelimeter(reporter, exeFolder);
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

bool MayFollowSavedSkinPath(ExceptionReporter& reporter, const std::u16string& exeFolder, const std::u16string& path) {
  if (IsOnLocalDrive(path)) return true;
  const std::u16string saved = IncludeTrailingPathDelimiter(path);
  for (const std::u16string& candidate : SkinBaseCandidates(reporter, exeFolder, SkinSearch::FirstRun)) {
    if (SameFolderText(IncludeTrailingPathDelimiter(candidate), saved)) return true;
  }
  return false;
}

bool SearchSkinBaseFolder(Sheet& sheet, const std::vector<std::u16string>& candidates) {
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (DirectoryExists(candidates[i])) {
      sheet.SetSkinPath(i == 0 ? IncludeTrailingPathDelimiter(candidates[i]) : candidates[i]);
      break;
    }
  }
  if (!DirectoryExists(sheet.SkinPath())) return false;
  sheet.SetSkinPath(IncludeTrailingPathDelimiter(sheet.SkinPath()));
  return true;
}

std::u16string FirstRunSkinName(const std::u16string& skinPath) {
  for (const char16_t* name : kFirstRunSkinNames) {
    if (DirectoryExists(skinPath + name)) return name;
  }
  return {};
}

void TestStartSkin(SheetWindow& window) {
  Guarded(window, u"testStartSkin", [&] {
    Sheet& sheet = window.TheSheet();
    const std::vector<std::u16string> candidates =
        SkinBaseCandidates(window, window.State().ExeFolder, SkinSearch::FirstRun);
    if (!SearchSkinBaseFolder(sheet, candidates)) return;
    std::u16string name = FirstRunSkinName(sheet.SkinPath());
    if (name.empty()) return;
    sheet.SetSkinName(name);
    window.loadSkin();
  });
}

Picture LoadSkinPicture(const std::u16string& path) {
  if (!FileExists(path)) throw EFOpenError(u"Cannot open file \"" + path + u"\".");
  if (FileSize(path) > kMaxSkinFileSize) throw EInvalidGraphic(u"The picture file is too large.");
  return DecodeJpeg(ReadWholeFile(path));
}

bool LoadSkinPictures(const std::u16string& folder, const std::function<void(SkinPart, const Picture&)>& apply) {
  try {
    for (const SkinPictureFile& file : kSkinPictureFiles) apply(file.part, LoadSkinPicture(folder + file.name));
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace pendra
