"""One instance per logon, also when Pendra is started several times at once or while it ends."""

import shutil
import time

from harness import PendraTestCase, WineSession

STARTS_AT_ONCE = 4
ROUNDS = 5


class SimultaneousStartTest(PendraTestCase):
    def test_starts_at_the_same_moment_leave_one_window_and_the_others_end_with_0(self):
        for round_number in range(ROUNDS):
            with self.subTest(round=round_number), WineSession() as session:
                programs = [session.start() for _ in range(STARTS_AT_ONCE)]
                self.assertIsNotNone(session.main_window(until="visible", wait_ms=30000))
                session.dismiss_boxes()
                ended = []
                deadline = time.monotonic() + 30
                while len(ended) < STARTS_AT_ONCE - 1 and time.monotonic() < deadline:
                    ended = [p for p in programs if not p.running()]
                    time.sleep(0.1)
                session.settle()
                self.assertEqual(session.count_main_windows(), 1)
                self.assertEqual(len(ended), STARTS_AT_ONCE - 1)
                self.assertEqual([p.wait(1) for p in ended], [0] * len(ended))

    def test_a_start_while_the_running_instance_ends_takes_over_as_the_one_instance(self):
        first = self.session.start("-p")
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.dismiss_boxes()
        self.session.settle()
        # The data file cannot be replaced now: the close stops at the save's report.
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.unlink()
        data_file.mkdir()
        self.session.close_main_window()
        boxes = self.session.message_boxes(wait_ms=10000)
        self.assertIn("Fehler beim Speichern", [box.title for box in boxes])

        second = self.session.start()
        time.sleep(1)
        self.assertTrue(second.running(), "the start brought the ending window forward and ended")
        shutil.rmtree(data_file)
        self.session.answer_box("Fehler beim Speichern")
        self.assertEqual(first.wait(15), 0)

        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=20000))
        self.session.settle()
        self.assertEqual(self.session.count_main_windows(), 1)
        third = self.session.start()
        self.assertEqual(third.wait(15), 0)
        self.assertEqual(self.session.count_main_windows(), 1)
        self.assertTrue(second.running())
