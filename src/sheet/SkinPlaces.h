#pragma once
// Where skin folders may be: the base folders a search tries, and which base folder saved in
// the data file a load may follow.
#include <string>
#include <vector>

#include "sheet/Reports.h"

namespace pendra {

// The first run looks in every candidate folder; the skin menu only in those beside the
// program.
enum class SkinSearch { FirstRun, Menu };

// The base folder candidates in the order they are tried. exeFolder ends in a delimiter.
std::vector<std::u16string> SkinBaseCandidates(Reports& reports, const std::u16string& exeFolder, SkinSearch search);

// Whether a skin base folder restored from the data file may be looked at: one on a local
// drive, or one of the first run's candidates (beside a program that runs from a share, they
// are on that share). Nothing is touched to decide it.
bool MayFollowSavedSkinPath(Reports& reports, const std::u16string& exeFolder, const std::u16string& path);

}  // namespace pendra
