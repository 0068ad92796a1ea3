#pragma once
// A fresh folder under the system's temp folder for tests on the real file system.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Utf.h"

namespace pendra {

class TempFolder {
 public:
  TempFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("pendra-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder (or a file below it) as the program writes paths: UTF-16, folders ending in "/".
  std::u16string Folder(const std::string& sub = "") const {
    std::filesystem::path p = sub.empty() ? path_ : path_ / sub;
    std::filesystem::create_directories(p);
    return FromUtf8(p.string() + "/");
  }
  std::u16string File(const std::string& name) const { return FromUtf8((path_ / name).string()); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

}  // namespace pendra
