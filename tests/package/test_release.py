"""The release files of dist/ (scripts/package) as a Windows user meets them: the zip unpacked
anywhere, the installer run silently in a fresh prefix, and its uninstaller."""

import re
import struct
import subprocess
import unittest
import zipfile
from pathlib import Path

from harness import BUILD, REPO, WineSession, wait_until, windows_path

VERSION = re.search(r'PENDRA_VERSION_TEXT "([^"]+)"', (REPO / "src" / "lang" / "Version.h").read_text()).group(1)
ZIP = REPO / "dist" / f"Pendra-{VERSION}-win64.zip"
SETUP = REPO / "dist" / f"Pendra-{VERSION}-setup.exe"
MAKER_HEADER = (REPO / "src" / "lang" / "Maker.h").read_text(encoding="utf-8")
MAKER = re.search(r'PENDRA_MAKER "([^"]+)"', MAKER_HEADER).group(1)
COPYRIGHT_YEAR = re.search(r'PENDRA_COPYRIGHT_YEAR "([^"]+)"', MAKER_HEADER).group(1)
UNINSTALL_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pendra"
RUN_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"


def files_below(folder):
    return {p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file()}


def version_texts(data):
    """The texts of a Windows program's version resource by name: each is a String entry (its
    length, its value's length in characters, type 1, the name, padding to 32 bits, the value)."""
    texts = {}
    for name in ("CompanyName", "LegalCopyright", "ProductName"):
        key = name.encode("utf-16-le") + b"\0\0"
        at = data.find(key)
        while at >= 6:
            length, value_length, kind = struct.unpack_from("<HHH", data, at - 6)
            value = (at + len(key) + 3) // 4 * 4
            if kind == 1 and value_length and value + 2 * value_length <= at - 6 + length:
                texts[name] = data[value:value + 2 * value_length].decode("utf-16-le").rstrip("\0")
                break
            at = data.find(key, at + 2)
    return texts


class MakerTest(unittest.TestCase):
    """Everything a user sees of the release names one maker."""

    def test_the_program_the_installer_and_the_licence_name_one_maker(self):
        notice = f"Copyright © {COPYRIGHT_YEAR} {MAKER}"
        with zipfile.ZipFile(ZIP) as archive:
            program = archive.read("Pendra/Pendra.exe")
            licence = archive.read("Pendra/LICENSE.txt").decode("utf-8-sig")
        for name, made in (("Pendra.exe", program), (SETUP.name, SETUP.read_bytes())):
            with self.subTest(name):
                texts = version_texts(made)
                self.assertEqual(texts.get("ProductName"), "Pendra")
                self.assertEqual(texts.get("CompanyName"), MAKER)
                self.assertEqual(texts.get("LegalCopyright"), notice)
        self.assertIn(f"Copyright (c) {COPYRIGHT_YEAR} {MAKER}\r\n", licence)


class ReleaseTestCase(unittest.TestCase):
    """One fresh Wine session per test class."""

    @classmethod
    def setUpClass(cls):
        for made in (ZIP, SETUP):
            if not made.is_file():
                raise FileNotFoundError(f"{made} is missing: run scripts/package")
        cls.session = WineSession().__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.addCleanup(self.session.end_programs)

    def registry_value(self, key, name):
        """The value's data as `reg query` shows it, or None when there is no such value."""
        done = subprocess.run(["wine", "reg", "query", key, "/v", name], env=self.session.env(), capture_output=True,
                              text=True, errors="replace", timeout=60)
        found = re.search(rf"^\s+{re.escape(name)}\s+REG_\w+\s+(.*?)\s*$", done.stdout, re.MULTILINE | re.IGNORECASE)
        return found.group(1) if done.returncode == 0 and found else None

    def install_silently(self):
        setup = self.session.start_program(windows_path(SETUP), "/S")
        self.assertEqual(setup.wait(120), 0)

    @property
    def install_folder(self):
        return f"C:\\users\\{self.session.user_name}\\AppData\\Local\\Programs\\Pendra"


class ZipTest(ReleaseTestCase):
    def test_the_zip_holds_the_built_program_its_skins_and_texts_in_one_folder(self):
        expected = {"Pendra/", "Pendra/Pendra.exe", "Pendra/README.txt", "Pendra/LICENSE.txt"}
        skins = BUILD / "Skins"
        if skins.is_dir():
            expected |= {"Pendra/Skins/" + p.relative_to(skins).as_posix() + ("/" if p.is_dir() else "")
                         for p in skins.rglob("*")} | {"Pendra/Skins/"}
        with zipfile.ZipFile(ZIP) as archive:
            self.assertEqual(set(archive.namelist()), expected)
            program = archive.read("Pendra/Pendra.exe")
        self.assertEqual(program, (BUILD / "Pendra.exe").read_bytes())
        self.assertNotIn(b".debug_", program)  # stripped: the debug information stays in the build

    def test_unpacked_into_a_fresh_folder_pendra_starts_and_shows_its_window(self):
        folder = self.session.linux_path("C:\\Unpacked")
        with zipfile.ZipFile(ZIP) as archive:
            archive.extractall(folder)

        self.session.start(folder="C:\\Unpacked\\Pendra")

        window = self.session.main_window(until="visible", wait_ms=20000)
        self.assertIsNotNone(window, "Pendra showed no window")
        self.assertEqual(self.session.message_boxes(), [])


class InstallTest(ReleaseTestCase):
    def test_silent_install_then_silent_uninstall_of_a_running_pendra_keeps_the_list(self):
        self.install_silently()

        folder = self.session.linux_path(self.install_folder)
        with zipfile.ZipFile(ZIP) as archive:
            released = {name.removeprefix("Pendra/") for name in archive.namelist() if not name.endswith("/")}
        self.assertEqual(files_below(folder), released | {"Uninstall.exe"})
        self.assertEqual((folder / "Pendra.exe").read_bytes(), (BUILD / "Pendra.exe").read_bytes())
        shortcut = self.session.appdata / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Pendra.lnk"
        self.assertIn("Pendra.exe".encode("utf-16-le"), shortcut.read_bytes())
        self.assertEqual(self.registry_value(UNINSTALL_KEY, "DisplayName"), "Pendra")
        self.assertEqual(self.registry_value(UNINSTALL_KEY, "DisplayVersion"), VERSION)
        self.assertEqual(self.registry_value(UNINSTALL_KEY, "Publisher"), MAKER)
        self.assertEqual(self.registry_value(UNINSTALL_KEY, "DisplayIcon"), f"{self.install_folder}\\Pendra.exe,0")
        self.assertEqual(self.registry_value(UNINSTALL_KEY, "UninstallString"),
                         f'"{self.install_folder}\\Uninstall.exe"')
        self.assertGreater(int(self.registry_value(UNINSTALL_KEY, "EstimatedSize"), 16), 0)
        run_entry = self.registry_value(RUN_KEY, "Pendra")
        self.assertEqual(run_entry, f'"{self.install_folder}\\Pendra.exe" -m')

        # What Windows runs at logon: the installed Pendra, hidden, keeping its list per user.
        program = self.session.start_program(*re.fullmatch(r'"([^"]+)" (.*)', run_entry).groups())
        self.assertIsNotNone(self.session.main_window(until="hidden", wait_ms=20000))
        self.session.settle()
        data_file = self.session.appdata / "Pendra" / "Pendra.xml"
        written = data_file.read_bytes()
        self.assertFalse((folder / "Pendra.xml").exists())

        own_skin = folder / "Skins" / "Mine" / "Top.jpg"
        own_skin.parent.mkdir(parents=True)
        own_skin.write_bytes(b"a skin of the user's own")

        self.session.start_program(f"{self.install_folder}\\Uninstall.exe", "/S")
        self.assertEqual(program.wait(30), 0)  # closed the normal way, not killed
        # The uninstaller runs on from a copy of itself in the temporary folder.
        self.assertTrue(wait_until(lambda: files_below(folder) == {"Skins/Mine/Top.jpg"}, 60), files_below(folder))
        self.assertTrue(wait_until(lambda: self.registry_value(UNINSTALL_KEY, "DisplayName") is None, 30))
        self.assertIsNone(self.registry_value(RUN_KEY, "Pendra"))
        self.assertFalse(shortcut.exists())
        self.assertEqual(data_file.read_bytes(), written)


class UpgradeTest(ReleaseTestCase):
    def test_installing_over_a_running_pendra_closes_it_the_normal_way_and_starts_the_new_one_alike(self):
        self.install_silently()
        for args, until in [((), "visible"), (("-m",), "hidden")]:
            with self.subTest(args=args):
                old = self.session.start_program(f"{self.install_folder}\\Pendra.exe", *args)
                self.assertIsNotNone(self.session.main_window(until=until, wait_ms=20000))
                self.session.settle()

                self.install_silently()

                self.assertEqual(old.wait(30), 0)  # a closed window ends with 0, a killed process not
                self.assertTrue(wait_until(lambda: self.session.count_main_windows() == 1, 20),
                                "the new Pendra did not start")
                self.assertIsNotNone(self.session.main_window(until=until))
                self.session.end_programs()

    def test_an_update_of_an_installation_without_start_with_windows_adds_none(self):
        self.install_silently()
        subprocess.run(["wine", "reg", "delete", RUN_KEY, "/v", "Pendra", "/f"], env=self.session.env(),
                       capture_output=True, check=True, timeout=60)

        self.install_silently()

        self.assertIsNone(self.registry_value(RUN_KEY, "Pendra"))

    def test_a_pendra_running_from_elsewhere_is_left_alone(self):
        self.session.install()
        other = self.session.start()
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=20000))
        self.session.settle()

        self.install_silently()

        self.assertTrue(other.running())
        self.assertEqual(self.session.count_main_windows(), 1)


if __name__ == "__main__":
    unittest.main()
