"""The summon key: pressed in another program it brings the list from any state, ready to type a new
task; pressed again it puts the list back and returns the keys. Choosing another key, a key that
another program holds, and the collapsed strip from the keyboard."""

import unittest

from harness import windows_path, wait_until, WindowInfo
from test_editing import SheetTestCase, RED_BAR, client, sheet_file

SUMMON = "ctrl+alt+shift+space"
NOTEPAD = "C:\\windows\\system32\\notepad.exe"
MINIMIZE = client(335, 15)  # the minimize picture at the window's top right
STRIP_WIDTH = 30


class SummonKeyTest(SheetTestCase):
    def start_notepad(self, text):
        """Another program with an edit field that has the keys, holding the text typed into it."""
        self.session.start_program(NOTEPAD)
        self.assertIsNotNone(self.notepad(wait_ms=15000))
        self.session.driver("keys", "shift", "--class", "Notepad", "--title", "*")  # brings it forward
        if text:
            self.session.driver("type", text, "--class", "Notepad", "--title", "*")

    def notepad(self, wait_ms=0):
        r = self.session.driver("find", "--class", "Notepad", "--title", "*", "--wait", wait_ms, check=False)
        return WindowInfo.from_report(r) if r["exit"] == 0 else None

    def notepad_text(self):
        return self.session.driver("focus", "--class", "Notepad", "--title", "*")["focus_text"]

    def summon(self):
        """The key, pressed in whatever window has the keys."""
        self.session.driver("keys", SUMMON, "--focus", "no")

    def pendra_has_the_keys_in_its_editor(self):
        window = self.session.main_window()
        focus = self.session.driver("focus")
        return window.visible and window.foreground and focus["focus_class"] == "Edit"

    def notepad_has_the_keys(self):
        return self.notepad().foreground and self.session.driver(
            "focus", "--class", "Notepad", "--title", "*")["focus_class"] == "Edit"

    def test_the_key_brings_a_hidden_list_ready_for_a_new_task_and_puts_it_back(self):
        self.data_file = self.session.program_folder / "Pendra.xml"
        self.data_file.write_bytes(sheet_file([("Hoch", "Steuer", "10min")]))
        self.program = self.session.start("-m")
        self.assertIsNotNone(self.session.main_window(until="exists", wait_ms=15000))
        self.session.settle()
        self.start_notepad("Brief an ")

        self.summon()
        self.assertTrue(wait_until(self.pendra_has_the_keys_in_its_editor), "the summoned list has no editor")
        self.session.type_text("Zahnarzt")
        self.summon()

        self.assertIsNotNone(self.session.main_window(until="hidden", wait_ms=5000))
        self.assertTrue(wait_until(self.notepad_has_the_keys), "the keys did not go back to the other program")
        self.session.driver("type", "Anna", "--class", "Notepad", "--title", "*")
        self.assertEqual(self.notepad_text(), "Brief an Anna")
        # Every row held text: the task went into a new row's widest column.
        self.assertEqual(self.close().tasks(), [("Hoch", "Steuer", "10min"), ("", "Zahnarzt", "")])

    def test_from_each_state_the_key_brings_the_list_and_puts_it_back_so(self):
        def behind():
            return lambda: self.session.main_window().visible and self.notepad_has_the_keys()

        def collapsed():
            self.click(RED_BAR)
            self.assertTrue(wait_until(lambda: self.session.main_window().width == STRIP_WIDTH))
            return lambda: self.session.main_window().width == STRIP_WIDTH and self.notepad_has_the_keys()

        def minimized():
            self.click(MINIMIZE)
            return lambda: not self.session.main_window().visible and self.notepad_has_the_keys()

        self.start_notepad("")
        for state in (behind, collapsed, minimized):
            with self.subTest(state=state.__name__):
                self.start([("Hoch", "Steuer", "10min")], row_count=2)
                expanded = self.session.main_window().width
                put_back = state()
                self.session.driver("keys", "x", "--class", "Notepad", "--title", "*")
                self.summon()
                self.assertTrue(wait_until(self.pendra_has_the_keys_in_its_editor))
                self.assertEqual(self.session.main_window().width, expanded)
                self.session.type_text("Zahnarzt")
                self.summon()
                self.assertTrue(wait_until(put_back), f"not put back {state.__name__}")
                # The first empty row's widest column took the task.
                self.assertEqual(self.close().tasks(), [("Hoch", "Steuer", "10min"), ("", "Zahnarzt", "")])
        self.assertEqual(self.notepad_text(), "xxx")

    def test_enter_and_space_unfold_the_strip_that_has_the_keys(self):
        self.start([("Hoch", "Steuer", "10min")])
        expanded = self.session.main_window().width
        for key in ("Return", "space"):
            with self.subTest(key=key):
                self.click(RED_BAR)
                self.assertTrue(wait_until(lambda: self.session.main_window().width == STRIP_WIDTH))
                self.session.keys(key)
                self.assertTrue(wait_until(lambda: self.session.main_window().width == expanded))
        self.assertEqual(self.close().tasks(), [("Hoch", "Steuer", "10min")])

    def test_a_key_another_program_holds_is_noted_once_and_another_one_can_be_chosen(self):
        ready = self.session.work_folder / "held.txt"
        holder = self.session.start_driver("hotkey", SUMMON, 60000, "--ready", windows_path(ready))
        self.assertTrue(wait_until(ready.exists, 30))
        choice = self.session.appdata / "Pendra" / "SummonKey.txt"

        self.start([("Hoch", "Steuer", "10min")])
        self.assertTrue(wait_until(choice.exists), "the note was not remembered")
        self.assertEqual(choice.read_text(), "32 7\ntaken noted\n")

        # The dialog from the menu's item before the last; the new key is typed into its field.
        self.open_menu(RED_BAR)
        self.session.keys("k")
        dialog = self.session.driver("find", "--class", "#32770", "--title", "Tastenkürzel", "--wait", 5000)
        self.assertEqual(dialog["found"], "1")
        self.session.keys("ctrl+alt+shift+F12", "Return")
        self.assertTrue(wait_until(lambda: choice.read_text() == "123 7\n"), choice.read_text())

        self.start_notepad("")
        self.session.driver("keys", "ctrl+alt+shift+F12", "--focus", "no")
        self.assertTrue(wait_until(self.pendra_has_the_keys_in_its_editor))
        holder.stop()


if __name__ == "__main__":
    unittest.main()
