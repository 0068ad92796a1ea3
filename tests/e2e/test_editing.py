"""Editing the list with the keyboard, the mouse, the popup menu and the clipboard, observed in the
data file Pendra writes when it is closed and on the screen."""

import time
import unittest
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass
from xml.sax.saxutils import escape as xml_escape

from harness import wait_until, PendraTestCase

LEFT, TOP = 300, 200  # the window of the sheets below
WIDTHS = (50, 210, 45)  # fill the grid exactly, so the columns keep them
GRID = 31  # the grid's cells begin 31 pixels into the window, below and right of its border
PITCH = 25  # a row at 120 dpi and its line
TASK_CELL = (255, 255, 255)
STRIP = (LEFT + 370 - 30, 30)  # the collapsed window, as wide as its red bar, keeps its right edge

ADD_ROW_BY_LETTER = ("n",)
ADD_ROW_BY_ARROWS = ("Down",) * 5 + ("Return",)  # past the title, bold and grid-line items and the column submenu


def sheet_file(rows, row_count=None, captions=("Prio", "Aufgabe", "Zeit")):
    """A data file as a person might write it by hand; `row_count` may claim more rows than given."""
    header = "".join(f"<Column><ColumnCaption>{xml_escape(c)}</ColumnCaption><ColumnWidth>{w}</ColumnWidth>"
                     f"<ColumnAlignment>LEFT</ColumnAlignment></Column>" for c, w in zip(captions, WIDTHS))
    content = "".join("<Column>" + "".join(f"<Text>{xml_escape(t)}</Text>" if t else "<Text/>" for t in row)
                      + "</Column>" for row in rows)
    return (f'<?xml version="1.0" encoding="utf-8"?><VeVuVizo>'
            f"<WindowPosition><Left>{LEFT}</Left><Top>{TOP}</Top><Width>370</Width><Height>211</Height>"
            f"</WindowPosition><ColumnInfo><RowCount>{len(rows) if row_count is None else row_count}</RowCount>"
            f"<ColumnCount>{len(captions)}</ColumnCount><HeaderTextBold>FALSE</HeaderTextBold>"
            f"<DrawGridLines>TRUE</DrawGridLines></ColumnInfo><Skin><SkinName>No Skin</SkinName><SkinPath/></Skin>"
            f"<ColumnHeader>{header}</ColumnHeader><ToDoContent>{content}</ToDoContent></VeVuVizo>").encode("utf-8")


@dataclass
class SavedSheet:
    row_count: int
    column_count: int
    captions: list
    rows: list  # tuples of the task rows' texts as saved

    def tasks(self):
        """The task rows with blank texts as empty ones: an empty cell of a file loads as a blank."""
        return [tuple(text.strip(" ") for text in row) for row in self.rows]

    @classmethod
    def read(cls, path):
        root = ElementTree.fromstring(path.read_bytes())
        return cls(row_count=int(root.findtext("ColumnInfo/RowCount")),
                   column_count=int(root.findtext("ColumnInfo/ColumnCount")),
                   captions=[c.findtext("ColumnCaption") or "" for c in root.find("ColumnHeader")],
                   rows=[tuple(t.text or "" for t in row) for row in root.find("ToDoContent")])


def cell_rect(col, row):
    """Left, top, right and bottom (exclusive) of a cell on the screen, with the sheets' widths."""
    left = LEFT + GRID + sum(WIDTHS[:col]) + col
    top = TOP + GRID + row * PITCH
    return left, top, left + WIDTHS[col], top + PITCH - 1


def cell(col, row):
    left, top, right, bottom = cell_rect(col, row)
    return (left + right) // 2, (top + bottom) // 2


def client(x, y):
    return LEFT + x, TOP + y


RED_BAR = client(12, 100)
PLUS_ROW, MINUS_ROW = client(178, 180), client(189, 180)
PLUS_COLUMN, MINUS_COLUMN = client(339, 104), client(339, 113)


class SheetTestCase(PendraTestCase):
    """Pendra on a sheet of the widths above, driven by keys, clicks and its menu."""

    def start(self, rows, row_count=None):
        """Starts Pendra on a data file beside it holding the rows and waits until it is ready."""
        self.data_file = self.session.program_folder / "Pendra.xml"
        self.data_file.write_bytes(sheet_file(rows, row_count))
        self.program = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()

    def close(self):
        """Closes the window the normal way and returns what it saved."""
        self.session.close_main_window()
        self.assertEqual(self.program.wait(15), 0)
        return SavedSheet.read(self.data_file)

    def click(self, point, button="left"):
        # Xvfb reports a pointer warp late, at the next one: on a busy machine a button pressed right
        # after a move could still meet the pointer's former place. Moving there first makes the
        # late report point at the same place.
        self.session.driver("move", *point)
        self.session.click(*point, button=button)

    def menu(self, until, wait_ms):
        """Whether the popup menu's window (class #32768) is visible, or gone, within the time."""
        r = self.session.driver("find", "--class", "#32768", "--title", "*", "--until", until, "--wait", wait_ms,
                                check=False)
        return r["exit"] == 0

    def open_menu(self, point):
        """Right-clicks there and expects the popup menu to open."""
        self.click(point, button="right")
        self.assertTrue(self.menu("visible", 5000), f"no popup menu after a right click at {point}")

    def close_menu_if_open(self):
        if not self.menu("gone", 500):
            self.session.keys("Escape")
            self.assertTrue(self.menu("gone", 5000))

    def window_span(self):
        window = self.session.main_window()
        return window.left, window.width

    def wait_until(self, condition, seconds=5):
        return wait_until(condition, seconds)

    def type_into(self, point, text):
        """Selects the cell, types over it and ends the editing with Enter."""
        self.click(point)
        self.session.type_text(text)
        self.session.keys("Return")

    def answer(self, button, expected_text):
        box = self.session.answer_box("Achtung", button)
        self.assertEqual(box.text, expected_text)


class EditingTest(SheetTestCase):
    # ------------------------------------------------------------------------------ typing

    def test_a_typed_task_and_a_changed_caption_are_in_the_data_file_after_closing(self):
        self.start([("Hoch", "Einkaufen", "")] + [("", "", "")] * 4)

        self.type_into(cell(1, 2), "Milch & Brot")
        self.open_menu(cell(0, 3))
        self.session.keys("t")  # "&Titelzeile ändern": the title row can be edited
        self.type_into(cell(1, 0), "Was")
        self.click(cell(2, 4))  # a task cell ends the title editing; the first task cell is current then
        self.click(cell(0, 0))  # the title row is fixed again: the click selects nothing
        self.session.type_text("1h")
        self.session.keys("Return")

        saved = self.close()
        self.assertEqual(saved.captions, ["Prio", "Was", "Zeit"])
        self.assertEqual(saved.tasks()[:2], [("1h", "Einkaufen", ""), ("", "Milch & Brot", "")])

    def test_escape_leaves_the_editor_or_collapses_the_window_and_delete_empties_the_current_cell(self):
        self.start([("eins", "zwei", "drei"), ("vier", "fünf", "sechs")])

        self.click(cell(1, 2))
        self.session.keys("Delete")
        self.click(cell(2, 2))
        self.session.keys("F2")
        self.session.type_text("sieben")
        self.session.keys("Escape")  # the typed text stays, the selection goes: the first cell is current
        self.assertEqual(self.session.main_window().width, 370)
        self.session.type_text("Z")
        self.session.keys("Return")

        self.session.keys("Escape")  # outside editing: what a click on the red bar does
        self.assertTrue(self.wait_until(lambda: self.window_span() == STRIP), self.window_span())
        self.click((STRIP[0] + 12, TOP + 100))  # the red bar of the strip expands the window again
        self.assertTrue(self.wait_until(lambda: self.window_span() == (LEFT, 370)), self.window_span())

        self.assertEqual(self.close().tasks(), [("Z", "zwei", "drei"), ("vier", "", "sieben")])

    def test_a_double_click_on_a_task_cell_opens_its_editor(self):
        self.start([("eins", "zwei", "drei"), ("", "", "")])

        for place in (cell(1, 2), cell(1, 1)):  # a cell that becomes current, and the current one
            with self.subTest(place=place):
                self.session.click(*place, double=True)
                self.assertEqual(self.session.driver("focus")["focus_class"], "Edit")
                self.session.keys("End")
                self.session.type_text("!")
                self.session.keys("Return")

        self.assertEqual(self.close().tasks(), [("eins", "zwei!", "drei"), ("", "!", "")])

    # ------------------------------------------------------------------------------ popup menu

    def test_a_right_click_on_the_cell_being_edited_opens_the_menu_of_the_program(self):
        self.start([("eins", "zwei", "drei")])
        self.click(cell(1, 1))
        self.session.keys("F2", "End")
        self.session.type_text(" drei")

        self.open_menu(cell(1, 1))
        self.session.keys(*ADD_ROW_BY_LETTER)

        self.assertEqual(self.close().tasks(), [("eins", "zwei drei", "drei"), ("", "", "")])

    def test_right_clicks_on_the_grid_and_the_red_bar_open_the_menu_and_the_current_cell_stays(self):
        self.start([("", "", "")] * 4)
        self.click(cell(1, 1))

        for place in (cell(0, 3), cell(2, 4), RED_BAR):
            with self.subTest(place=place):
                self.open_menu(place)
                self.session.keys("Escape")
                self.assertTrue(self.menu("gone", 5000))
        self.session.type_text("hier")
        self.session.keys("Return")

        self.assertEqual(self.close().tasks(), [("", "hier", "")] + [("", "", "")] * 3)

    def test_shift_f10_and_the_menu_key_open_the_menu_below_the_current_cell_also_while_editing(self):
        self.start([("eins", "zwei", "drei")])
        self.click(cell(1, 1))
        left, _, _, bottom = cell_rect(1, 1)

        for keys in (("shift+F10",), ("Apps",), ("F2", "shift+F10")):
            with self.subTest(keys=keys):
                self.session.keys(*keys)
                self.assertTrue(self.menu("visible", 5000), f"no popup menu after {keys}")
                menu = [w for w in self.session.top_level_windows() if w.class_name == "#32768" and w.visible][0]
                self.assertLessEqual(abs(menu.left - left) + abs(menu.top - bottom), 4)
                self.session.keys("Escape")
                self.assertTrue(self.menu("gone", 5000))
        self.session.keys("Escape")  # leaves the editor the last keys opened
        self.session.keys(*("shift+F10",) + ADD_ROW_BY_LETTER)

        self.assertEqual(self.close().tasks(), [("eins", "zwei", "drei"), ("", "", "")])

    def test_new_row_item_adds_a_row_by_letter_or_arrows_until_there_are_100_rows(self):
        self.start([("a", "b", "c")], row_count=97)  # 98 rows with the title row

        for keys in (ADD_ROW_BY_ARROWS, ADD_ROW_BY_LETTER, ADD_ROW_BY_ARROWS, ADD_ROW_BY_LETTER):
            self.open_menu(cell(1, 1))
            self.session.keys(*keys)  # the item is disabled from 100 rows on: nothing happens then
            self.close_menu_if_open()
        self.click(PLUS_ROW)  # the picture button knows no limit

        saved = self.close()
        self.assertEqual(saved.row_count, 100)
        self.assertEqual(len(saved.rows), 100)

    def test_deleting_a_filled_last_row_asks_with_its_trimmed_texts(self):
        self.start([("a", "b", "c"), ("  eins ", "", " drei")])
        question = "Möchten Sie die Zeile wirklich löschen?\r\nInhalt: eins, drei"

        self.open_menu(cell(1, 1))
        self.session.keys("e")  # "Letzte Zeile &entfernen"
        self.answer("no", question)
        self.click(MINUS_ROW)
        self.answer("yes", question)

        saved = self.close()
        self.assertEqual((saved.row_count, saved.tasks()), (1, [("a", "b", "c")]))

    def test_an_undo_brings_a_deleted_row_back_and_a_redo_takes_it_again(self):
        self.start([("a", "b", "c"), ("  eins ", "", " drei")])
        self.click(MINUS_ROW)
        self.answer("yes", "Möchten Sie die Zeile wirklich löschen?\r\nInhalt: eins, drei")
        self.click(cell(0, 1))

        self.session.keys("ctrl+z")
        time.sleep(2)  # an undo is a change: it is saved soon
        self.session.settle()
        self.assertEqual(SavedSheet.read(self.data_file).tasks(), [("a", "b", "c"), ("eins", "", "drei")])

        self.session.keys("ctrl+y")
        saved = self.close()
        self.assertEqual((saved.row_count, saved.tasks()), (1, [("a", "b", "c")]))

    def test_columns_are_added_and_removed_by_menu_and_buttons(self):
        self.start([("Hoch", "Einkaufen", "10min")])

        self.open_menu(cell(1, 1))
        self.session.keys("h")  # "Neue Spalte &hinzufügen"
        self.click(MINUS_COLUMN)  # the new, empty column goes without a question
        self.assertEqual(self.session.message_boxes(), [])
        self.click(PLUS_COLUMN)
        self.open_menu(cell(1, 1))
        self.session.keys("l")  # "&Letzte Spalte entfernen": the empty fourth column
        self.open_menu(cell(1, 1))
        self.session.keys("l")  # the third column has texts
        self.answer("yes", "Möchten Sie die Spalte wirklich löschen?\r\nInhalt: Zeit, 10min")

        saved = self.close()
        self.assertEqual((saved.column_count, saved.captions, saved.tasks()), (2, ["Prio", "Aufgabe"],
                                                                            [("Hoch", "Einkaufen")]))

    # ------------------------------------------------------------------------------ clipboard

    def test_whole_cells_are_copied_cut_and_pasted_through_the_clipboard(self):
        self.start([("eins", "zwei", "drei"), ("", "", "")])
        session = self.session

        self.click(cell(0, 1))
        session.keys("ctrl+c")
        self.assertEqual(session.clipboard_text(), "eins")
        self.click(cell(1, 2))
        session.keys("ctrl+c")  # an empty cell leaves the clipboard alone
        self.assertEqual(session.clipboard_text(), "eins")
        self.click(cell(1, 1))
        session.keys("ctrl+x")
        self.assertEqual(session.clipboard_text(), "zwei")
        self.click(cell(2, 1))
        session.keys("ctrl+v")
        session.set_clipboard_text("a\r\nb\r\n")
        self.click(cell(2, 2))
        session.keys("ctrl+v")
        self.assertEqual(session.clipboard_text(), "a\r\nb\r\n")
        session.set_clipboard_picture()
        self.click(cell(0, 1))
        session.keys("ctrl+v")  # no text on the clipboard: the cell is emptied

        self.assertEqual(self.close().tasks(), [("", "", "zwei"), ("", "", "a  b")])

    def test_a_paste_in_the_editor_inserts_one_line_at_the_caret_and_keeps_the_clipboard(self):
        self.start([("AB", "", "")])
        self.session.set_clipboard_text("x\r\ny\r\n")

        self.click(cell(0, 1))
        self.session.keys("F2", "End", "Left", "ctrl+v", "Return")

        self.assertEqual(self.session.clipboard_text(), "x\r\ny\r\n")
        self.assertEqual(self.close().tasks(), [("Ax  yB", "", "")])

    # ------------------------------------------------------------------------------ drawing

    def test_an_ampersand_is_drawn_as_typed(self):
        # "&" drawn as a prefix would underline the blank after it and leave "A  B"'s width.
        self.start([("", "A & B", ""), ("", "A  B", "")])
        shot = self.session.screenshot()

        def ink_right_edge(row):
            left, top, right, bottom = cell_rect(1, row)
            ink = [x for x in range(left + 1, right - 1) for y in range(top + 1, bottom - 1)
                   if shot.pixel(x, y) != TASK_CELL]
            self.assertTrue(ink, f"nothing drawn in row {row}")
            return max(ink)

        self.assertGreaterEqual(ink_right_edge(1) - ink_right_edge(2), 5)


if __name__ == "__main__":
    unittest.main()
