#pragma once
// A long list's data file read on a thread of its own while the window is being made, so that the
// list's length adds little to the time until the window shows; a short one reads faster than a
// thread starts, and is left to the load. The load takes the document only when it asks for the
// same file and that file is still as it was read; in every other case (no file, a failure, a file
// that changed or is another) it reads the file itself, with its reports.
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "platform/FileSystem.h"
#include "xml/XmlDocument.h"

namespace pendra {

// From this size on a data file is read ahead.
inline constexpr std::uint64_t kReadAheadMinBytes = 256 * 1024;

// The document of a data file, with the file's stamp before it was read; no document when the file
// is not there, failed to read or changed while it was read.
struct DocumentReadAhead {
  std::u16string path;
  FileStamp stamp;
  std::unique_ptr<XmlDocument> document;
};
DocumentReadAhead ReadDocumentAhead(const std::u16string& path);
// The document, when it is of `path` and the file is unchanged since; it is given once.
std::unique_ptr<XmlDocument> TakeDocument(DocumentReadAhead& read, const std::u16string& path);

class DataFileReadAhead {
 public:
  DataFileReadAhead() = default;
  DataFileReadAhead(const DataFileReadAhead&) = delete;
  DataFileReadAhead& operator=(const DataFileReadAhead&) = delete;
  ~DataFileReadAhead();

  // Starts reading the data file a start loads (DataFileToLoad), when it is a long one.
  void Start(const std::u16string& exeFolder);
  // Waits for the reading; TakeDocument then.
  std::unique_ptr<XmlDocument> Take(const std::u16string& path);

 private:
  std::thread thread_;
  DocumentReadAhead read_;
};

}  // namespace pendra
