#pragma once
// A file of a fuzz target's own in the system's temp folder, named after the process so that
// runs side by side do not meet, and removed when the run ends.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

class ScratchFile {
 public:
  explicit ScratchFile(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / ("pendra-fuzz-" + std::to_string(::getpid()) + "-" + name)) {}
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
