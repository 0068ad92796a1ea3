"""Where Pendra keeps its list and how the file survives a start and a close."""

import os
import stat
import unittest

from harness import PendraTestCase

BOM = b"\xef\xbb\xbf"


def sheet_file(rows, captions=("Prio", "Aufgabe", "Zeit"), left=300, top=200):
    """A data file as a person might write it by hand: UTF-8 without indentation."""
    header = "".join(f"<Column><ColumnCaption>{c}</ColumnCaption><ColumnWidth>80</ColumnWidth>"
                     f"<ColumnAlignment>LEFT</ColumnAlignment></Column>" for c in captions)
    content = "".join("<Column>" + "".join(f"<Text>{t}</Text>" if t else "<Text/>" for t in row) + "</Column>"
                      for row in rows)
    return (f'<?xml version="1.0" encoding="utf-8"?><VeVuVizo>'
            f"<WindowPosition><Left>{left}</Left><Top>{top}</Top><Width>370</Width><Height>211</Height>"
            f"</WindowPosition><ColumnInfo><RowCount>{len(rows)}</RowCount><ColumnCount>{len(captions)}"
            f"</ColumnCount><HeaderTextBold>FALSE</HeaderTextBold><DrawGridLines>TRUE</DrawGridLines></ColumnInfo>"
            f"<Skin><SkinName>No Skin</SkinName><SkinPath/></Skin><ColumnHeader>{header}</ColumnHeader>"
            f"<ToDoContent>{content}</ToDoContent></VeVuVizo>").encode("utf-8")


class DataFileTest(PendraTestCase):
    def per_user_file(self):
        return self.session.appdata / "Pendra" / "Pendra.xml"

    def start_and_close(self, *args):
        program = self.session.start(*args)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.dismiss_boxes()
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)

    def test_first_start_writes_the_first_sheet_into_the_per_user_folder(self):
        self.start_and_close()
        data = self.per_user_file().read_bytes()
        self.assertTrue(data.startswith(BOM + b'<?xml version="1.0" encoding="utf-8" standalone="no"?>\r\n'))
        for line in (b"    <Left>1510</Left>", b"    <Top>434</Top>", b"    <Width>370</Width>",
                     b"    <Height>211</Height>", b"    <RowCount>5</RowCount>",
                     b"      <ColumnCaption>Aufgabe</ColumnCaption>",
                     b"      <Text>...Klicken f&#xFC;r neue Aufgabe</Text>"):
            self.assertIn(b"\r\n" + line + b"\r\n", data)
        self.assertEqual(sorted(p.name for p in self.session.program_folder.iterdir()), ["Pendra.exe"])

    def test_portable_switch_keeps_the_file_beside_the_executable(self):
        self.start_and_close("-p")
        self.assertTrue((self.session.program_folder / "Pendra.xml").exists())
        self.assertFalse((self.session.appdata / "Pendra").exists())

    def test_legacy_file_is_taken_over_and_renamed(self):
        folder = self.session.program_folder
        (folder / "VeVuVizo.xml").write_bytes(sheet_file([("Alt", "aus dem alten Programm", "")]))
        self.start_and_close()
        self.assertFalse((folder / "VeVuVizo.xml").exists())
        self.assertTrue((folder / "~deprecated~VeVuVizo.xml").exists())
        data = self.per_user_file().read_bytes()
        self.assertIn(b"<Text>aus dem alten Programm</Text>", data)

    def test_read_only_data_file_is_saved(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(sheet_file([("a", "b", "c")]))
        os.chmod(data_file, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.start_and_close()
        self.assertTrue(data_file.read_bytes().startswith(BOM))
        self.assertTrue(os.stat(data_file).st_mode & stat.S_IWUSR)
        self.assertEqual(sorted(p.name for p in self.session.program_folder.iterdir()), ["Pendra.exe", "Pendra.xml"])

    def test_unreadable_file_is_reported_kept_and_replaced_by_the_defaults_at_close(self):
        data_file = self.session.program_folder / "Pendra.xml"
        data_file.write_bytes(b"<VeVuVizo><WindowPosition><Left>1</Top>")
        program = self.session.start()
        box = self.session.answer_box("Ausnahmefehler", wait_ms=15000)
        self.assertTrue(box.text.startswith('Exception in "XMLloadToDoList" \r\n'), box.text)
        self.session.answer_box("Hinweis", wait_ms=15000)
        self.assertIsNotNone(self.session.main_window(until="visible", wait_ms=15000))
        self.session.close_main_window()
        self.assertEqual(program.wait(15), 0)
        data = data_file.read_bytes()
        self.assertIn(b"<RowCount>5</RowCount>", data)
        self.assertIn(b"<ColumnCount>3</ColumnCount>", data)
        self.assertIn(b"<ColumnCaption/>", data)

    def test_umlauts_ampersands_and_quotes_survive_a_start_and_a_close(self):
        data_file = self.session.program_folder / "Pendra.xml"
        rows = [("Müll", "Tom &amp; Jerry &quot;quoted&quot; &apos;x&apos;", "€ 5"), ("", "&lt;tag&gt;", "ß")]
        data_file.write_bytes(sheet_file(rows))
        self.start_and_close()
        data = data_file.read_bytes()
        for text in (b"<Text>M&#xFC;ll</Text>", b"<Text>Tom &amp; Jerry &quot;quoted&quot; &apos;x&apos;</Text>",
                     b"<Text>&#x20AC; 5</Text>", b"<Text> </Text>", b"<Text>&lt;tag&gt;</Text>",
                     b"<Text>&#xDF;</Text>", b"<Left>300</Left>", b"<Top>200</Top>"):
            self.assertIn(text, data)

    def test_a_long_list_survives_a_start_and_a_close(self):
        data_file = self.session.program_folder / "Pendra.xml"
        rows = [(str(n % 3 + 1), f"Aufgabe Nummer {n} &amp; Müll", "10min") for n in range(4000)]
        data_file.write_bytes(sheet_file(rows))
        self.assertGreater(data_file.stat().st_size, 256 * 1024)
        self.start_and_close()
        data = data_file.read_bytes()
        self.assertEqual(data.count(b"<Text>Aufgabe Nummer "), 4000)
        for text in (b"<Text>Aufgabe Nummer 0 &amp; M&#xFC;ll</Text>",
                     b"<Text>Aufgabe Nummer 3999 &amp; M&#xFC;ll</Text>", b"<RowCount>4000</RowCount>"):
            self.assertIn(text, data)


if __name__ == "__main__":
    unittest.main()
