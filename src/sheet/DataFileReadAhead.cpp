#include "sheet/DataFileReadAhead.h"

#include <system_error>

#include "sheet/DataFile.h"
#include "sheet/DataFolder.h"
#include "sheet/LoadSave.h"

namespace pendra {

// Whatever fails here is left to the load, which reads the file again and reports it.
DocumentReadAhead ReadDocumentAhead(const std::u16string& path) {
  DocumentReadAhead read;
  try {
    read.path = path;
    read.stamp = FileStampOf(path);
    if (!read.stamp.exists || read.stamp.size > kMaxDataFileBytes) return read;
    auto document = std::make_unique<XmlDocument>();
    document->Root()->SetName(kRootName);
    document->LoadFromFile(path, Encoding::Auto);
    if (FileStampOf(path) == read.stamp) read.document = std::move(document);
  } catch (...) {
  }
  return read;
}

std::unique_ptr<XmlDocument> TakeDocument(DocumentReadAhead& read, const std::u16string& path) {
  std::unique_ptr<XmlDocument> document = std::move(read.document);
  if (!document || path != read.path || FileStampOf(path) != read.stamp) return nullptr;
  return document;
}

DataFileReadAhead::~DataFileReadAhead() {
  if (thread_.joinable()) thread_.join();
}

// Without a thread of its own nothing is read ahead either.
void DataFileReadAhead::Start(const std::u16string& exeFolder) {
  const std::u16string path = DataFileToLoad(exeFolder);
  if (path.empty() || FileStampOf(path).size < kReadAheadMinBytes) return;
  try {
    thread_ = std::thread([this, path] { read_ = ReadDocumentAhead(path); });
  } catch (const std::system_error&) {
  }
}

std::unique_ptr<XmlDocument> DataFileReadAhead::Take(const std::u16string& path) {
  if (thread_.joinable()) thread_.join();
  return TakeDocument(read_, path);
}

}  // namespace pendra
