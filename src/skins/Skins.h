#pragma once
// Skins: the base folder a search finds, which skin a first run takes, and how a skin's five
// pictures are read. The sheet's SkinPath is the base folder (ending in a delimiter) and
// SkinName the sub-folder of the chosen skin.
#include <functional>
#include <string>
#include <vector>

#include "gfx/Picture.h"
#include "sheet/SkinPlaces.h"

namespace pendra {

class Reports;
class Sheet;

// Takes the first existing candidate as SkinPath (the first candidate gets a delimiter
// added, the others carry one) and keeps SkinPath when none exists. True when SkinPath then
// names an existing folder; it ends in a delimiter then.
bool SearchSkinBaseFolder(Sheet& sheet, const std::vector<std::u16string>& candidates);

// The first name of the first-run preference whose folder exists in the base folder; empty
// when there is none.
std::u16string FirstRunSkinName(const std::u16string& skinPath);

// testStartSkin: on the very first run, finds a base folder and the preferred skin in it and
// names it in the sheet; true when that skin's pictures are to be loaded. A failure is reported
// under "testStartSkin".
bool TestStartSkin(Sheet& sheet, const std::u16string& exeFolder, Reports& reports);

// The five pictures of a skin, in the order they are loaded.
enum class SkinPart { Right, Top, Down, TopRight, DownRight };

// Largest skin picture file we read; real ones are a few kilobytes.
constexpr std::uint64_t kMaxSkinFileSize = 16u << 20;

// Reads one skin picture: a JPEG file no larger than the limit. EInvalidGraphic when the
// file is too large, no JPEG or damaged; EFOpenError when it is missing or no file.
Picture LoadSkinPicture(const std::u16string& path);

// Loads the skin's pictures from the folder (ending in a delimiter) in their order and hands
// each to apply. The first picture that cannot be read or applied ends the loading silently;
// the pictures applied before it stay. True when all five were applied.
bool LoadSkinPictures(const std::u16string& folder, const std::function<void(SkinPart, const Picture&)>& apply);

}  // namespace pendra
