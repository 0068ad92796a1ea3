"""The borderless window's own frame, driven with the mouse: the red bar folds it into a strip and
back, its edges resize it, its decoration moves it and opens the menu."""

import time
import unittest
import xml.etree.ElementTree as ElementTree

from harness import wait_until, PendraTestCase

# The first sheet's window on the 1920 x 1080 screen, whose work area is the whole screen.
LEFT, TOP, WIDTH, HEIGHT = 1510, 434, 370, 211
RIGHT = LEFT + WIDTH
STRIP_WIDTH = 30
SCREEN_WIDTH = 1920

TRAY_MESSAGE = 0x8001  # the tray icon's callback (WM_APP + 1); lParam carries the mouse message
WM_LBUTTONUP = 0x0202
HTCLIENT, HTLEFT, HTRIGHT, HTTOP, HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT = 1, 10, 11, 12, 15, 16, 17

RED_BAR = (12, 100)
LOGO = (150, 15)

# Points of the window, in the unfolded window and in the strip alike, and the hit-test's answer
# there while unfolded; a negative coordinate counts from the right or bottom edge.
EDGE_POINTS = [
    ((2, 100), HTLEFT),
    ((15, 2), HTTOP),
    ((-2, 100), HTRIGHT),
    ((15, -2), HTBOTTOM),
    ((10, -10), HTBOTTOMLEFT),
    ((-10, -10), HTBOTTOMRIGHT),
    (RED_BAR, HTCLIENT),
]


def on_screen(window, x, y):
    """A window point as a screen point; negative coordinates count from the right or bottom edge."""
    return (window.left + (x if x >= 0 else window.width + x), window.top + (y if y >= 0 else window.height + y))


def saved_position(data_file):
    position = ElementTree.fromstring(data_file.read_bytes()).find("WindowPosition")
    return tuple(int(position.findtext(name)) for name in ("Left", "Top", "Width", "Height"))


class FramelessTest(PendraTestCase):
    def start(self, *args):
        program = self.session.start(*args)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()
        return program

    def window(self):
        return self.session.main_window()

    def place(self):
        window = self.window()
        return window.left, window.top, window.width, window.height

    def fold_or_unfold(self, act, until_width):
        """Does `act` (given the window) and checks every rectangle the window has until it is
        `until_width` wide: its right edge, top and height stay, its width only goes one way."""
        window = self.window()
        recording = self.session.record_rectangles(until_width)
        act(window)
        reached, rects = recording.result()
        self.assertTrue(reached, rects)
        self.assertEqual({(r.left + r.width, r.top, r.height) for r in rects},
                         {(window.left + window.width, window.top, window.height)}, rects)
        widths = [r.width for r in rects]
        self.assertEqual(widths, sorted(set(widths), reverse=until_width < window.width), rects)
        self.session.settle()

    def click_red_bar(self, until_width):
        self.fold_or_unfold(lambda window: self.session.click(*on_screen(window, *RED_BAR)), until_width)

    def hit_tests(self, points):
        window = self.window()
        return self.session.hit_tests(*(on_screen(window, *point) for point in points))

    def wait_until(self, condition, seconds=10):
        return wait_until(condition, seconds)

    # ------------------------------------------------------------------------------ the red bar

    def test_the_red_bar_folds_the_window_to_a_strip_at_its_right_edge_and_the_bar_or_tray_icon_unfolds_it(self):
        self.start()
        unfold_by = {
            "red bar": lambda window: self.session.click(*on_screen(window, *RED_BAR)),
            "tray icon": lambda window: self.session.post(TRAY_MESSAGE, 0, WM_LBUTTONUP),
        }
        for way, unfold in unfold_by.items():
            with self.subTest(unfold_by=way):
                self.click_red_bar(STRIP_WIDTH)
                strip = self.window()
                self.assertEqual((strip.left, strip.client_width), (RIGHT - STRIP_WIDTH, STRIP_WIDTH))

                self.fold_or_unfold(unfold, WIDTH)
                window = self.window()
                self.assertEqual((window.left, window.top, window.client_width, window.client_height),
                                 (LEFT, TOP, WIDTH, HEIGHT))

    def test_a_window_closed_as_a_strip_saves_and_reopens_at_its_unfolded_place(self):
        program = self.start("-p")
        self.click_red_bar(STRIP_WIDTH)
        strip = self.window()
        self.session.click(strip.left + 15, strip.top + 15)  # the exit picture moved into the strip

        self.assertEqual(program.wait(15), 0)
        self.assertEqual(saved_position(self.session.program_folder / "Pendra.xml"), (LEFT, TOP, WIDTH, HEIGHT))
        self.start()
        window = self.window()
        self.assertEqual((window.left, window.top, window.client_width, window.client_height),
                         (LEFT, TOP, WIDTH, HEIGHT))
        self.assertEqual(self.hit_tests([(2, 100)]), [HTLEFT])  # unfolded: its edges resize it

    # ------------------------------------------------------------------------------ edges

    def test_the_edges_resize_the_unfolded_window_and_not_the_strip(self):
        self.start()
        points = [point for point, _ in EDGE_POINTS]
        self.assertEqual(self.hit_tests(points), [answer for _, answer in EDGE_POINTS])

        # (window point, drag distance, expected change of left, top, width and height); the left
        # strip lies over the red bar, whose press then resizes instead of folding.
        for grab, (dx, dy), change in [((-5, -6), (-80, 40), (0, 0, -80, 40)),
                                       ((2, 100), (-50, 30), (-50, 0, 50, 0))]:
            with self.subTest(grab=grab):
                before = self.place()
                x, y = on_screen(self.window(), *grab)
                self.session.drag(x, y, x + dx, y + dy)
                self.session.settle()
                self.assertEqual(self.place(), tuple(a + b for a, b in zip(before, change)))

        resized = self.place()
        self.click_red_bar(STRIP_WIDTH)
        self.assertEqual(self.hit_tests(points), [HTCLIENT] * len(points))
        strip = self.place()
        x, y = on_screen(self.window(), 2, 100)
        self.session.drag(x, y, x - 50, y)  # the red bar, pressed and released beside it: nothing happens
        self.session.settle()
        self.assertEqual(self.place(), strip)
        self.click_red_bar(resized[2])
        self.assertEqual(self.place(), resized)

        # Made smaller than 30 x 30, the window grows back to that size once the mouse is over it.
        window = self.window()
        x, y = on_screen(window, -5, -6)
        self.session.drag(x, y, window.left + 15, window.top + 15)
        self.session.settle()
        self.assertEqual(self.place(), (window.left, window.top, 20, 21))
        self.session.driver("move", window.left + 17, window.top + 17)  # beside the exit picture
        self.session.settle()
        self.assertEqual(self.place(), (window.left, window.top, 30, 30))

    # ------------------------------------------------------------------------------ decoration

    def test_dragging_the_decoration_moves_the_window_and_it_snaps_to_the_work_area_edges(self):
        self.start()
        # (window point grabbed, where the drag would put the window, where it ends up)
        for grab, target, expected in [(LOGO, (1110, 234), (1110, 234)),
                                       ((300, 15), (5, 234), (0, 234)),
                                       ((100, 195), (SCREEN_WIDTH - WIDTH - 7, 3), (SCREEN_WIDTH - WIDTH, 0))]:
            with self.subTest(grab=grab, target=target):
                before = self.window()
                x, y = on_screen(before, *grab)
                self.session.drag(x, y, x + target[0] - before.left, y + target[1] - before.top)
                self.session.settle()
                self.assertEqual(self.place(), (*expected, WIDTH, HEIGHT))

    def test_a_right_press_on_the_decoration_opens_the_menu_and_escape_closes_it(self):
        self.start()

        def menus():
            return [w for w in self.session.top_level_windows() if w.class_name == "#32768" and w.visible]

        for place in (LOGO, (300, 15), (100, 195)):
            with self.subTest(place=place):
                self.session.click(*on_screen(self.window(), *place), button="right")
                self.assertTrue(self.wait_until(lambda: len(menus()) == 1), "no popup menu")
                self.session.keys("Escape")
                self.assertTrue(self.wait_until(lambda: not menus()), "the menu stayed open")
        self.assertEqual(self.place(), (LEFT, TOP, WIDTH, HEIGHT))


if __name__ == "__main__":
    unittest.main()
