#pragma once
// The file system as the core sees it. Paths are UTF-16 (Windows paths on Windows,
// POSIX paths in the native build). The Win32 and native builds each implement it.
#include <string>
#include <string_view>

#include "platform/Failure.h"

namespace pendra {

class EFOpenError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EFOpenError"; }
};

class EFCreateError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EFCreateError"; }
};

class EInOutError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EInOutError"; }
};

// Reads the whole file; EFOpenError when it cannot be opened, EInOutError when reading fails.
std::string ReadWholeFile(const std::u16string& path);
// Creates (or truncates) the file and writes the bytes; EFCreateError when it cannot be
// created, EInOutError when writing fails.
void WriteWholeFile(const std::u16string& path, std::string_view bytes);

}  // namespace pendra
