#pragma once
// The driver's answer: "key=value" lines, values escaped so that one value stays on one line.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Escapes backslash, CR, LF and tab as \\, \r, \n and \t.
std::wstring Escape(const std::wstring& text);
// Reverses Escape; an unknown escape keeps its character.
std::wstring Unescape(const std::wstring& text);

std::wstring Hex(unsigned long long value);

class Report {
 public:
  void Add(const std::wstring& key, const std::wstring& value);
  void Add(const std::wstring& key, long long value);
  void AddFlag(const std::wstring& key, bool value) { Add(key, value ? 1 : 0); }
  // Writes all lines as UTF-8 to the file, or to standard output when the path is empty.
  bool Write(const std::wstring& path) const;

 private:
  std::vector<std::wstring> lines_;
};

}  // namespace driver
