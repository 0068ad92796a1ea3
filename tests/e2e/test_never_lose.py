"""Pendra never loses the list: it saves soon after every change, so a hard kill loses at most
the last second, and a data file it cannot read whole is kept as it was found."""

import os
import shutil
import time

from harness import REPO, PendraTestCase, wait_until, windows_path

GOLDEN = (REPO / "tests" / "unit" / "fixtures" / "sheet" / "golden.xml").read_bytes()

# A list whose window is at 300, 200, 370 x 211, its columns filling the grid.
LIST_FILE = ('<?xml version="1.0" encoding="utf-8"?><VeVuVizo><WindowPosition><Left>300</Left><Top>200</Top>'
             "<Width>370</Width><Height>211</Height></WindowPosition><ColumnInfo><RowCount>2</RowCount>"
             "<ColumnCount>3</ColumnCount></ColumnInfo><Skin><SkinName>No Skin</SkinName><SkinPath/></Skin>"
             "<ColumnHeader>" + "".join(f"<Column><ColumnCaption>{c}</ColumnCaption><ColumnWidth>{w}</ColumnWidth>"
                                        f"<ColumnAlignment>LEFT</ColumnAlignment></Column>"
                                        for c, w in (("Prio", 50), ("Aufgabe", 210), ("Zeit", 45)))
             + "</ColumnHeader><ToDoContent><Column><Text>1</Text><Text>Steuer</Text><Text>2h</Text></Column>"
             "<Column><Text/><Text/><Text/></Column></ToDoContent></VeVuVizo>").encode("utf-8")
WHITE = (255, 255, 255)


class NeverLoseTest(PendraTestCase):
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

    def test_an_unreadable_file_is_kept_as_it_was_and_the_user_told_where(self):
        damaged = os.urandom(4096)
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(damaged)
        program = self.session.start()

        report = self.session.answer_box("Ausnahmefehler", wait_ms=10000)
        self.assertIn("XMLloadToDoList", report.text)
        notice = self.session.answer_box("Hinweis", wait_ms=10000)
        kept = [p for p in self.session.program_folder.iterdir() if p.name.startswith("Pendra~unreadable~")]
        self.assertEqual(len(kept), 1)
        self.assertIn(kept[0].name, notice.text)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.settle()
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

        self.assertEqual(kept[0].read_bytes(), damaged)
        self.assertIn(b"<VeVuVizo>", data_file.read_bytes())

    def test_a_version_another_program_wrote_comes_in_while_running_and_merges_with_the_typed_edits(self):
        program, window = self.start_with_file_beside()
        data_file = self.session.program_folder / "Pendra.xml"
        theirs = data_file.read_bytes().replace(b"Aufgabe", b"Aufgaben von nebenan")
        self.write_as_a_sync_client(data_file, theirs)
        self.assertTrue(wait_until(lambda: b"Aufgaben von nebenan" in self.caption_row_as_saved(data_file), 3))

        self.session.click(window.left + 150, window.top + 30 + 25 * 3 + 12)
        self.session.type_text("meine")
        self.session.keys("Return")
        self.session.settle()
        time.sleep(3)
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

        saved = data_file.read_bytes()
        self.assertIn(b"<ColumnCaption>Aufgaben von nebenan</ColumnCaption>", saved)
        self.assertIn(b"<Text>meine</Text>", saved)
        self.assertEqual([p.name for p in self.session.program_folder.iterdir() if "~" in p.name], [])

    def test_a_cell_changed_on_both_sides_keeps_the_typed_text_and_the_other_version_beside_it(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(LIST_FILE)
        program, window = self.start_with_file_beside()
        original = data_file.read_bytes()
        self.session.click(window.left + 150, window.top + 30 + 25 * 1 + 12)  # the task "Steuer"
        self.session.type_text("meine")  # typing opens the editor with what is typed
        theirs = original.replace(b"<Text>Steuer</Text>", b"<Text>deren</Text>")
        self.write_as_a_sync_client(data_file, theirs)
        time.sleep(3)  # merged while the editor is still open
        self.session.keys("Return")
        self.session.settle()
        time.sleep(2)
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

        kept = [p for p in self.session.program_folder.iterdir() if p.name.startswith("Pendra~conflict~")]
        self.assertEqual(len(kept), 1)
        self.assertEqual(kept[0].read_bytes(), theirs)
        self.assertIn(b"<Text>meine</Text>", data_file.read_bytes())
        self.assertNotIn(b"deren", data_file.read_bytes())

    @staticmethod
    def write_as_a_sync_client(data_file, data):
        arriving = data_file.with_name(".Pendra.xml.arriving")
        arriving.write_bytes(data)
        os.replace(arriving, data_file)

    @staticmethod
    def caption_row_as_saved(data_file):
        return data_file.read_bytes().split(b"</ColumnHeader>")[0]

    def test_a_data_file_held_open_at_start_is_waited_for_then_loaded_and_saved(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(LIST_FILE)
        held = self.session.work_folder / "held"
        holder = self.session.start_driver("hold", "C:\\Pendra\\Pendra.xml", 5000, "--ready", windows_path(held))
        self.assertTrue(wait_until(held.exists, 15))

        program = self.session.start()
        window = self.session.main_window(until="visible", wait_ms=10000)
        self.assertIsNotNone(window)
        self.session.settle()
        self.assertEqual(self.session.message_boxes(), [])
        task_cell = (window.left + 150, window.top + 30 + 25 * 2 + 12)
        self.assertNotEqual(self.session.screen_pixel(*task_cell), WHITE, "a sheet is shown while waiting")

        holder.answer()
        self.assertTrue(wait_until(lambda: self.session.main_window().left == 300, 10), "the list was not loaded")
        self.session.settle()
        self.assertEqual(self.session.message_boxes(), [])
        window = self.session.main_window()
        self.session.click(window.left + 150, window.top + 30 + 25 * 2 + 12)
        self.session.type_text("neu")
        self.session.keys("Return")
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

        saved = data_file.read_bytes()
        self.assertIn(b"<Text>Steuer</Text>", saved)
        self.assertIn(b"<Text>neu</Text>", saved)
        self.assertEqual(sorted(p.name for p in self.session.program_folder.iterdir()), ["Pendra.exe", "Pendra.xml"])

    def test_a_file_too_large_for_a_sheet_is_refused_and_kept(self):
        data_file = self.session.program_folder / "Pendra.xml"
        huge = b"<VeVuVizo>" + b" " * (70 * 1024 * 1024) + b"</VeVuVizo>"
        data_file.write_bytes(huge)
        program = self.session.start()
        report = self.session.answer_box("Ausnahmefehler", wait_ms=20000)
        self.assertIn("XMLloadToDoList", report.text)
        self.session.answer_box("Hinweis", wait_ms=30000)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=20000))
        kept = [p for p in self.session.program_folder.iterdir() if p.name.startswith("Pendra~unreadable~")]
        self.assertEqual(len(kept), 1)
        self.assertEqual(kept[0].stat().st_size, len(huge))
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

    def temporary_files(self):
        return [p for p in self.session.program_folder.iterdir() if p.name.startswith("Pendra~tmp~backup~")]

    def type_into_task(self, window, text):
        self.session.click(window.left + 150, window.top + 30 + 25 * 2 + 12)
        self.session.type_text(text)
        self.session.keys("Return")
        self.session.settle()

    def test_what_earlier_runs_left_goes_or_is_kept_and_the_user_told(self):
        folder = self.session.program_folder
        data_file = folder / "Pendra.xml"
        data_file.write_bytes(GOLDEN)
        written = data_file.stat().st_mtime
        older = folder / "Pendra~tmp~backup~{00000000-0000-0000-0000-000000000001}"
        newer = folder / "Pendra~tmp~backup~{00000000-0000-0000-0000-000000000002}"
        older.write_bytes(GOLDEN.replace(b"10min", b"saved since"))
        newer.write_bytes(GOLDEN.replace(b"10min", b"not in the list"))
        os.utime(older, (written - 60, written - 60))
        os.utime(newer, (written + 60, written + 60))

        program = self.session.start()
        notice = self.session.answer_box("Hinweis", wait_ms=10000)
        recovered = [p for p in folder.iterdir() if p.name.startswith("Pendra~recovered~")]
        self.assertEqual(len(recovered), 1)
        self.assertIn(recovered[0].name, notice.text)
        self.assertEqual(recovered[0].read_bytes(), GOLDEN.replace(b"10min", b"not in the list"))
        self.assertEqual(self.temporary_files(), [])
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

    def test_failing_saves_leave_one_temporary_file_which_the_next_start_recovers(self):
        folder = self.session.program_folder
        (folder / "Pendra.xml").mkdir()  # no file can replace it
        program = self.session.start("-p")
        self.session.answer_box("Fehler beim Speichern", wait_ms=10000)  # the first sheet's save
        window = self.session.main_window(until="visible", wait_ms=10000)
        self.session.dismiss_boxes()
        self.session.settle()
        self.type_into_task(window, "nicht verloren")
        self.session.answer_box("Fehler beim Speichern", wait_ms=10000)  # the first save in the background
        time.sleep(12)  # a failed save is tried again every five seconds
        self.session.settle()
        self.assertEqual(len(self.temporary_files()), 1)

        self.session.close_main_window()
        self.session.answer_box("Fehler beim Speichern", wait_ms=10000)
        self.assertEqual(program.wait(15), 0)
        left = self.temporary_files()
        self.assertEqual(len(left), 1)
        self.assertIn(b"<Text>nicht verloren</Text>", left[0].read_bytes())

        (folder / "Pendra.xml").rmdir()
        program = self.session.start("-p")
        notice = self.session.answer_box("Hinweis", wait_ms=10000)
        recovered = [p for p in folder.iterdir() if p.name.startswith("Pendra~recovered~")]
        self.assertEqual(len(recovered), 1)
        self.assertIn(recovered[0].name, notice.text)
        self.assertIn(b"<Text>nicht verloren</Text>", recovered[0].read_bytes())
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(self.temporary_files(), [])

    def test_a_deleted_data_folder_is_made_again_and_the_list_saved(self):
        program = self.session.start()
        window = self.session.main_window(until="visible", wait_ms=10000)
        self.session.dismiss_boxes()
        self.session.settle()
        data_folder = self.session.appdata / "Pendra"
        self.assertTrue((data_folder / "Pendra.xml").is_file())

        shutil.rmtree(data_folder)
        self.type_into_task(window, "Ordner weg")
        time.sleep(3)
        self.session.settle()
        self.assertIn(b"<Text>Ordner weg</Text>", (data_folder / "Pendra.xml").read_bytes())
        # The folder made again is watched: another program's version is merged in.
        data_file = data_folder / "Pendra.xml"
        self.write_as_a_sync_client(data_file, data_file.read_bytes().replace(b"Ordner weg", b"Ordner wieder da"))
        time.sleep(3)

        shutil.rmtree(data_folder)
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertIn(b"<Text>Ordner wieder da</Text>", (data_folder / "Pendra.xml").read_bytes())

    def test_a_letter_saved_in_another_encoding_is_kept_as_it_was_and_the_user_told(self):
        data_file = self.session.program_folder / "Pendra.xml"
        ansi = GOLDEN[3:].replace(b"M&#xFC;ll", b"M\xfcll")  # an editor saved it in ANSI, the declaration still says UTF-8
        data_file.write_bytes(ansi)
        program = self.session.start()

        notice = self.session.answer_box("Hinweis", wait_ms=10000)
        self.assertIn("Kodierung", notice.text)
        kept = [p for p in self.session.program_folder.iterdir() if p.name.startswith("Pendra~unreadable~")]
        self.assertEqual(len(kept), 1)
        self.assertIn(kept[0].name, notice.text)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(kept[0].read_bytes(), ansi)
