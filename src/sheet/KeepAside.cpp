#include "sheet/KeepAside.h"

#include <cstdio>

#include "platform/FileSystem.h"
#include "platform/Utf.h"

namespace pendra {

namespace {

constexpr int kMostAttempts = 1000;

std::u16string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return FromUtf8(text);
}

}  // namespace

std::u16string KeptFileName(std::u16string_view why, const LocalTime& time, int attempt) {
  char year[8];
  std::snprintf(year, sizeof year, "%04d", time.year);
  std::u16string name = u"Pendra~" + std::u16string(why) + u"~" + FromUtf8(year) + u"-" + TwoDigits(time.month) + u"-" +
                        TwoDigits(time.day) + u"~" + TwoDigits(time.hour) + TwoDigits(time.minute) +
                        TwoDigits(time.second);
  if (attempt > 1) name += u"~" + FromUtf8(std::to_string(attempt));
  return name + u".xml";
}

std::u16string KeepFileAside(const std::u16string& folder, const std::u16string& fileName, std::u16string_view why,
                             const LocalTime& time) {
  const std::string bytes = ReadWholeFile(folder + fileName);
  for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
    const std::u16string kept = folder + KeptFileName(why, time, attempt);
    if (FileExists(kept)) continue;
    WriteWholeFileDurably(kept, bytes);
    return kept;
  }
  throw EFCreateError(u"No free name to keep the file under.");
}

std::u16string MoveFileAside(const std::u16string& folder, const std::u16string& fileName, std::u16string_view why,
                             const LocalTime& time) {
  for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
    const std::u16string kept = folder + KeptFileName(why, time, attempt);
    if (FileExists(kept)) continue;
    if (!RenameFile(folder + fileName, kept)) throw EInOutError(u"Cannot rename the file \"" + fileName + u"\".");
    return kept;
  }
  throw EInOutError(u"No free name to keep the file under.");
}

}  // namespace pendra
