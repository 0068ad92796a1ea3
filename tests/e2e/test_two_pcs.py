"""Two PCs share one list through a synced folder: two Pendras, each in a Wine prefix and on a display
of its own, keep their list beside the program, and a simulated sync client (sync_simulator.py) copies
each saved version to the other PC. When all is quiet both PCs hold the same sheet, and it holds
every edit; a text that lost a same-cell conflict is kept in a file beside the list."""

import html
import os
import random
import re
import tempfile
import threading
import time
import unittest

from harness import wait_until
from sync_simulator import SyncSimulator
from two_pcs import ROWS, SheetContent, close_pcs, open_pcs

# The soak: edits per PC, and the longest it may type. SYNC_SOAK_EDITS makes it longer by hand.
SOAK_EDITS = int(os.environ.get("SYNC_SOAK_EDITS", "120"))
SOAK_SECONDS = float(os.environ.get("SYNC_SOAK_SECONDS", "200"))
SOAK_MAX_ROWS = 24
QUIET_S = 5.0  # no change for this long: all is quiet


def raw_texts(path):
    """The texts of a kept file, also of one kept while it was still being written (cut short)."""
    data = path.read_bytes().decode("utf-8-sig", errors="replace")
    return " ".join(html.unescape(t) for t in re.findall(r"<(?:Text|ColumnCaption)>([^<]*)<", data))


class TwoPCsTest(unittest.TestCase):
    pcs = []

    @classmethod
    def setUpClass(cls):
        cls.pcs = open_pcs()

    @classmethod
    def tearDownClass(cls):
        close_pcs(cls.pcs)
        cls.pcs = []

    def setUp(self):
        self.pc1, self.pc2 = self.pcs
        for pc in self.pcs:
            self.addCleanup(pc.session.end_programs)
            pc.start()
        self.sync = SyncSimulator([pc.folder for pc in self.pcs], seed=self.id())
        self.sync.__enter__()
        self.addCleanup(self.sync.stop)

    # ----- what all tests check at the end

    def story(self):
        """What happened, for a failure's message: the simulator's events and both files."""
        files = "\n".join(f"--- {pc.name}:\n{SheetContent.read(pc.data_file).show()}" for pc in self.pcs)
        kept = tempfile.mkdtemp(prefix="pendra-two-pcs-")
        self.sync.save_story(kept)
        return f"\nsync events:\n{self.sync.events()}\n{files}\nevery version seen, and the folders: {kept}"

    def check(self, condition, message):
        if not condition:
            self.fail(message + self.story())

    def check_equal(self, first, second, message):
        if first != second:
            self.fail(f"{message}: {first!r} != {second!r}" + self.story())

    def assert_quiet_and_alike(self):
        """Waits until nothing changes any more; both PCs then hold the same sheet, in their files and
        in their windows (closed the normal way, each saves what it shows). Returns that sheet."""
        self.check(self.sync.wait_quiet(QUIET_S, timeout=90), "the PCs never went quiet")
        saved = [SheetContent.read(pc.data_file) for pc in self.pcs]
        self.check_equal(saved[0], saved[1], "the PCs hold different sheets")
        self.sync.stop()
        for pc in self.pcs:
            self.assertEqual(pc.close(), 0)
            self.assertEqual(SheetContent.read(pc.data_file), saved[0], f"{pc.name} showed another sheet")
        return saved[0]

    def conflict_copies(self):
        """The sync's conflicted copies, those still beside the list and those Pendra put away."""
        return self.sync.conflict_copies() + [p for pc in self.pcs for p in pc.merged_copies()]

    def kept_texts(self):
        """Every file kept beside the list (Pendra's conflict files, the sync's copies) and their texts."""
        kept = [p for pc in self.pcs for p in pc.kept_files()] + self.conflict_copies()
        return kept, " ".join(raw_texts(p) for p in kept)

    # ----- the tests

    def test_a_typed_edit_on_one_pc_reaches_the_others_file_and_window(self):
        empty = SheetContent((), ())
        self.pc1.append(1, 3, "von PC1")
        self.check(wait_until(lambda: (SheetContent.read_if_whole(self.pc2.data_file) or empty).holds("von PC1", 1, 2), 20),
                   "the edit did not reach PC2")
        self.assertEqual(self.pc2.shown_text(1, 3), "von PC1")
        sheet = self.assert_quiet_and_alike()
        self.assertEqual(sheet.rows[2], ("", "von PC1", ""))
        self.assertEqual(self.kept_texts()[0], [])

    def test_text_typed_on_one_pc_into_a_cell_the_other_only_entered_is_kept(self):
        self.sync.hold()
        self.pc2.append(1, 3, "von PC2")
        self.assertTrue(wait_until(lambda: "von PC2" in self.pc2.data_file.read_text(encoding="utf-8-sig"), 10))
        self.pc1.go_to(1, 3)  # entering an empty cell empties its blank: a change of PC1's, not yet saved
        self.sync.release()
        sheet = self.assert_quiet_and_alike()
        self.check_equal(sheet.rows[2], ("", "von PC2", ""), "the typed text")
        self.assertEqual(self.kept_texts()[0], [])

    def test_a_version_still_being_written_when_a_save_is_due_is_merged_not_replaced(self):
        self.sync.stop()  # this test is the sync client: it writes PC1's version into PC2's file in place, slowly
        self.pc1.append(1, 3, "von PC1")
        self.assertTrue(wait_until(lambda: "von PC1" in self.pc1.data_file.read_text(encoding="utf-8-sig"), 10))
        arriving = self.pc1.data_file.read_bytes()
        with open(self.pc2.data_file, "r+b") as file:
            file.truncate(0)
            file.write(arriving[:len(arriving) // 2])
            file.flush()
            self.pc2.append(1, 4, "von PC2")
            time.sleep(3)  # PC2's save of its edit is due after a second
            file.write(arriving[len(arriving) // 2:])
        merged = lambda: (SheetContent.read_if_whole(self.pc2.data_file) or SheetContent((), ())).rows[2:4]
        self.assertTrue(wait_until(lambda: merged() == (("", "von PC1", ""), ("", "von PC2", "")), 15),
                        f"PC2 saved {merged()}")
        self.assertEqual(self.pc2.kept_files(), [])

    def test_a_version_whose_notice_never_came_is_merged_by_the_closing_save(self):
        self.sync.stop()
        self.pc1.append(1, 3, "von PC1")
        self.assertTrue(wait_until(lambda: "von PC1" in self.pc1.data_file.read_text(encoding="utf-8-sig"), 10))
        # Written through a second name of PC2's data file in another folder, the change is not told to
        # PC2's watch of its folder, as a change on a network drive may not be.
        alias = self.pc2.session.work_folder / "alias.xml"
        os.link(self.pc2.data_file, alias)
        with open(alias, "r+b") as file:
            file.truncate(0)
            file.write(self.pc1.data_file.read_bytes())
        time.sleep(1)
        self.assertEqual(self.pc2.close(), 0)
        self.assertEqual(SheetContent.read(self.pc2.data_file).rows[2], ("", "von PC1", ""))
        self.assertEqual(self.pc2.kept_files(), [])

    def test_edits_and_rows_added_on_both_pcs_at_once_all_arrive(self):
        def edit(pc, col, row, text, add):
            pc.append(col, row, text)
            getattr(pc, add)()

        both = [threading.Thread(target=edit, args=(self.pc1, 1, 3, "eins", "add_row_by_button")),
                threading.Thread(target=edit, args=(self.pc2, 2, 4, "zwei", "add_row_by_menu"))]
        for thread in both:
            thread.start()
        for thread in both:
            thread.join()
        sheet = self.assert_quiet_and_alike()
        copies = self.conflict_copies()
        _, kept_texts = self.kept_texts()
        for text in ("eins", "zwei"):
            self.check(text in sheet.texts() or text in kept_texts, f"{text} was lost")
        if not copies:  # no sync conflict: the sheet holds everything
            self.check_equal(sheet.rows[:3], (ROWS[0], ROWS[1], ("", "eins", "")), "the edits")
            self.check("zwei" in sheet.texts(), "zwei is in the sheet")
            self.check_equal(len(sheet.rows), len(ROWS) + 2, "each added row is there once")

    def test_a_soak_of_random_edits_on_both_pcs_loses_no_edit(self):
        typed = []  # (pc, token, moment, col, row) of every edit
        ends = time.monotonic() + SOAK_SECONDS
        failures = []

        def typist(pc, letter, seed):
            chance = random.Random(seed)
            sheet = SheetContent.read(pc.data_file)
            try:
                for number in range(SOAK_EDITS):
                    if time.monotonic() > ends:
                        break
                    # While the sync writes the file, the sheet read before will do.
                    sheet = SheetContent.read_if_whole(pc.data_file) or sheet
                    rows, what = len(sheet.rows), chance.random()
                    if what < 0.08 and rows < SOAK_MAX_ROWS:
                        pc.add_row_by_button()
                    elif what < 0.14 and rows < SOAK_MAX_ROWS:
                        pc.add_row_by_menu()
                    elif what < 0.20 and rows > len(ROWS) + 2 and not any(sheet.rows[-1]):
                        pc.delete_last_row()
                    else:
                        col, row, token = chance.randrange(3), chance.randrange(1, rows + 1), f"{letter}{number:03d}"
                        pc.append(col, row, " " + token)
                        typed.append((pc.name, token, time.monotonic(), col, row))
            except BaseException as failure:  # noqa: BLE001 - the test fails with it below
                failures.append(failure)

        seed = random.randrange(1 << 30)
        typists = [threading.Thread(target=typist, args=(pc, letter, seed + i))
                   for i, (pc, letter) in enumerate(zip(self.pcs, "ab"))]
        for thread in typists:
            thread.start()
        for thread in typists:
            thread.join()
        if failures:
            raise failures[0]
        sheet = self.assert_quiet_and_alike()
        kept, kept_texts = self.kept_texts()

        final = set(sheet.texts().split())
        in_copies = set(" ".join(raw_texts(p) for p in self.conflict_copies()).split())
        only_kept = [t for t in typed if t[1] not in final]
        lost = [t for t in only_kept if t[1] not in kept_texts.split()]
        self.check_equal(lost, [], f"edits lost (seed {seed})")
        # Texts kept aside although the other PC did not change the same cell about then: versions written
        # at once are merged as conflicts, which keeps more aside than needed, and is shown, not failed.
        alone = [t for t in only_kept if t[1] not in in_copies and not any(
            o[0] != t[0] and (o[3], o[4]) == (t[3], t[4]) and abs(o[2] - t[2]) < 12 for o in typed)]
        print(f"\nsoak: {len(typed)} edits, {len(sheet.rows)} rows at the end, {len(only_kept)} kept aside in "
              f"{len(kept)} files ({len(alone)} without a near conflict; {self.sync.counts.conflicts} sync conflict "
              f"copies), copies {self.sync.counts.copies}, seed {seed}", flush=True)


if __name__ == "__main__":
    unittest.main()
