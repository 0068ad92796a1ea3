"""Start-up, single instance and the ways out of Pendra.exe, observed from outside."""

import time
import unittest
import xml.etree.ElementTree as ElementTree

from harness import WS_EX_APPWINDOW, WS_EX_TOOLWINDOW, PendraTestCase, wait_until

# The main window's tray-icon callback message (WM_APP + 1); lParam carries the mouse message.
TRAY_MESSAGE = 0x8001
WM_LBUTTONUP = 0x0202
WM_COMMAND = 0x0111
WM_ENDSESSION = 0x0016
MENU_NO_SKIN = 1004  # "Kein Skin" in the skin submenu: drops the skin and restarts
NO_SKIN_SECTION_FILE = (b'<?xml version="1.0" encoding="utf-8"?><VeVuVizo><WindowPosition><Left>300</Left>'
                        b"<Top>200</Top><Width>370</Width><Height>211</Height></WindowPosition><ColumnInfo>"
                        b"<RowCount>1</RowCount><ColumnCount>1</ColumnCount></ColumnInfo><ColumnHeader/>"
                        b"<ToDoContent/></VeVuVizo>")
THREE_COLUMN_FILE = NO_SKIN_SECTION_FILE.replace(b"<ColumnCount>1", b"<ColumnCount>3")
# A sheet whose window is not where a first sheet's would be, with columns that fill it.
PLACED_FILE = ('<?xml version="1.0" encoding="utf-8"?><VeVuVizo><WindowPosition><Left>300</Left><Top>200</Top>'
               "<Width>420</Width><Height>250</Height></WindowPosition><ColumnInfo><RowCount>2</RowCount>"
               "<ColumnCount>3</ColumnCount><HeaderTextBold>FALSE</HeaderTextBold><DrawGridLines>TRUE</DrawGridLines>"
               "</ColumnInfo><Skin><SkinName>No Skin</SkinName><SkinPath/></Skin><ColumnHeader>"
               + "".join(f"<Column><ColumnCaption>{c}</ColumnCaption><ColumnWidth>{w}</ColumnWidth>"
                         f"<ColumnAlignment>LEFT</ColumnAlignment></Column>"
                         for c, w in (("Prio", 50), ("Aufgabe", 260), ("Zeit", 45)))
               + "</ColumnHeader><ToDoContent><Column><Text>eins</Text><Text>zwei</Text><Text>drei</Text></Column>"
               "<Column><Text/><Text/><Text/></Column></ToDoContent></VeVuVizo>").encode("utf-8")
MINIMIZE_PICTURE = (-35, 15)  # window point, from the right edge
WM_CLOSE = 0x0010


def saved_layout(data_file):
    """The window's rectangle and the column widths as the data file holds them."""
    root = ElementTree.fromstring(data_file.read_bytes())
    position = root.find("WindowPosition")
    rect = tuple(int(position.findtext(name)) for name in ("Left", "Top", "Width", "Height"))
    return rect, [int(c.findtext("ColumnWidth")) for c in root.find("ColumnHeader")]
RED_BAR = (12, 100)  # client point of the red bar
PLUS_ROW = (178, 180)  # client point of the add-row button at 370 x 211


def on_screen(window, x, y):
    """A window point on the screen; a negative x counts from the right edge."""
    return window.left + (x if x >= 0 else window.width + x), window.top + y


class StartupTest(PendraTestCase):
    def start_and_settle(self, *args):
        """Starts Pendra and waits until its start-up, start timer included, is over."""
        program = self.session.start(*args)
        self.assertIsNotNone(self.session.main_window(until="hidden" if "-m" in args else "visible"))
        self.session.settle()
        return program

    def red_bar_on_screen(self, window):
        r, g, b = self.session.screen_pixel(window.left + RED_BAR[0], window.top + RED_BAR[1])
        return r > 150 and g < 110 and b < 110

    def modules(self):
        r = self.session.driver("modules")
        return [r[f"module.{i}"] for i in range(int(r["count"]))]

    def test_first_start_shows_one_borderless_topmost_tool_window_at_its_place(self):
        self.start_and_settle()
        window = self.session.main_window()
        self.assertEqual((window.class_name, window.title), ("TToDoForm", "Pendra"))
        self.assertEqual((window.left, window.top, window.width, window.height), (1510, 434, 370, 211))
        self.assertEqual((window.client_width, window.client_height), (370, 211))
        self.assertTrue(window.visible)
        self.assertTrue(window.topmost)
        self.assertTrue(window.exstyle & WS_EX_TOOLWINDOW)
        self.assertFalse(window.exstyle & WS_EX_APPWINDOW)
        self.assertEqual(self.session.count_main_windows(), 1)
        self.assertEqual(self.session.message_boxes(), [])

        # Top-most in the z-order: every visible window above it is top-most too, and Wine's
        # (not top-most) taskbar is below it.
        windows = self.session.top_level_windows()
        above = windows[:window.zindex]
        self.assertTrue(all(w.topmost for w in above if w.visible), above)
        below = [w for w in windows[window.zindex + 1:] if w.visible and not w.topmost]
        self.assertTrue(below, "no ordinary window to compare with")

    def test_second_start_shows_the_running_window_and_ends_with_exit_code_0(self):
        for first_args in [(), ("-m",)]:
            with self.subTest(first_args=first_args):
                first = self.start_and_settle(*first_args)

                second = self.session.start()
                self.assertEqual(second.wait(10), 0)

                window = self.session.main_window(until="visible", wait_ms=5000)
                self.assertIsNotNone(window, "the running window was not shown")
                self.assertTrue(wait_until(lambda: self.red_bar_on_screen(window)), "not on the screen")
                self.assertTrue(window.foreground)
                self.assertEqual(self.session.count_main_windows(), 1)
                self.assertTrue(first.running())
                self.session.end_programs()

    def test_the_common_controls_are_loaded_when_a_hint_is_first_needed_not_at_the_start(self):
        self.session.driver("move", 5, 5)  # the pointer rests away from the window
        (self.session.program_folder / "Pendra.xml").write_bytes(THREE_COLUMN_FILE)
        self.start_and_settle()
        self.assertNotIn("comctl32.dll", self.modules())

        window = self.session.main_window()
        hint = self.session.hint_at(window.left + PLUS_ROW[0], window.top + PLUS_ROW[1])
        self.assertIsNotNone(hint, "no hint over the button")
        self.assertEqual(hint.title, "Neue Zeile hinzufügen")
        self.assertIn("comctl32.dll", self.modules())

    def test_minus_m_keeps_the_window_hidden_until_a_tray_icon_click(self):
        self.start_and_settle("-m")
        self.assertFalse(self.session.main_window().visible)

        self.session.post(TRAY_MESSAGE, 0, WM_LBUTTONUP)

        window = self.session.main_window(until="visible", wait_ms=5000)
        self.assertIsNotNone(window)
        self.assertTrue(wait_until(lambda: self.red_bar_on_screen(window)), "not on the screen")

    def typing_lands_nowhere(self):
        """Types a word and Enter wherever the keyboard is, without bringing Pendra forward first."""
        self.session.driver("type", "hallo", "--focus", "no")
        self.session.driver("keys", "Return", "--focus", "no")
        self.session.settle()

    def assert_without_activation(self):
        focus = self.session.driver("focus")
        self.assertEqual((focus["active_class"], focus["focus_class"]), ("", ""), focus)
        self.assertFalse(self.session.main_window().foreground)

    def test_a_hidden_window_holds_neither_the_activation_nor_the_keys_until_it_is_shown(self):
        data_file = self.session.program_folder / "Pendra.xml"
        for hide in ("-m", "minimize picture"):
            with self.subTest(hide=hide):
                data_file.write_bytes(PLACED_FILE)
                program = self.start_and_settle(*(["-m"] if hide == "-m" else []))
                if hide == "minimize picture":
                    window = self.session.main_window()
                    self.session.click(*on_screen(window, *MINIMIZE_PICTURE))
                    self.assertIsNotNone(self.session.main_window(until="hidden"))
                    self.session.settle()
                self.assert_without_activation()
                self.typing_lands_nowhere()

                self.session.post(TRAY_MESSAGE, 0, WM_LBUTTONUP)
                self.assertIsNotNone(self.session.main_window(until="visible"))
                self.session.settle()
                self.assertEqual(self.session.driver("focus")["focus_class"], "PendraToDoGrid")

                self.session.close_main_window()
                self.assertEqual(program.wait(10), 0)
                self.assertNotIn(b"hallo", data_file.read_bytes())

    def test_a_minimized_window_keeps_its_place_size_and_column_widths_in_the_data_file(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(PLACED_FILE)
        program = self.start_and_settle()
        window = self.session.main_window()
        self.session.click(window.left + 150, window.top + 30 + 25 * 2 + 12)  # a change, saved soon
        self.session.type_text("neu")
        self.session.keys("Return")
        self.session.settle()
        time.sleep(2)
        self.session.settle()
        expected = saved_layout(data_file)
        self.assertEqual(expected[0], (300, 200, 420, 250))

        self.session.click(*on_screen(window, *MINIMIZE_PICTURE))
        self.assertIsNotNone(self.session.main_window(until="hidden"))
        self.session.post(WM_CLOSE)  # as the tray menu's exit or the end of the session does
        self.assertEqual(program.wait(10), 0)
        self.assertEqual(saved_layout(data_file), expected)

        self.start_and_settle()
        window = self.session.main_window()
        self.assertEqual((window.left, window.top, window.width, window.height), (300, 200, 420, 250))

    def test_a_close_while_a_start_up_report_is_open_saves_the_window_as_it_is(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(PLACED_FILE.replace(b"<Left>300</Left>", b""))
        program = self.session.start()
        self.session.message_boxes(wait_ms=10000)
        self.session.close_main_window()
        self.assertTrue(wait_until(lambda: self.session.dismiss_boxes() or not program.running(), 15))
        self.assertEqual(program.wait(10), 0)

        # Without its left edge the place is unreadable: the window was centred at its first size.
        self.assertEqual(saved_layout(data_file), ((775, 434, 370, 211), [50, 210, 45]))

    def test_closing_the_window_ends_the_process_with_exit_code_0(self):
        program = self.start_and_settle()

        self.session.close_main_window()

        self.assertEqual(program.wait(10), 0)
        self.assertEqual(self.session.count_main_windows(), 0)

    def test_a_restart_leaves_exactly_one_instance_which_holds_the_single_instance_mark(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(NO_SKIN_SECTION_FILE)  # no skin chosen yet, so "Kein Skin" restarts
        old = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.settle()

        self.session.post(WM_COMMAND, MENU_NO_SKIN, 0)
        box = self.session.answer_box("Hinweis", wait_ms=10000)
        self.assertIn("neu gestartet", box.text)

        self.assertEqual(old.wait(15), 0)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()
        self.assertEqual(self.session.count_main_windows(), 1)
        self.assertIn(b"<SkinPath> </SkinPath>", data_file.read_bytes())

        third = self.session.start()
        self.assertEqual(third.wait(15), 0)
        self.assertEqual(self.session.count_main_windows(), 1)

    def test_the_exit_picture_and_windows_shutting_down_close_the_normal_way(self):
        data_file = self.session.appdata / "Pendra" / "Pendra.xml"
        for end in ("exit picture", "end of session"):
            with self.subTest(end):
                program = self.start_and_settle()
                data_file.unlink()  # written at the first start; written again only by the close
                window = self.session.main_window()
                if end == "exit picture":
                    self.session.click(window.left + 355, window.top + 15)
                else:
                    self.session.post(WM_ENDSESSION, 1, 0)
                self.assertEqual(program.wait(10), 0)
                self.assertTrue(data_file.read_bytes().startswith(b"\xef\xbb\xbf<?xml"))
                self.assertEqual([p.name for p in data_file.parent.iterdir()], ["Pendra.xml"])


if __name__ == "__main__":
    unittest.main()
