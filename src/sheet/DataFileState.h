#pragma once
// What this run knows of its files: where the program and the data file are, the data file as
// this run last read or wrote it, and the temporary file its last failed save left. Loading and
// saving read and update it; nothing of the window is in it.
#include <string>

#include "platform/FileSystem.h"
#include "sheet/ExchangeLoop.h"
#include "sheet/KnownVersions.h"

namespace pendra {

struct DataFileState {
  std::u16string ExeFolder;
  std::u16string DataFolder;
  // The data file as this run last read or wrote it; another version found before a save
  // was written by another program and is kept aside.
  FileStamp DataFileSeen;
  // The versions of the sheet this run read or wrote: where a merge with another version begins.
  KnownVersions Known;
  // The versions this run and another PC last sent each other.
  ExchangeLoop Exchanges;
  // A damaged data file that could not be kept aside: this run never replaces it.
  bool ProtectDataFile = false;
  // The last load met bytes of a wrong encoding and replaced them.
  bool DataFileLostCharacters = false;
  // The temporary file this run's last failed save left; empty when the last save succeeded.
  std::u16string TemporaryFile;
};

inline constexpr char16_t kDataFileName[] = u"Pendra.xml";

}  // namespace pendra
