#include "ui/MenuLetters.h"

namespace pendra {

namespace {

// The position of the "&" that marks the access key; npos when there is none.
size_t AccessKeyMark(const std::u16string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return i;
    ++i;  // "&&" shows one "&"
  }
  return std::u16string::npos;
}

}  // namespace

char16_t MenuItemLetter(const std::u16string& caption) {
  const size_t mark = AccessKeyMark(caption);
  if (mark != std::u16string::npos) return caption[mark + 1];
  return caption.empty() ? 0 : caption.front();
}

std::u16string WithoutAccessKey(const std::u16string& caption) {
  std::u16string shown = caption;
  const size_t mark = AccessKeyMark(caption);
  if (mark != std::u16string::npos) shown.erase(mark, 1);
  return shown;
}

MenuLetterChoice ChooseByLetter(const std::vector<char16_t>& letters, char16_t key, int highlighted) {
  std::vector<int> matches;
  for (int i = 0; i < static_cast<int>(letters.size()); ++i) {
    if (key != 0 && letters[i] == key) matches.push_back(i);
  }
  if (matches.empty()) return {};
  if (matches.size() == 1) return {MenuLetterChoice::Execute, matches.front()};
  for (int match : matches) {
    if (match > highlighted) return {MenuLetterChoice::Select, match};
  }
  return {MenuLetterChoice::Select, matches.front()};
}

bool SharesLetter(const std::vector<char16_t>& letters, int position) {
  const char16_t letter = letters[position];
  if (letter == 0) return false;
  for (int i = 0; i < static_cast<int>(letters.size()); ++i) {
    if (i != position && letters[i] == letter) return true;
  }
  return false;
}

}  // namespace pendra
