"""The list can live in a folder the user chooses (one a sync client shares with another PC): the
menu's "Ort der Liste wählen ..." moves it there through the system's folder dialog, and every
later start finds it there."""

import time

from harness import PendraTestCase, windows_path


class ListFolderTest(PendraTestCase):
    def choose_list_folder(self, window, folder):
        red_bar = (window.left + 12, window.top + 100)
        self.session.driver("move", *red_bar)
        self.session.click(*red_bar, button="right")
        self.assertEqual(self.session.driver("find", "--class", "#32768", "--title", "*", "--until", "visible",
                                             "--wait", 5000, check=False)["exit"], 0)
        self.session.keys("w")
        self.assertEqual(self.session.driver("find", "--class", "#32770", "--title", "Ort der Liste", "--until",
                                             "visible", "--wait", 10000, check=False)["exit"], 0)
        self.session.type_text(windows_path(folder))
        self.session.keys("Return")

    def type_task(self, window, row, text):
        self.session.click(window.left + 150, window.top + 30 + 25 * row + 12)
        self.session.type_text(text)
        self.session.keys("Return")
        self.session.settle()

    def test_the_list_moves_into_the_chosen_folder_and_the_next_start_finds_it_there(self):
        synced = self.session.work_folder / "synced"
        synced.mkdir()
        program = self.session.start("-p")
        window = self.session.main_window(until="visible", wait_ms=10000)
        self.session.dismiss_boxes()
        self.session.settle()
        self.type_task(window, 2, "vor dem Umzug")

        self.choose_list_folder(window, synced)
        moved = synced / "Pendra.xml"
        deadline = time.monotonic() + 10
        while not moved.exists() and time.monotonic() < deadline:
            time.sleep(0.2)
        self.assertIn(b"<Text>vor dem Umzug</Text>", moved.read_bytes())
        self.assertFalse((self.session.program_folder / "Pendra.xml").exists())  # never two lists
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

        program = self.session.start()
        window = self.session.main_window(until="visible", wait_ms=10000)
        self.session.settle()
        self.type_task(window, 3, "nach dem Umzug")
        time.sleep(2)
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        saved = moved.read_bytes()
        self.assertIn(b"<Text>vor dem Umzug</Text>", saved)
        self.assertIn(b"<Text>nach dem Umzug</Text>", saved)
        self.assertFalse((self.session.program_folder / "Pendra.xml").exists())
        self.assertFalse((self.session.appdata / "Pendra" / "Pendra.xml").exists())
