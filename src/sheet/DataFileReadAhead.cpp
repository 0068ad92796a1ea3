#include "sheet/DataFileReadAhead.h"

#include <system_error>

#include "sheet/DataFile.h"
#include "sheet/DataFolder.h"
#include "sheet/LoadSave.h"

namespace pendra {

// Whatever fails here is left to the load, which reads the file again and reports it.
DocumentReadAhead ReadDataFileAhead(const std::u16string& exeFolder) {
  DocumentReadAhead read;
  try {
    read.path = DataFileToLoad(exeFolder);
    if (read.path.empty()) return read;
    read.stamp = FileStampOf(read.path);
    if (!read.stamp.exists || read.stamp.size > kMaxDataFileBytes) return read;
    auto document = std::make_unique<XmlDocument>();
    document->Root()->SetName(kRootName);
    document->LoadFromFile(read.path, Encoding::Auto);
    if (FileStampOf(read.path) == read.stamp) read.document = std::move(document);
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

// Without a thread of its own nothing is read ahead: the load reads the file itself.
void DataFileReadAhead::Start(const std::u16string& exeFolder) {
  try {
    thread_ = std::thread([this, exeFolder] { read_ = ReadDataFileAhead(exeFolder); });
  } catch (const std::system_error&) {
  }
}

std::unique_ptr<XmlDocument> DataFileReadAhead::Take(const std::u16string& path) {
  if (thread_.joinable()) thread_.join();
  return TakeDocument(read_, path);
}

}  // namespace pendra
