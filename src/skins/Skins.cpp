#include "skins/Skins.h"

#include "gfx/JpegDecoder.h"
#include "platform/FileSystem.h"
#include "platform/Guard.h"
#include "platform/Paths.h"
#include "sheet/Reports.h"
#include "sheet/Sheet.h"

namespace pendra {

namespace {

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

}  // namespace

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

bool TestStartSkin(Sheet& sheet, const std::u16string& exeFolder, Reports& reports) {
  bool chosen = false;
  Guarded(reports, u"testStartSkin", [&] {
    const std::vector<std::u16string> candidates = SkinBaseCandidates(reports, exeFolder, SkinSearch::FirstRun);
    if (!SearchSkinBaseFolder(sheet, candidates)) return;
    std::u16string name = FirstRunSkinName(sheet.SkinPath());
    if (name.empty()) return;
    sheet.SetSkinName(name);
    chosen = true;
  });
  return chosen;
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
