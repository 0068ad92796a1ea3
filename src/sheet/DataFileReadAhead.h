#pragma once
// The data file read on a thread of its own while the window is being made, so that a long list
// adds little to the time until the window shows. The load takes the document only when it asks
// for the same file and that file is still as it was read; in every other case (no file, a
// failure, a file that changed or is another) it reads the file itself, with its reports.
#include <memory>
#include <string>
#include <thread>

#include "platform/FileSystem.h"
#include "xml/XmlDocument.h"

namespace pendra {

// The document of the data file a start loads (DataFileToLoad), with the file's stamp before it
// was read; no document when there is no such file, it failed to read or changed while read.
struct DocumentReadAhead {
  std::u16string path;
  FileStamp stamp;
  std::unique_ptr<XmlDocument> document;
};
DocumentReadAhead ReadDataFileAhead(const std::u16string& exeFolder);
// The document, when it is of `path` and the file is unchanged since; it is given once.
std::unique_ptr<XmlDocument> TakeDocument(DocumentReadAhead& read, const std::u16string& path);

class DataFileReadAhead {
 public:
  DataFileReadAhead() = default;
  DataFileReadAhead(const DataFileReadAhead&) = delete;
  DataFileReadAhead& operator=(const DataFileReadAhead&) = delete;
  ~DataFileReadAhead();

  void Start(const std::u16string& exeFolder);
  // Waits for the reading; TakeDocument then.
  std::unique_ptr<XmlDocument> Take(const std::u16string& path);

 private:
  std::thread thread_;
  DocumentReadAhead read_;
};

}  // namespace pendra
