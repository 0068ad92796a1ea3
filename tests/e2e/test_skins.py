"""Skins: the first run's choice, switching in place from the skin submenu, and dropping the skin,
observed on the screen and in the data file."""

import re
import shutil
import unittest

from harness import REPO, SKINS, PendraTestCase, WineSession, wait_until

# What a point of the top band (a little below the window's edge, right of the logo) shows in each
# look: the mat's colour there, as the pictures are drawn.
TOP_BAND_POINT = (262, 12)
LOOKS = {"built-in": (245, 247, 252), "Lime": (225, 244, 189), "Vista": (182, 209, 242)}
# from the bottom: "Beenden", the hot key, the list's place, "Über Pendra", the folder, skins
OPEN_SKIN_SUBMENU = ("Up",) * 6 + ("Right",)


def saved_skin(data_file):
    text = data_file.read_text(encoding="utf-8")
    name = re.search(r"<SkinName>(.*?)</SkinName>", text)
    path = re.search(r"<SkinPath>(.*?)</SkinPath>|<SkinPath/>", text)
    return name.group(1) if name else None, (path.group(1) or "") if path else None


class SkinTest(PendraTestCase):
    def setUp(self):
        super().setUp()
        self.session.install_skins(["Vista", "Lime"])
        self.data_file = self.session.appdata / "Pendra" / "Pendra.xml"

    def start(self):
        program = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()
        return program

    def look(self):
        """The look whose top-band colour lies nearest to what the screen shows."""
        window = self.session.main_window()
        shown = self.session.screen_pixel(window.left + TOP_BAND_POINT[0], window.top + TOP_BAND_POINT[1])
        return min(LOOKS, key=lambda look: sum((a - b) ** 2 for a, b in zip(LOOKS[look], shown)))

    def open_menus(self):
        return [w for w in self.session.top_level_windows() if w.class_name == "#32768" and w.visible]

    def choose_in_skin_submenu(self, key):
        window = self.session.main_window()
        red_bar = (window.left + 12, window.top + 100)
        self.session.driver("move", *red_bar)
        self.session.click(*red_bar, button="right")
        self.assertEqual(self.session.driver("find", "--class", "#32768", "--title", "*", "--until", "visible",
                                             "--wait", 5000, check=False)["exit"], 0)
        self.session.keys(*OPEN_SKIN_SUBMENU)
        self.session.keys(key)

    def test_a_first_run_beside_our_skins_takes_lime_and_saves_it(self):
        program = self.start()
        self.assertEqual(self.look(), "Lime")
        self.assertEqual(saved_skin(self.data_file), ("Lime", "C:\\Pendra\\Skins\\"))
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(saved_skin(self.data_file), ("Lime", "C:\\Pendra\\Skins\\"))

    def test_another_skin_from_the_submenu_is_shown_in_place_and_saved(self):
        program = self.start()
        self.choose_in_skin_submenu("v")
        self.assertTrue(self.wait_for_look("Vista"), f"the window looks {self.look()}")
        self.assertTrue(program.running())
        self.assertEqual(self.session.count_main_windows(), 1)
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(saved_skin(self.data_file), ("Vista", "C:\\Pendra\\Skins\\"))

    def test_no_skin_tells_of_the_restart_and_the_new_instance_shows_the_built_in_look(self):
        old = self.start()
        self.choose_in_skin_submenu("k")
        box = self.session.answer_box("Hinweis", wait_ms=10000)
        self.assertEqual(box.text, "Skin wurde abgewählt!\r\nPendra wird jetzt neu gestartet, um diese Einstellung "
                                   "zu übernehmen")
        self.assertEqual(old.wait(15), 0)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.settle()
        self.assertEqual(self.session.count_main_windows(), 1)
        self.assertEqual(self.look(), "built-in")
        self.assertEqual(saved_skin(self.data_file), ("No Skin", " "))

    def test_a_letter_shared_with_kein_skin_only_selects(self):
        skins = self.session.program_folder / "Skins"
        shutil.copytree(skins / "Vista", skins / "Klassik")
        program = self.start()
        self.choose_in_skin_submenu("k")
        self.session.settle()
        self.assertEqual(self.session.message_boxes(wait_ms=1000), [])
        self.assertEqual(len(self.open_menus()), 2, "the menu and its skin submenu stay open")
        self.session.keys("Escape", "Escape")
        self.assertTrue(wait_until(lambda: not self.open_menus()))
        self.assertTrue(program.running())
        self.assertEqual(self.look(), "Lime")
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(saved_skin(self.data_file)[0], "Lime")

    def wait_for_look(self, look, seconds=5):
        return wait_until(lambda: self.look() == look, seconds)


class SavedSkinOnANetworkDriveTest(PendraTestCase):
    """Drive N: is a network drive; asking Windows about a folder there already contacts the computer
    behind it."""

    @classmethod
    def setUpClass(cls):
        cls.session = WineSession(network_drive="N").__enter__()

    def test_a_skin_path_the_data_file_names_on_a_network_drive_is_not_followed(self):
        shutil.copytree(SKINS / "Lime", self.session.network_share / "Skins" / "Lime", dirs_exist_ok=True)
        golden = (REPO / "tests" / "unit" / "fixtures" / "sheet" / "golden.xml").read_bytes()
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(golden.replace(b"<SkinName>No Skin</SkinName>\r\n    <SkinPath/>",
                                             b"<SkinName>Lime</SkinName>\r\n    <SkinPath>N:\\Skins\\</SkinPath>"))
        program = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=10000))
        self.session.settle()
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        self.assertEqual(saved_skin(data_file), ("No Skin", ""))


if __name__ == "__main__":
    unittest.main()
