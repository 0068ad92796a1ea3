// The German texts.
#include "lang/Texts.h"
#include "platform/DecimalText.h"

namespace pendra {

const char16_t kExceptionBoxTitle[] = u"Ausnahmefehler";
const char16_t kUnhandledFailureTitle[] = u"Fehler";
const char16_t kSupportAddress[] = u"support@pendra.example";

std::u16string ExceptionBoxText(const std::u16string& methode) {
  return u"Exception in \"" + methode +
         u"\" \r\nDies is vermutlich ein unbekannter, neuer Fehler!\r\n"
         u"Bitte berichten Sie diesen Fehler dem Entwicklungsteam unter:\r\n" +
         kSupportAddress + u"\r\nVielen Dank!";
}

std::u16string UnhandledFailureText(const std::u16string& message, const std::u16string& typeName) {
  return u"Ein unbekannter Fehler ist aufgetreten:\r\n" + message + u" (" + typeName + u")";
}

const char16_t kSaveProblemTitle[] = u"Fehler beim Speichern";

std::u16string SaveReadOnlyText(const std::u16string& dataFile, const std::u16string& message,
                                const std::u16string& typeName) {
  return u"Kann Schreibschutz dieser Datei nicht entfernen: \r\n\"" + dataFile +
         u"\"\r\nSpeichern nicht möglich! Fehler: \"" + message + u" (" + typeName + u")\"";
}

std::u16string SaveTemporaryFileText(const std::u16string& folder, const std::u16string& typeName) {
  return u"Problem beim temporären Speichern in diesen Pfad: \r\n\"" + folder +
         u"\"\r\nSpeichern nicht möglich! Bitte prüfen Sie, ob das Laufwerk noch vorhanden ist!\r\nFehler: \"" +
         typeName + u"\"";
}

std::u16string SaveReplaceText(const std::u16string& dataFile, const std::u16string& typeName) {
  return u"Problem beim Speichern dieser Datei aufgetreten: \r\n\"" + dataFile +
         u"\"\r\nSpeichern nicht möglich! Fehler: \"" + typeName + u"\"";
}

const char16_t kKeptUnreadableTitle[] = u"Hinweis";

const char16_t kWaitingForDataFileText[] =
    u"Pendra.xml ist gerade von einem anderen Programm geöffnet.\r\n\r\n"
    u"Pendra wartet, bis die Datei frei ist, und zeigt dann Ihre Liste.";

std::u16string KeptUnreadableText(const std::u16string& keptFile) {
  return u"Die Datei mit Ihrer Liste konnte nicht vollständig gelesen werden.\r\nSie wurde unverändert aufbewahrt "
         u"unter: \r\n\"" +
         keptFile + u"\"";
}

std::u16string KeptLostCharactersText(const std::u16string& keptFile) {
  return u"Die Datei mit Ihrer Liste enthält Zeichen, die nicht in der angegebenen Kodierung gespeichert sind "
         u"(etwa Umlaute). Sie wurden beim Lesen ersetzt.\r\nDie Datei wurde unverändert aufbewahrt unter: \r\n\"" +
         keptFile + u"\"";
}

std::u16string KeptLeftoversText(const std::vector<std::u16string>& keptFiles) {
  std::u16string text =
      u"Pendra konnte Ihre Liste zuletzt nicht fertig speichern. Was dabei geschrieben wurde, kann Änderungen "
      u"enthalten, die in Ihrer Liste fehlen, und wurde aufbewahrt unter: ";
  for (const std::u16string& file : keptFiles) text += u"\r\n\"" + file + u"\"";
  return text;
}

std::u16string NotKeptUnreadableText(const std::u16string& dataFile, const std::u16string& typeName) {
  return u"Die Datei mit Ihrer Liste konnte nicht vollständig gelesen und nicht aufbewahrt werden: \r\n\"" + dataFile +
         u"\"\r\nSie wird deshalb nicht überschrieben. Fehler: \"" + typeName + u"\"";
}

std::u16string NotKeptConflictText(const std::u16string& dataFile, const std::u16string& typeName) {
  return u"Die Datei mit Ihrer Liste wurde von einem anderen Programm geändert, und diese Fassung konnte nicht "
         u"aufbewahrt werden: \r\n\"" +
         dataFile + u"\"\r\nFehler: \"" + typeName + u"\"";
}

const char16_t kMergeConflictTitle[] = u"Liste abgeglichen";

std::u16string MergeConflictText(const std::u16string& keptFile) {
  return u"Änderungen von einem anderen PC sind jetzt in Ihrer Liste. Wo beide dieselbe Zelle geändert haben, "
         u"blieb Ihr Text; die andere Fassung liegt hier: \"" +
         keptFile + u"\"";
}

std::u16string MergedCopiesText(size_t count, const std::u16string& folder) {
  if (count == 1) {
    return u"Eine Konfliktkopie Ihres Synchronisierungsprogramms wurde in Ihre Liste übernommen. Sie liegt jetzt "
           u"hier: \"" +
           folder + u"\"";
  }
  return DecimalText(static_cast<long long>(count)) +
         u" Konfliktkopien Ihres Synchronisierungsprogramms wurden in Ihre Liste übernommen. Sie liegen jetzt hier: "
         u"\"" +
         folder + u"\"";
}

const char16_t kDataFolderProblemTitle[] = u"Fehler";
const char16_t kDataFolderProblemText[] = u"Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei";

const char16_t kDeleteTitle[] = u"Achtung";
const char16_t kDeleteRowQuestion[] = u"Möchten Sie die Zeile wirklich löschen?\r\nInhalt: ";
const char16_t kDeleteColumnQuestion[] = u"Möchten Sie die Spalte wirklich löschen?\r\nInhalt: ";

const char16_t kNoSkinNoticeTitle[] = u"Hinweis";
const char16_t kNoSkinNoticeText[] =
    u"Skin wurde abgewählt!\r\nPendra wird jetzt neu gestartet, um diese Einstellung zu übernehmen";

const char16_t kHintRedBarCollapse[] = u"Zum Verkleinern auf den roten Balken klicken";
const char16_t kHintRedBarExpand[] = u"Zum Vergrößern auf den roten Balken klicken";

const char16_t* const kFirstSheetCaptions[3] = {u"Prio", u"Aufgabe", u"Zeit"};
const char16_t* const kFirstSheetTask[3] = {u"Hoch", u"...Klicken für neue Aufgabe", u"10min"};

}  // namespace pendra
