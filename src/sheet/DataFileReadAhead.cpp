#include "sheet/DataFileReadAhead.h"

#include "sheet/DataFile.h"
#include "sheet/DataFolder.h"
#include "sheet/LoadSave.h"

namespace pendra {

DocumentReadAhead ReadDataFileAhead(const std::u16string& exeFolder) {
  DocumentReadAhead read;
  read.path = DataFileToLoad(exeFolder);
  if (read.path.empty()) return read;
  read.stamp = FileStampOf(read.path);
  if (!read.stamp.exists || read.stamp.size > kMaxDataFileBytes) return read;
  try {
    auto document = std::make_unique<XmlDocument>();
    document->Root()->SetName(kRootName);
    document->LoadFromFile(read.path, Encoding::Auto);
    if (FileStampOf(read.path) == read.stamp) read.document = std::move(document);
  } catch (...) {
    // The load reads the file again and reports what failed.
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

void DataFileReadAhead::Start(const std::u16string& exeFolder) {
  thread_ = std::thread([this, exeFolder] { read_ = ReadDataFileAhead(exeFolder); });
}

std::unique_ptr<XmlDocument> DataFileReadAhead::Take(const std::u16string& path) {
  if (thread_.joinable()) thread_.join();
  return TakeDocument(read_, path);
}

}  // namespace pendra
