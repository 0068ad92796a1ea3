#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "lang/AboutTexts.h"
#include "platform/WideText_win.h"

namespace pendra {
namespace {

// A text of the version resource of this test program, which carries Pendra.exe's resources,
// in the language block the resource names; empty when it has none.
std::u16string VersionText(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::vector<char> info(GetFileVersionInfoSizeW(path, nullptr));
  if (info.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data())) return {};
  WORD* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < 2 * sizeof(WORD)) {
    return {};
  }
  wchar_t key[96] = {};
  swprintf(key, 96, L"\\StringFileInfo\\%04X%04X\\%ls", translation[0], translation[1], name);
  wchar_t* text = nullptr;
  if (!VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&text), &size) || !text) return {};
  return FromWide(text);
}

// Explorer shows these as the file's company and copyright: the maker the About dialog names.
TEST(VersionResource, NamesTheMakerAndTheCopyrightNoticeOfTheAboutDialog) {
  const std::u16string company = VersionText(L"CompanyName");
  ASSERT_FALSE(company.empty());
  const std::u16string makerLine = kMakerName;
  EXPECT_EQ(makerLine.substr(0, company.size()), company);
  EXPECT_TRUE(makerLine.size() == company.size() || makerLine[company.size()] == u',') << company.size();
  const std::u16string copyright = VersionText(L"LegalCopyright");
  EXPECT_EQ(copyright, kCopyrightNotice);
  EXPECT_TRUE(copyright.ends_with(u" " + company));
}

}  // namespace
}  // namespace pendra
