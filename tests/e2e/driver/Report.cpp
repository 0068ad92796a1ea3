#include "Report.h"

#include <cwchar>

namespace driver {

std::wstring Escape(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    switch (c) {
      case L'\\': out += L"\\\\"; break;
      case L'\r': out += L"\\r"; break;
      case L'\n': out += L"\\n"; break;
      case L'\t': out += L"\\t"; break;
      default: out += c;
    }
  }
  return out;
}

std::wstring Unescape(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    wchar_t next = text[++i];
    out += next == L'r' ? L'\r' : next == L'n' ? L'\n' : next == L't' ? L'\t' : next;
  }
  return out;
}

std::wstring Hex(unsigned long long value) {
  wchar_t buffer[32];
  swprintf(buffer, 32, L"0x%llx", value);
  return buffer;
}

void Report::Add(const std::wstring& key, const std::wstring& value) { lines_.push_back(key + L"=" + Escape(value)); }

void Report::Add(const std::wstring& key, long long value) { Add(key, std::to_wstring(value)); }

static std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

bool Report::Write(const std::wstring& path) const {
  std::wstring all;
  for (const auto& line : lines_) all += line + L"\n";
  std::string bytes = ToUtf8(all);
  HANDLE file = path.empty() ? GetStdHandle(STD_OUTPUT_HANDLE)
                             : CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE || file == nullptr) return false;
  DWORD written = 0;
  bool ok = bytes.empty() || WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  if (!path.empty()) CloseHandle(file);
  return ok && written == bytes.size();
}

}  // namespace driver
