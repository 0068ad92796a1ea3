"""The first window at the usual display scalings besides the design's 125 %: 100 %, 150 % and 200 %.
The window, its bands and its rows grow with the scaling; the text keeps fitting."""

import re
import unittest

from harness import WineSession, wait_until

GRID_LINE = (192, 192, 192)
TITLE_ROW = (215, 228, 242)


def near(colour, other, tolerance=12):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, other))


def is_red(colour):
    return colour[0] > 150 and colour[1] < 120 and colour[2] < 120


def is_ink(colour):
    return max(colour) < 110


def check_and_close_the_first_about_dialog(test, session, factor):
    """The first start's About dialog has the design's outer size times the factor; a press on
    its background and Escape close it, so that it hides nothing of the main window."""
    (dialog,) = [w for w in session.top_level_windows() if w.class_name == "TShowInfoDialog" and w.visible]
    test.assertAlmostEqual(dialog.width, 483 * factor, delta=1)
    test.assertAlmostEqual(dialog.height, 456 * factor, delta=1)
    session.click(dialog.left + dialog.width // 2, dialog.top + dialog.height - 20)
    session.keys("Escape")
    test.assertTrue(wait_until(lambda: not any(w.class_name == "TShowInfoDialog" and w.visible
                                               for w in session.top_level_windows())))
    session.settle()


class DisplayScaleTest(unittest.TestCase):
    def check_first_window(self, dpi):
        factor = dpi / 120
        with WineSession(dpi=dpi) as session:
            program = session.start()
            window = session.main_window(until="visible", wait_ms=20000)
            self.assertIsNotNone(window)
            session.settle()
            check_and_close_the_first_about_dialog(self, session, factor)
            shot = session.screenshot()

            self.assertAlmostEqual(window.client_width, 370 * factor, delta=1)
            self.assertAlmostEqual(window.client_height, 211 * factor, delta=1)
            middle = window.top + window.client_height // 2
            red = [x for x in range(window.left, window.left + 80) if is_red(shot.pixel(x, middle))]
            self.assertAlmostEqual(len(red), 30 * factor, delta=1)

            # Down the first column: the title row, then a grid line below each task row; as at
            # 125 %, the fifth task row fills the rest of the grid but for its line.
            band = round(30 * factor)
            column = window.left + band + 4
            top, bottom = window.top + band, window.top + window.client_height - band
            lines = [y for y in range(top, bottom) if near(shot.pixel(column, y), GRID_LINE, 6)]
            self.assertGreaterEqual(len(lines), 4, f"task rows at {dpi} dpi: {lines}")
            pitch = lines[1] - lines[0]
            self.assertGreaterEqual(pitch, 24 * factor - 1)
            self.assertGreaterEqual(bottom - 1 - lines[3], pitch - 2, f"the fifth task row at {dpi} dpi")

            # Across the first task row: its texts ("Hoch", "10min") stay clear of the cell edges.
            row_middle = lines[0] - (lines[1] - lines[0]) // 2
            edges = [x for x in range(window.left + band, window.left + window.client_width - band)
                     if near(shot.pixel(x, row_middle), GRID_LINE, 6)]
            self.assertGreaterEqual(len(edges), 2)
            for edge in (edges[0], edges[-1]):
                for x in (edge - 1, edge + 1):
                    self.assertFalse(is_ink(shot.pixel(x, row_middle)), f"text cut at x={x} at {dpi} dpi")
            title = [y for y in range(top, lines[0]) if near(shot.pixel(column, y), TITLE_ROW)]
            self.assertGreater(len(title), 18 * factor)

            session.close_main_window()
            self.assertEqual(program.wait(15), 0)

    def test_at_125_percent_as_designed(self):
        self.check_first_window(120)

    def test_at_100_percent(self):
        self.check_first_window(96)

    def test_at_150_percent(self):
        self.check_first_window(144)

    def test_at_200_percent(self):
        self.check_first_window(192)


class DisplayChangeTest(unittest.TestCase):
    def test_a_move_to_a_display_of_200_percent_takes_the_suggested_rectangle_and_rescales(self):
        with WineSession() as session:
            program = session.start()
            self.assertIsNotNone(session.main_window(until="visible", wait_ms=20000))
            session.settle()
            check_and_close_the_first_about_dialog(self, session, 1.0)
            data_file = session.appdata / "Pendra" / "Pendra.xml"
            before = column_widths(data_file)

            session.driver("dpi-change", 192, 1000, 300, 592, 338)
            session.settle()
            window = session.main_window()
            self.assertEqual((window.left, window.top, window.width, window.height), (1000, 300, 592, 338))
            shot = session.screenshot()
            red = [x for x in range(1000, 1080) if is_red(shot.pixel(x, 300 + 169))]
            self.assertAlmostEqual(len(red), 48, delta=1)

            session.close_main_window()
            self.assertEqual(program.wait(15), 0)
            after = column_widths(data_file)
            self.assertEqual(len(after), len(before))
            for old, new in zip(before, after):
                self.assertAlmostEqual(new, old * 1.6, delta=3, msg=f"{before} -> {after}")


def column_widths(data_file):
    return [int(w) for w in re.findall(r"<ColumnWidth>(-?\d+)</ColumnWidth>", data_file.read_text(encoding="utf-8"))]


if __name__ == "__main__":
    unittest.main()
