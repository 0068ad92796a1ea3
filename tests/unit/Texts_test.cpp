#include "lang/Texts.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(Texts, ExceptionBoxHasFiveLinesNamingTheHandler) {
  EXPECT_EQ(ExceptionBoxText(u"FormCreate"),
            u"Exception in \"FormCreate\" \r\n"
            u"Dies is vermutlich ein unbekannter, neuer Fehler!\r\n"
            u"Bitte berichten Sie diesen Fehler dem Entwicklungsteam unter:\r\n"
            u"support@pendra.example\r\n"
            u"Vielen Dank!");
}

TEST(Texts, UnhandledFailureNamesMessageAndKind) {
  EXPECT_EQ(UnhandledFailureText(u"Grid index out of range", u"EInvalidGridOperation"),
            u"Ein unbekannter Fehler ist aufgetreten:\r\nGrid index out of range (EInvalidGridOperation)");
}

}  // namespace pendra
