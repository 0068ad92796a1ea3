"""Two PCs that share one list: each a Wine session of its own (prefix and display) running Pendra with
its data file beside it, for the tests of test_two_pcs.py and bench/sync.py. The PCs start from the
same list; only their windows stand at different places, as each PC's user put it."""

import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass

from harness import WineSession

TOP, HEIGHT = 100, 600  # each PC's window; tall enough to show the rows the soak makes
LEFTS = (300, 420)  # each PC keeps its window where its user put it
WIDTHS = (50, 210, 45)  # fill the grid exactly, so the columns keep them
GRID = 31  # the grid's cells begin 31 pixels into the window
PITCH = 25  # a row at 120 dpi and its line
PLUS_ROW, MINUS_ROW = (370 // 2 - 7, HEIGHT - 31), (370 // 2 + 4, HEIGHT - 31)  # in the window
ROWS = [("1", "Steuer", "2h"), ("2", "Garten", ""), ("", "", ""), ("", "", "")]

def list_file(left, rows=ROWS):
    """The data file the PCs start from; only the window's place differs between them."""
    def text(t):
        return f"<Text>{t}</Text>" if t else "<Text/>"

    header = "".join(f"<Column><ColumnCaption>{c}</ColumnCaption><ColumnWidth>{w}</ColumnWidth>"
                     f"<ColumnAlignment>LEFT</ColumnAlignment></Column>"
                     for c, w in zip(("Prio", "Aufgabe", "Zeit"), WIDTHS))
    content = "".join("<Column>" + "".join(text(t) for t in row) + "</Column>" for row in rows)
    return (f'<?xml version="1.0" encoding="utf-8"?><VeVuVizo><WindowPosition><Left>{left}</Left>'
            f"<Top>{TOP}</Top><Width>370</Width><Height>{HEIGHT}</Height></WindowPosition><ColumnInfo>"
            f"<RowCount>{len(rows)}</RowCount><ColumnCount>3</ColumnCount><HeaderTextBold>FALSE</HeaderTextBold>"
            f"<DrawGridLines>TRUE</DrawGridLines></ColumnInfo><Skin><SkinName>No Skin</SkinName><SkinPath/></Skin>"
            f"<ColumnHeader>{header}</ColumnHeader><ToDoContent>{content}</ToDoContent></VeVuVizo>").encode("utf-8")


@dataclass(frozen=True)
class SheetContent:
    """What the two PCs must agree on: the captions and the task rows (blank texts as empty ones,
    since an empty cell of a file loads as a blank)."""

    captions: tuple
    rows: tuple

    @classmethod
    def parse(cls, data):
        root = ElementTree.fromstring(data)
        return cls(captions=tuple((c.findtext("ColumnCaption") or "").strip(" ") for c in root.find("ColumnHeader")),
                   rows=tuple(tuple((t.text or "").strip(" ") for t in row) for row in root.find("ToDoContent")))

    @classmethod
    def read(cls, path):
        return cls.parse(path.read_bytes())

    @classmethod
    def read_if_whole(cls, path):
        """The sheet, or None while the file is missing or being written."""
        try:
            return cls.read(path)
        except (OSError, ElementTree.ParseError):
            return None

    def holds(self, text, col, row):
        return row < len(self.rows) and text in self.rows[row][col]

    def texts(self):
        return " ".join(self.captions + tuple(t for row in self.rows for t in row))

    def show(self):
        return "\n".join(" | ".join(row) for row in (self.captions,) + self.rows)


class PC:
    """One PC: its Wine session and its running Pendra."""

    def __init__(self, name, session, left):
        self.name, self.session, self.left = name, session, left
        self.program = None

    @property
    def folder(self):
        return self.session.program_folder

    @property
    def data_file(self):
        return self.folder / "Pendra.xml"

    def start(self, rows=ROWS):
        self.session.install()
        self.data_file.write_bytes(list_file(self.left, rows))
        self.program = self.session.start("-p")
        window = self.session.main_window(until="visible", wait_ms=15000)
        if window is None:
            raise AssertionError(f"{self.name}: no window")
        self.session.dismiss_boxes()
        self.session.settle()

    def at(self, x, y):
        return self.left + x, TOP + y

    def cell(self, col, row):
        """The screen point in the middle of a cell of the top rows."""
        return self.at(GRID + sum(WIDTHS[:col]) + col + WIDTHS[col] // 2, GRID + row * PITCH + PITCH // 2)

    def go_to(self, col, row):
        """Makes the cell current by keys: the first task cell, then down and right."""
        self.session.keys("ctrl+Home", *["Down"] * (row - 1), *["Right"] * col)

    def append(self, col, row, text):
        """Adds the text at the end of a cell's text, as a user does who opens its editor."""
        self.go_to(col, row)
        self.session.keys("F2", "End")
        self.session.type_text(text + "\n")

    def shown_text(self, col, row):
        """The cell's text as the window holds it: the cell copied to the clipboard."""
        self.session.driver("clip-clear")
        self.go_to(col, row)
        self.session.keys("ctrl+c")
        return self.session.clipboard_text() or ""

    def add_row_by_button(self):
        self.session.click(*self.at(*PLUS_ROW))

    def add_row_by_menu(self):
        self.session.click(*self.cell(1, 1), button="right")
        if self.session.driver("find", "--class", "#32768", "--title", "*", "--until", "visible", "--wait", 5000,
                               check=False)["exit"] == 0:
            self.session.keys("n")  # "&Neue Zeile hinzufügen"

    def delete_last_row(self):
        """Removes the last row; when it has text after all, the question is answered No."""
        self.session.click(*self.at(*MINUS_ROW))
        for box in self.session.message_boxes(wait_ms=300):
            self.session.answer_box(box.title, "no")

    def kept_files(self):
        return sorted(p for p in self.folder.iterdir() if p.name.startswith("Pendra~conflict~"))

    def merged_copies(self):
        """The sync's conflicted copies that Pendra took in and put away."""
        folder = self.folder / "Pendra~merged"
        return sorted(folder.iterdir()) if folder.is_dir() else []

    def close(self):
        self.session.close_main_window()
        code = self.program.wait(20)
        self.program = None
        return code


def open_pcs(program=None):
    """Both PCs' sessions, ready for Pendra to start (the given Pendra.exe, or the built one)."""
    pcs = []
    try:
        for name, left in zip(("PC1", "PC2"), LEFTS):
            session = WineSession(program) if program else WineSession()
            pcs.append(PC(name, session.__enter__(), left))
    except BaseException:
        close_pcs(pcs)
        raise
    return pcs


def close_pcs(pcs):
    for pc in pcs:
        pc.session.close()
