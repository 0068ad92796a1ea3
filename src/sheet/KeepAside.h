#pragma once
// A data file that must not be lost is kept beside it, byte for byte, under a name that tells
// why and when: Pendra~<why>~YYYY-MM-DD~HHMMSS.xml, with ~2, ~3, ... when that name is taken.
#include <string>
#include <string_view>

#include "platform/LocalTime.h"

namespace pendra {

std::u16string KeptFileName(std::u16string_view why, const LocalTime& time, int attempt);

// Copies the file into a free name of its folder and returns that path; fails (EFOpenError,
// EFCreateError, EInOutError) when it cannot be read or the copy cannot be written.
std::u16string KeepFileAside(const std::u16string& folder, const std::u16string& fileName, std::u16string_view why,
                             const LocalTime& time);
// Writes the bytes into a free name of the folder and returns that path; fails as KeepFileAside.
std::u16string KeepBytesAside(const std::u16string& folder, std::string_view bytes, std::u16string_view why,
                              const LocalTime& time);
// Renames the file into a free name of its folder (no copy, so it works on a full disk) and
// returns that path; EInOutError when the file system refuses.
std::u16string MoveFileAside(const std::u16string& folder, const std::u16string& fileName, std::u16string_view why,
                             const LocalTime& time);

}  // namespace pendra
