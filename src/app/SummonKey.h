#pragma once
// The key that summons the window from anywhere, and the user's choice of it, remembered in a
// small file of the per-user data folder: a per-PC choice, not part of the list, so a list shared
// by two PCs and the data file's bytes stay as they are.
#include <string>

namespace pendra {

// The modifier bits as the system's hot keys take them.
inline constexpr unsigned kKeyAlt = 1;
inline constexpr unsigned kKeyCtrl = 2;
inline constexpr unsigned kKeyShift = 4;
inline constexpr unsigned kKeyWin = 8;

struct SummonKey {
  // A virtual-key code; 0 when no key summons the window.
  int key = 0;
  unsigned modifiers = 0;
  bool IsOff() const { return key == 0; }
  bool operator==(const SummonKey&) const = default;
};

// Ctrl+Alt+Shift+Space: no German or English layout types with it (Ctrl+Alt is AltGr on German
// keyboards, which types characters with letters, digits and signs), Windows does not use it,
// and neither do the common programs, which use Ctrl+Shift+Space and Ctrl+Alt+Space.
inline constexpr SummonKey kDefaultSummonKey{0x20, kKeyCtrl | kKeyAlt | kKeyShift};

inline constexpr char16_t kSummonKeyFileName[] = u"SummonKey.txt";

struct SummonKeyChoice {
  SummonKey key = kDefaultSummonKey;
  // The user was told once that another program holds this key.
  bool takenNoted = false;
  bool operator==(const SummonKeyChoice&) const = default;
};

// The remembered choice; the default when none was made or the file does not read as one.
SummonKeyChoice RememberedSummonKey(const std::u16string& perUserFolder);
// Remembers the choice; the per-user folder is made when needed. Fails as writing a file fails.
void RememberSummonKey(const std::u16string& perUserFolder, const SummonKeyChoice& choice);

// The key as a note names it, "Strg+Alt+Umschalt+Leertaste", from the name of its last key.
std::u16string SummonKeyName(SummonKey key, const std::u16string& keyName);

// The file's text and back: "<virtual key> <modifiers>" ("0 0" for none), and a line "taken noted".
std::string SummonKeyText(const SummonKeyChoice& choice);
SummonKeyChoice ReadSummonKeyText(const std::string& text);

}  // namespace pendra
