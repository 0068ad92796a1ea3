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

// The first name of the kept files' form that no file of the folder has.
std::u16string FreeKeptPath(const std::u16string& folder, std::u16string_view why, const LocalTime& time) {
  for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
    const std::u16string kept = folder + KeptFileName(why, time, attempt);
    if (!FileExists(kept)) return kept;
  }
  throw EFCreateError(u"No free name to keep the file under.");
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
  return KeepBytesAside(folder, ReadWholeFile(folder + fileName), why, time);
}

std::u16string KeepBytesAside(const std::u16string& folder, std::string_view bytes, std::u16string_view why,
                              const LocalTime& time) {
  const std::u16string kept = FreeKeptPath(folder, why, time);
  WriteWholeFileDurably(kept, bytes);
  return kept;
}

std::u16string MoveFileAside(const std::u16string& folder, const std::u16string& fileName, std::u16string_view why,
                             const LocalTime& time) {
  const std::u16string kept = FreeKeptPath(folder, why, time);
  if (!RenameFile(folder + fileName, kept)) throw EInOutError(u"Cannot rename the file \"" + fileName + u"\".");
  return kept;
}

}  // namespace pendra
