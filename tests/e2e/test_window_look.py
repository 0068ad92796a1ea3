"""The dressed window as a user sees it on a 1920 x 1080 screen at 120 dpi, and its buttons."""

import re
import unittest

from harness import PendraTestCase

LEFT, TOP = 1510, 434  # the first sheet's window
TITLE = (215, 228, 242)
WHITE = (255, 255, 255)


def at(x, y):
    """A screen point from a point of the window's client area."""
    return LEFT + x, TOP + y


class WindowLookTest(PendraTestCase):
    def start(self):
        program = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()
        return program

    def shot_pixel(self, shot, x, y):
        return shot.pixel(*at(x, y))

    def test_first_sheet_shows_title_row_cells_bar_bands_and_buttons_in_their_places(self):
        self.start()
        shot = self.session.screenshot()
        px = lambda x, y: self.shot_pixel(shot, x, y)  # noqa: E731

        self.assertEqual(px(33, 33), TITLE)  # title row, left of "Prio"
        self.assertEqual(px(200, 31 + 24 + 1 + 24 + 10), WHITE)  # an empty task cell
        r, g, b = px(12, 100)
        self.assertTrue(r > 150 and g < 110 and b < 110, (r, g, b))  # the red bar
        for x, y in ((258, 3), (100, 195), (355, 120)):  # top, bottom and right bands: light paper
            self.assertTrue(all(c >= 200 for c in px(x, y)), (x, y, px(x, y)))

        # Each picture button shows a darker mark than the band around it.
        for left, top, size in ((347, 7, 16), (327, 7, 16), (174, 176, 9), (185, 176, 9), (335, 100, 9),
                                (335, 109, 9)):
            darkest = min(sum(px(left + dx, top + dy)) for dx in range(size) for dy in range(size))
            self.assertLess(darkest, 3 * 160, (left, top))

        # The captions are drawn centred in their title cells (columns 50, 210 and 45 wide).
        x0 = 31
        for width in (50, 210, 45):
            ink = [x for x in range(x0, x0 + width) for y in range(32, 54) if px(x, y) != TITLE]
            self.assertTrue(ink, width)
            centre = (min(ink) + max(ink)) / 2
            self.assertLess(abs(centre - (x0 + width / 2)), 4, width)
            x0 += width + 1

    def saved_row_count(self):
        text = (self.session.appdata / "Pendra" / "Pendra.xml").read_text(encoding="utf-8-sig")
        return int(re.search(r"<RowCount>(\d+)</RowCount>", text).group(1))

    def close(self, program):
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

    def test_plus_and_minus_row_buttons_add_and_remove_rows(self):
        program = self.start()
        self.session.click(*at(178, 180))  # plus-row
        self.session.click(*at(178, 180))
        self.session.click(*at(189, 180))  # minus-row: the empty last row goes without a question
        self.session.settle()
        self.assertEqual(self.session.message_boxes(), [])
        self.close(program)
        self.assertEqual(self.saved_row_count(), 6)

    def test_removing_a_row_with_text_asks_first(self):
        program = self.start()
        for _ in range(4):
            self.session.click(*at(189, 180))  # the four empty task rows go without a question
        self.session.settle()
        self.session.click(*at(189, 180))  # the example task is left: a question
        box = self.session.answer_box("Achtung", "no", wait_ms=5000)
        self.assertEqual(box.text, "Möchten Sie die Zeile wirklich löschen?\r\nInhalt: "
                                   "Hoch, ...Klicken für neue Aufgabe, 10min")
        self.close(program)
        self.assertEqual(self.saved_row_count(), 1)


if __name__ == "__main__":
    unittest.main()
