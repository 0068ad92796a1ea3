#include "lang/Texts.h"

#include "lang/Pattern.h"
#include "platform/DecimalText.h"

namespace pendra {

const char16_t kSupportAddress[] = u"support@pendra.example";

std::u16string ExceptionBoxText(const std::u16string& methode) {
  return FillIn(BuildTexts.messages.exceptionBox, {{u"handler", methode}, {u"support", kSupportAddress}});
}

std::u16string UnhandledFailureText(const std::u16string& message, const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.unhandledFailure, {{u"message", message}, {u"type", typeName}});
}

std::u16string SaveReadOnlyText(const std::u16string& dataFile, const std::u16string& message,
                                const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.saveReadOnly, {{u"file", dataFile}, {u"message", message}, {u"type", typeName}});
}

std::u16string SaveTemporaryFileText(const std::u16string& folder, const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.saveTemporaryFile, {{u"folder", folder}, {u"type", typeName}});
}

std::u16string SaveReplaceText(const std::u16string& dataFile, const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.saveReplace, {{u"file", dataFile}, {u"type", typeName}});
}

std::u16string KeptUnreadableText(const std::u16string& keptFile) {
  return FillIn(BuildTexts.messages.keptUnreadable, {{u"file", keptFile}});
}

std::u16string KeptLostCharactersText(const std::u16string& keptFile) {
  return FillIn(BuildTexts.messages.keptLostCharacters, {{u"file", keptFile}});
}

std::u16string NotKeptUnreadableText(const std::u16string& dataFile, const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.notKeptUnreadable, {{u"file", dataFile}, {u"type", typeName}});
}

// Each file on a line of its own, in quotes as every path of a message.
std::u16string KeptLeftoversText(const std::vector<std::u16string>& keptFiles) {
  std::u16string files;
  for (const std::u16string& file : keptFiles) files += u"\r\n\"" + file + u"\"";
  return FillIn(BuildTexts.messages.keptLeftovers, {{u"files", files}});
}

std::u16string NotKeptConflictText(const std::u16string& dataFile, const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.notKeptConflict, {{u"file", dataFile}, {u"type", typeName}});
}

std::u16string MergeConflictText(const std::u16string& keptFile) {
  return FillIn(BuildTexts.messages.mergeConflict, {{u"file", keptFile}});
}

std::u16string OwnVersionKeptText(const std::u16string& keptFile) {
  return FillIn(BuildTexts.messages.ownVersionKept, {{u"file", keptFile}});
}

std::u16string ListThereUnreadableText(const std::u16string& file) {
  return FillIn(BuildTexts.messages.listThereUnreadable, {{u"file", file}});
}

std::u16string NotRememberedListFolderText(const std::u16string& folder, const std::u16string& typeName) {
  return FillIn(BuildTexts.messages.listFolderNotRemembered, {{u"folder", folder}, {u"type", typeName}});
}

std::u16string SummonKeyTakenText(const std::u16string& keyName) {
  return FillIn(BuildTexts.summonKey.takenNote, {{u"key", keyName}});
}

std::u16string MergedCopiesText(size_t count, const std::u16string& folder) {
  if (count == 1) return FillIn(BuildTexts.messages.mergedCopy, {{u"folder", folder}});
  return FillIn(BuildTexts.messages.mergedCopies,
                {{u"count", DecimalText(static_cast<long long>(count))}, {u"folder", folder}});
}

std::u16string AccessibleColumnName(int col) {
  return FillIn(BuildTexts.accessibility.column, {{u"number", DecimalText(col + 1LL)}});
}

}  // namespace pendra
