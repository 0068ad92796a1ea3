#include "sheet/ListLocation.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Utf.h"

namespace pendra {

namespace {

// Longer than any path Windows takes: such a file is no path of ours.
constexpr std::uint64_t kMaxLocationBytes = 4096;

bool IsFolderText(const std::u16string& text) {
  return !text.empty() && std::none_of(text.begin(), text.end(), [](char16_t c) { return c < 0x20; });
}

}  // namespace

std::u16string ChosenListFolder(const std::u16string& perUserFolder) {
  const std::u16string file = perUserFolder + kListLocationFileName;
  try {
    if (!FileExists(file) || FileSize(file) > kMaxLocationBytes) return {};
    std::u16string folder = FromUtf8(ReadWholeFile(file));
    while (!folder.empty() && (folder.back() == u'\n' || folder.back() == u'\r')) folder.pop_back();
    return IsFolderText(folder) ? IncludeTrailingPathDelimiter(folder) : std::u16string();
  } catch (...) {
    return {};
  }
}

void RememberListFolder(const std::u16string& perUserFolder, const std::u16string& folder) {
  if (!DirectoryExists(perUserFolder)) ForceDirectories(perUserFolder);
  WriteWholeFileDurably(perUserFolder + kListLocationFileName, ToUtf8(folder) + "\r\n");
}

}  // namespace pendra
