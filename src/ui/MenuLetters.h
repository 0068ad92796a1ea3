#pragma once
// Typing a letter in an open menu, as Windows treats access keys: every item answers to one
// letter, its access key (the character after a single "&") or, without one, the first
// character of its text. A letter that only one item answers to runs that item; a letter that
// several items answer to only selects them in turn, and Enter runs the selected one.
#include <string>
#include <vector>

namespace pendra {

// The letter the item with this caption answers to; 0 for none (a separator, an empty text).
char16_t MenuItemLetter(const std::u16string& caption);

// The caption shown without its access key: the single "&" is taken out, a doubled one stays.
std::u16string WithoutAccessKey(const std::u16string& caption);

struct MenuLetterChoice {
  enum Action { Ignore, Select, Execute };
  Action action = Ignore;
  // The item's position in the menu; -1 with Ignore.
  int position = -1;
  bool operator==(const MenuLetterChoice&) const = default;
};

// What the letter does in a menu whose items answer to these letters (by position, all in one
// case, the same as the key's; 0 for none) while the item at the highlighted position is
// selected (-1: none). Several matches select the first one after the highlighted item, from
// the top again after the last.
MenuLetterChoice ChooseByLetter(const std::vector<char16_t>& letters, char16_t key, int highlighted);

// Whether another item answers to the letter of the item at that position.
bool SharesLetter(const std::vector<char16_t>& letters, int position);

}  // namespace pendra
