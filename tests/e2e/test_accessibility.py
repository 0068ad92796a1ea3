"""What a screen reader in another process learns of Pendra through Active Accessibility and what
it can do there, and Pendra in a high-contrast theme."""

import unittest

from harness import PendraTestCase, wait_until
from test_datafile import sheet_file

ROLE_CLIENT, ROLE_TABLE, ROLE_COLUMNHEADER, ROLE_ROW, ROLE_CELL, ROLE_PUSHBUTTON = 0x0A, 0x18, 0x19, 0x1C, 0x1D, 0x2B
STATE_FOCUSED, STATE_SELECTED, STATE_OFFSCREEN = 0x4, 0x2, 0x10000
STATE_COLLAPSED, STATE_EXPANDED = 0x400, 0x200
LEFT, TOP = 300, 200  # the window's place in the data files below

COMMANDS = {"Minimieren", "Beenden", "Neue Zeile hinzufügen", "Letzte Zeile entfernen", "Neue Spalte hinzufügen",
            "Letzte Spalte entfernen", "Zum Verkleinern auf den roten Balken klicken"}


class Node:
    def __init__(self, line):
        depth, role, state, self.name, self.value, place = line.split("\t")
        self.depth, self.role, self.state = int(depth), int(role), int(state, 16)
        self.place = tuple(int(n) for n in place.split(","))


class AccessibilityTest(PendraTestCase):
    def start_with(self, rows):
        (self.session.program_folder / "Pendra.xml").write_bytes(sheet_file(rows, left=LEFT, top=TOP))
        self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()

    def tree(self):
        answer = self.session.driver("accessible-tree")
        return [Node(answer[f"node.{i}"]) for i in range(int(answer["count"]))]

    def focus(self):
        answer = self.session.driver("accessible-focus")
        return answer["name"], int(answer["role"])

    def test_every_task_caption_and_command_of_a_long_sheet_is_read_from_another_program(self):
        tasks = [(f"P{n}", f"Aufgabe {n}", "" if n % 2 else f"{n}min") for n in range(1, 21)]
        self.start_with(tasks)
        nodes = self.tree()
        self.assertEqual((nodes[0].role, nodes[0].name), (ROLE_CLIENT, "Pendra"))
        tables = [n for n in nodes if n.role == ROLE_TABLE]
        self.assertEqual([t.name for t in tables], ["Aufgabenliste"])
        self.assertEqual(len([n for n in nodes if n.role == ROLE_ROW]), 21)
        self.assertEqual([n.name for n in nodes if n.role == ROLE_COLUMNHEADER], ["Prio", "Aufgabe", "Zeit"])
        cells = {n.name: n for n in nodes if n.role == ROLE_CELL}
        for prio, task, time in tasks:
            self.assertIn(f"Prio: {prio}", cells)
            self.assertEqual(cells[f"Aufgabe: {task}"].value, task)
            self.assertIn(f"Zeit: {time or 'leer'}", cells)
        self.assertEqual({n.name for n in nodes if n.role == ROLE_PUSHBUTTON}, COMMANDS)
        # The first task is on the screen inside the window, the last one scrolled out of view.
        left, top, width, height = cells["Aufgabe: Aufgabe 1"].place
        self.assertTrue(LEFT + 30 < left < LEFT + 340 and TOP + 30 < top < TOP + 181 and width > 0 and height > 0)
        self.assertTrue(cells["Aufgabe: Aufgabe 20"].state & STATE_OFFSCREEN)

    def test_the_current_cell_is_the_focus_a_screen_reader_reads_after_arrow_keys(self):
        self.start_with([("Hoch", "Zahnarzt & Steuer", "10min"), ("", "Einkaufen", "")])
        self.session.keys("Down")  # the first key makes the first task cell current
        self.assertEqual(self.focus(), ("Prio: Hoch", ROLE_CELL))
        self.session.keys("Right")
        self.assertEqual(self.focus(), ("Aufgabe: Zahnarzt & Steuer", ROLE_CELL))
        self.session.keys("Down", "Left")
        self.assertEqual(self.focus(), ("Prio: leer", ROLE_CELL))

    def test_a_screen_reader_presses_the_buttons_and_the_red_bar(self):
        self.start_with([("Hoch", "Zahnarzt", "10min")])
        self.session.driver("accessible-press", "Neue Zeile hinzufügen")
        self.assertTrue(wait_until(lambda: len([n for n in self.tree() if n.role == ROLE_ROW]) == 3))
        bar = next(n for n in self.tree() if n.name == "Zum Verkleinern auf den roten Balken klicken")
        self.assertTrue(bar.state & STATE_EXPANDED)
        self.session.driver("accessible-press", bar.name)
        self.assertTrue(wait_until(lambda: self.session.main_window().width < 100, seconds=10))
        self.session.settle()
        bar = next(n for n in self.tree() if n.role == ROLE_PUSHBUTTON and "Balken" in n.name)
        self.assertEqual(bar.name, "Zum Vergrößern auf den roten Balken klicken")
        self.assertTrue(bar.state & STATE_COLLAPSED)


class HighContrastTest(PendraTestCase):
    """The probe switches high contrast on inside Pendra's process with a dark theme: black window,
    white text, cyan highlight, dark grey button face with yellow text."""

    WINDOW, HIGHLIGHT, FACE, FACE_TEXT = (0, 0, 0), (26, 235, 255), (48, 48, 48), (255, 255, 0)

    def px(self, shot, x, y):
        return shot.pixel(LEFT + x, TOP + y)

    def test_the_sheet_and_its_decoration_take_the_themes_colours_and_follow_it_back(self):
        (self.session.program_folder / "Pendra.xml").write_bytes(
            sheet_file([("Hoch", "Zahnarzt", "10min"), ("", "", "")], left=LEFT, top=TOP))
        self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.keys("Down")  # cell (0, 1) is current, and the grid has the focus
        self.session.driver("high-contrast", "on")
        self.session.settle()
        shot = self.session.screenshot()
        shot.save(self.session.work_folder / "high-contrast.png")
        self.assertEqual(self.px(shot, 200, 31 + 2 * 25 + 10), self.WINDOW)  # an empty task cell
        self.assertEqual(self.px(shot, 200, 33), self.FACE)  # the title row
        self.assertEqual(self.px(shot, 33, 31 + 25 + 3), self.HIGHLIGHT)  # the focused current cell
        self.assertEqual(self.px(shot, 258, 3), self.FACE)  # no band picture: the surface
        self.assertEqual(self.px(shot, 355, 120), self.FACE)
        r, g, b = self.px(shot, 12, 100)
        self.assertTrue(r > 150 and g < 110 and b < 110, (r, g, b))  # the red bar stays
        # The small buttons keep their dark ink on a light ground (a yellow plate, the lighter
        # button colour, where the picture leaves it free), on the dark surface.
        for left, top, size in ((347, 7, 16), (327, 7, 16), (174, 176, 9), (335, 100, 9)):
            colours = {self.px(shot, left + dx, top + dy) for dx in range(size) for dy in range(size)}
            self.assertTrue(any(sum(c) < 3 * 120 for c in colours), (left, top))
            self.assertTrue(any(sum(c) > 3 * 150 for c in colours), (left, top))
        self.assertEqual(self.px(shot, 348, 8), self.FACE_TEXT)

        self.session.driver("high-contrast", "off")
        self.session.settle()
        shot = self.session.screenshot()
        self.assertEqual(self.px(shot, 200, 33), (215, 228, 242))
        self.assertEqual(self.px(shot, 200, 31 + 2 * 25 + 10), (255, 255, 255))


if __name__ == "__main__":
    unittest.main()
