#include "app/MessageTexts.h"

namespace pendra {

std::u16string ExceptionBoxText(const std::u16string& methode) {
  return u"Exception in \"" + methode +
         u"\" \r\nDies is vermutlich ein unbekannter, neuer Fehler!\r\n"
         u"Bitte berichten Sie diesen Fehler dem Entwicklungsteam unter:\r\n" +
         kSupportAddress + u"\r\nVielen Dank!";
}

std::u16string UnhandledFailureText(const std::u16string& message, const std::u16string& typeName) {
  return u"Ein unbekannter Fehler ist aufgetreten:\r\n" + message + u" (" + typeName + u")";
}

}  // namespace pendra
