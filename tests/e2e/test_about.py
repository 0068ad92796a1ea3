"""The interface language and the About dialog: the German build's first start opens the dialog,
the menu opens fresh dialogs, message boxes keep the dialogs behind them, and the English build
speaks English, in its messages too."""

import unittest

from harness import BUILD, PendraTestCase, WineSession, wait_until

WM_COMMAND = 0x0111
MENU_ABOUT = 1002
MENU_DELETE_ROW = 1016
WS_DISABLED = 0x08000000
DIALOG = "TShowInfoDialog"
GERMAN_CAPTION = "Pendra Version 1.3 Deutsch (64bit)"
ENGLISH_CAPTION = "Pendra Version 1.3 English (64bit)"
# The dialog of a 1920 x 1080 screen: 960 - 241.5 = 718.5 goes to the even neighbour.
DIALOG_RECT = (718, 312, 483, 456)
# The popup menu of a first sheet (title row not bold, grid lines drawn), submenus left out.
GERMAN_MENU = ["&Titelzeile ändern", "Titelzeile &Fett", "Tabellen-Linien &malen", "-", "&Spalte...", "-",
               "&Neue Zeile hinzufügen", "Letzte Zeile &entfernen", "-", "Neue Spalte &hinzufügen",
               "&Letzte Spalte entfernen", "-", "&Skin ...", "-", "Datei Ordner hier &öffnen", "Über Pendra", "-",
               "Ort der Liste &wählen ...", "Tasten&kürzel ...", "&Beenden"]
ENGLISH_MENU = ["Change &Title Text", "Title &Bold", "Draw &Grid Lines", "-", "&Column ...", "-", "&Add Row",
                "&Delete Row", "-", "A&dd Column", "D&elete Column", "-", "&Skin ...", "-", "&Open File Folder",
                "&About Pendra", "-", "Choose &List Folder ...", "&Hot Key ...", "E&xit"]
# Client points of the main window: the button that adds a row, and the red bar.
PLUS_ROW = (178, 180)
RED_BAR = (12, 100)
RED_BAR_COLLAPSE = "Zum Verkleinern auf den roten Balken klicken"
RED_BAR_EXPAND = "Zum Vergrößern auf den roten Balken klicken"
# Client points of the dialog, below its title bar: the background left of the small window
# picture, and the first help line.
BACKGROUND = (150, 30)
HELP_LINE = (40, 68)
# The help lines (the German ones are wider) and the logo (the same in both languages).
HELP_LINES_AREA = (23, 61, 190, 160)
LOGO_AREA = (12, 10, 150, 45)


class AboutTestCase(PendraTestCase):
    def first_start(self):
        self.program = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()

    def dialogs(self, visible=True):
        return [w for w in self.session.top_level_windows() if w.class_name == DIALOG and w.visible == visible]

    def wait_for_dialogs(self, count):
        self.assertTrue(wait_until(lambda: len(self.dialogs()) == count), f"not {count} About dialogs open")
        return self.dialogs()

    def client_point(self, dialog, point):
        """A point of the dialog's client area on the screen; the frame is as wide on both sides."""
        border = (dialog.width - dialog.client_width) // 2
        caption = dialog.height - dialog.client_height - border
        return dialog.left + border + point[0], dialog.top + caption + point[1]

    def menu_items(self):
        """The popup menu's items as the program holds them: the top level, and the items of the
        submenus (a tab in front)."""
        window = self.session.main_window()
        r = self.session.driver("menu", window.left + 150, window.top + 100)
        items = [r[f"item.{i}"] for i in range(int(r["count"]))]
        return [i for i in items if not i.startswith("\t")], [i[1:] for i in items if i.startswith("\t")]

    def hint_text_at(self, x, y):
        hint = self.session.hint_at(x, y)
        return hint.title if hint else None

    def area(self, shot, dialog, area):
        left, top = self.client_point(dialog, area[:2])
        return [shot.pixel(x, y) for y in range(top, top + area[3], 2) for x in range(left, left + area[2], 2)]


class GermanAboutTest(AboutTestCase):
    def test_a_first_start_opens_the_dialog_centred_and_escape_closes_it(self):
        self.first_start()
        self.assertEqual(self.session.message_boxes(), [])  # no report of disagreeing constants
        (dialog,) = self.wait_for_dialogs(1)
        self.assertEqual(dialog.title, GERMAN_CAPTION)
        self.assertEqual((dialog.left, dialog.top, dialog.width, dialog.height), DIALOG_RECT)
        self.assertTrue(dialog.topmost)
        self.assertTrue(self.session.main_window().topmost)

        # A press on the background activates the dialog (and would move it); other keys leave it.
        self.session.click(*self.client_point(dialog, BACKGROUND))
        self.session.keys("a")
        self.assertEqual(len(self.dialogs()), 1)
        self.session.keys("Escape")
        self.wait_for_dialogs(0)
        self.assertTrue(self.program.running())

    def test_every_opening_from_the_menu_is_a_fresh_dialog_and_enter_closes_one(self):
        self.first_start()
        (first,) = self.wait_for_dialogs(1)
        self.session.post(WM_COMMAND, MENU_ABOUT)
        self.session.settle()
        dialogs = self.wait_for_dialogs(2)
        self.assertTrue(all(d.title == GERMAN_CAPTION for d in dialogs))
        self.assertTrue(dialogs[0].foreground, "the newer dialog is not in front")

        # A help line moves the dialog like its title bar.
        grab = self.client_point(dialogs[0], HELP_LINE)
        self.session.drag(*grab, grab[0] - 200, grab[1] + 100)
        (moved,) = [d for d in self.dialogs() if d.foreground]
        self.assertEqual((moved.left, moved.top), (DIALOG_RECT[0] - 200, DIALOG_RECT[1] + 100))

        self.session.keys("Return")
        (staying,) = self.wait_for_dialogs(1)
        self.assertEqual((staying.left, staying.top), DIALOG_RECT[:2])

    def test_a_message_box_disables_the_dialog_and_the_main_window_and_all_stay_top_most(self):
        self.first_start()
        self.wait_for_dialogs(1)
        # The four empty task rows go without a question, the one with the example task asks.
        for _ in range(5):
            self.session.post(WM_COMMAND, MENU_DELETE_ROW)
        (box,) = self.session.message_boxes(wait_ms=5000)
        self.assertEqual(box.title, "Achtung")
        (dialog,) = self.dialogs()
        self.assertTrue(dialog.style & WS_DISABLED)
        self.assertTrue(self.session.main_window().style & WS_DISABLED)

        self.session.answer_box("Achtung", "no")
        self.assertTrue(wait_until(lambda: not self.dialogs()[0].style & WS_DISABLED))
        (dialog,) = self.dialogs()
        self.assertTrue(dialog.topmost)
        window = self.session.main_window()
        self.assertFalse(window.style & WS_DISABLED)
        self.assertTrue(window.topmost)

    def test_hints_name_the_buttons_show_white_and_the_red_bars_hint_follows_the_collapse(self):
        self.first_start()  # the About dialog sets the program's hints to white
        window = self.session.main_window()
        hint = self.session.hint_at(window.left + PLUS_ROW[0], window.top + PLUS_ROW[1])
        self.assertEqual(hint.title, "Neue Zeile hinzufügen")
        self.assertEqual(self.session.screen_pixel(hint.left + 3, hint.top + 3), (255, 255, 255))

        red_bar = (window.left + RED_BAR[0], window.top + RED_BAR[1])
        self.assertTrue(wait_until(lambda: self.hint_text_at(*red_bar) == RED_BAR_COLLAPSE))
        self.session.click(*red_bar)
        self.assertTrue(wait_until(lambda: self.session.main_window().width == 30))
        strip = self.session.main_window()
        self.assertTrue(wait_until(lambda: self.hint_text_at(strip.left + RED_BAR[0], red_bar[1]) == RED_BAR_EXPAND))

    def test_the_menu_shows_the_german_captions_in_order(self):
        self.first_start()
        top_level, submenus = self.menu_items()
        self.assertEqual(top_level, GERMAN_MENU)
        self.assertEqual(submenus[:3], ["&Linksbündig", "&Zentriert", "&Rechtsbündig"])
        self.assertIn("&Kein Skin", submenus)


ENGLISH_PROGRAM = BUILD / "english" / "Pendra.exe"


@unittest.skipUnless(ENGLISH_PROGRAM.is_file(), "the English build is made by tests/e2e/run")
class EnglishBuildTest(AboutTestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = WineSession(ENGLISH_PROGRAM).__enter__()

    def test_the_english_build_shows_english_texts_in_the_menu_and_the_dialog(self):
        self.first_start()
        self.assertEqual(self.session.message_boxes(), [])
        (dialog,) = self.wait_for_dialogs(1)
        self.assertEqual(dialog.title, ENGLISH_CAPTION)
        self.assertEqual((dialog.left, dialog.top, dialog.width, dialog.height), DIALOG_RECT)
        english = self.session.screenshot()

        window = self.session.main_window()
        self.assertEqual(self.hint_text_at(window.left + PLUS_ROW[0], window.top + PLUS_ROW[1]), "Add Row")
        self.assertEqual(self.hint_text_at(window.left + RED_BAR[0], window.top + RED_BAR[1]),
                         "To make small click on the red bar")
        top_level, submenus = self.menu_items()
        self.assertEqual(top_level, ENGLISH_MENU)
        self.assertEqual(submenus[:3], ["Left Align", "Center Align", "RightAlign"])
        self.assertIn("No Skin", submenus)

        # The German build's dialog shows the same logo and other help lines.
        with WineSession() as german_session:
            german_session.start()
            self.assertIsNotNone(german_session.main_window(until="visible", wait_ms=15000))
            german_session.settle()
            self.assertTrue(wait_until(lambda: any(w.class_name == DIALOG and w.visible
                                                   for w in german_session.top_level_windows())))
            german = german_session.screenshot()
        self.assertEqual(self.area(english, dialog, LOGO_AREA), self.area(german, dialog, LOGO_AREA))
        self.assertNotEqual(self.area(english, dialog, HELP_LINES_AREA), self.area(german, dialog, HELP_LINES_AREA))

    def test_the_english_build_asks_in_english_about_its_english_first_sheet(self):
        self.first_start()
        self.wait_for_dialogs(1)
        # The four empty task rows go without a question, the one with the example task asks.
        for _ in range(5):
            self.session.post(WM_COMMAND, MENU_DELETE_ROW)
        (box,) = self.session.message_boxes(wait_ms=5000)
        self.assertEqual(box.title, "Warning")
        self.assertEqual(box.text, "Do you really want to delete the row?\r\nContents: High, ...Click for a new task, 10min")
        self.session.answer_box("Warning", "no")


MISMATCH_PROGRAM = BUILD / "mismatch" / "Pendra.exe"


@unittest.skipUnless(MISMATCH_PROGRAM.is_file(), "the build of disagreeing constants is made by tests/e2e/run")
class LanguageMismatchTest(AboutTestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = WineSession(MISMATCH_PROGRAM).__enter__()

    def test_resources_of_another_language_are_reported_twice_and_the_start_goes_on_in_german(self):
        self.program = self.session.start()
        for expected in ("Wrong language! ", "Wrong constants!"):
            (box,) = self.session.message_boxes(wait_ms=15000)
            self.assertEqual(box.title, "Ausnahmefehler")
            self.assertTrue(box.text.startswith(f'Exception in "{expected}\r\n\r\nExpected:  ENGLISH\r\nFound:  '
                                                f'DEUTSCH"'), box.text)
            self.session.answer_box("Ausnahmefehler")
            self.assertTrue(wait_until(lambda: all(b.text != box.text for b in self.session.message_boxes())))
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()
        (dialog,) = self.wait_for_dialogs(1)
        self.assertEqual(dialog.title, GERMAN_CAPTION)
        self.assertEqual(self.menu_items()[0], GERMAN_MENU)


if __name__ == "__main__":
    unittest.main()
