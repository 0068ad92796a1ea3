"""Pendra saves soon after every change: a hard kill loses at most the last second."""

import time

from harness import PendraTestCase


class AutosaveTest(PendraTestCase):
    def start_with_file_beside(self):
        program = self.session.start("-p")
        window = self.session.main_window(until="visible", wait_ms=10000)
        self.assertIsNotNone(window)
        self.session.dismiss_boxes()
        self.session.settle()
        return program, window

    def test_a_typed_task_survives_a_kill(self):
        program, window = self.start_with_file_beside()
        data_file = self.session.program_folder / "Pendra.xml"
        written = data_file.stat().st_mtime_ns

        self.session.click(window.left + 150, window.top + 30 + 25 * 2 + 12)  # a task cell of row 2
        self.session.type_text("Steuer & Belege")
        self.session.keys("Return")
        self.session.settle()
        time.sleep(3)
        program.kill()

        self.assertNotEqual(data_file.stat().st_mtime_ns, written)
        self.assertIn(b"<Text>Steuer &amp; Belege</Text>", data_file.read_bytes())

    def test_without_a_change_nothing_is_written(self):
        program, _ = self.start_with_file_beside()
        data_file = self.session.program_folder / "Pendra.xml"
        written = data_file.stat().st_mtime_ns
        time.sleep(3)
        self.session.settle()
        self.assertEqual(data_file.stat().st_mtime_ns, written)
        self.assertEqual(sorted(p.name for p in self.session.program_folder.iterdir()), ["Pendra.exe", "Pendra.xml"])
        program.kill()
