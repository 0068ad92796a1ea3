#include "app/SummonKey.h"

#include <charconv>

#include "lang/Texts.h"
#include "platform/FileSystem.h"

namespace pendra {

namespace {

constexpr std::uint64_t kMaxSummonKeyBytes = 256;
constexpr char kTakenNoted[] = "taken noted";
constexpr unsigned kAllModifiers = kKeyAlt | kKeyCtrl | kKeyShift | kKeyWin;

// A whole decimal number followed by the delimiter (or the end); the text after it.
bool ReadNumber(std::string_view& text, char delimiter, unsigned& value) {
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || end == text.data()) return false;
  text.remove_prefix(static_cast<size_t>(end - text.data()));
  if (text.empty()) return true;
  if (text.front() != delimiter) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::u16string SummonKeyName(SummonKey key, const std::u16string& keyName) {
  std::u16string name;
  const std::pair<unsigned, const char16_t*> modifiers[] = {{kKeyCtrl, kSummonKeyTexts.ctrl},
                                                            {kKeyAlt, kSummonKeyTexts.alt},
                                                            {kKeyShift, kSummonKeyTexts.shift},
                                                            {kKeyWin, kSummonKeyTexts.win}};
  for (const auto& [bit, modifierName] : modifiers) {
    if (key.modifiers & bit) name += std::u16string(modifierName) + u"+";
  }
  return name + keyName;
}

std::string SummonKeyText(const SummonKeyChoice& choice) {
  std::string text = std::to_string(choice.key.key) + " " + std::to_string(choice.key.modifiers) + "\r\n";
  if (choice.takenNoted) text += std::string(kTakenNoted) + "\r\n";
  return text;
}

SummonKeyChoice ReadSummonKeyText(const std::string& text) {
  std::string_view rest = text;
  unsigned key = 0;
  unsigned modifiers = 0;
  if (!ReadNumber(rest, ' ', key) || !ReadNumber(rest, '\r', modifiers)) return {};
  // A virtual-key code is a byte; a key without modifiers would take that key from every program.
  if (key > 0xFE || (modifiers & ~kAllModifiers) != 0 || (key != 0 && modifiers == 0)) return {};
  SummonKeyChoice choice{{static_cast<int>(key), key == 0 ? 0 : modifiers}};
  choice.takenNoted = rest.starts_with("\n" + std::string(kTakenNoted));
  return choice;
}

SummonKeyChoice RememberedSummonKey(const std::u16string& perUserFolder) {
  const std::u16string file = perUserFolder + kSummonKeyFileName;
  try {
    if (!FileExists(file) || FileSize(file) > kMaxSummonKeyBytes) return {};
    return ReadSummonKeyText(ReadWholeFile(file));
  } catch (...) {
    return {};
  }
}

void RememberSummonKey(const std::u16string& perUserFolder, const SummonKeyChoice& choice) {
  if (!DirectoryExists(perUserFolder)) ForceDirectories(perUserFolder);
  WriteWholeFileDurably(perUserFolder + kSummonKeyFileName, SummonKeyText(choice));
}

}  // namespace pendra
