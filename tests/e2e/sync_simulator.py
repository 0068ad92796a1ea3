"""A file synchronisation client between two PCs' data folders, simulated: it is not the product but
what runs beside it, as a cloud folder's client would.

A thread looks at `Pendra.xml` in both folders every 50 ms (its stat, then its bytes). A version
that one side wrote is copied to the other side after a delay (`delay`, seconds, drawn anew each
time), in one of the ways such clients write a file:

- "rename": into a temporary file of the folder, then renamed over the data file;
- "recreate": the data file deleted, then a new one created and written a moment later;
- "chunks": the data file written in place, in a few chunks with short pauses between them.

When the other side changed its own file too before the copy reached it, that side's version is
renamed to a conflict copy as such clients name them ("Pendra (PC2's conflicted copy
2026-12-10).xml"), the copy goes to both sides, and the data file takes the version that came first.
Every copy and conflict is written into `log` with its time, so that a failing test can tell the
order of events.
"""

import datetime
import os
import random
import threading
import time
from dataclasses import dataclass, field
from pathlib import Path

DATA_FILE = "Pendra.xml"
WAYS = ("rename", "recreate", "chunks")
LOOK_S = 0.05


@dataclass
class Side:
    name: str
    folder: Path
    stat: tuple = None  # the data file's stat as last looked at
    written_at: float = None  # the file time of the change waiting to be copied
    synced: bytes = None  # what this side and the other agreed on last (None: not yet known)
    changed_at: float = None  # when a local change not yet copied was first seen
    due_at: float = None  # when that change is copied

    @property
    def data_file(self):
        return self.folder / DATA_FILE


@dataclass
class Event:
    at: float
    what: str

    def __str__(self):
        return f"{self.at:9.3f} {self.what}"


@dataclass
class Copy:
    """One version copied: when its side wrote it (the file's time) and when the copy was complete,
    both in seconds since 1970 (the clock of time.time())."""

    source: str
    target: str
    way: str
    written_at: float
    done_at: float


@dataclass
class Counts:
    copies: dict = field(default_factory=lambda: {way: 0 for way in WAYS})
    conflicts: int = 0


def _stat(path):
    try:
        st = path.stat()
    except FileNotFoundError:
        return None
    return st.st_ino, st.st_size, st.st_mtime_ns


def _read(path):
    try:
        return path.read_bytes()
    except FileNotFoundError:
        return None


class SyncSimulator:
    """Two data folders kept in step; use it as a context manager (the thread runs inside it)."""

    def __init__(self, folders, names=("PC1", "PC2"), delay=(0.3, 1.0), ways=WAYS, seed=None):
        self.sides = [Side(name, Path(folder)) for name, folder in zip(names, folders)]
        self.delay = delay
        self.ways = ways
        self.random = random.Random(seed)
        self.counts = Counts()
        self.log = []
        self.copies = []
        self.versions = []  # (moment, side's name, bytes) of every version seen, for a failure's story
        self.started = time.monotonic()
        self.last_activity = self.started
        self._lock = threading.Lock()
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._run, name="sync", daemon=True)
        self._failure = None
        self._held = False

    def __enter__(self):
        for side in self.sides:
            side.stat = _stat(side.data_file)
            side.synced = _read(side.data_file)
        self._thread.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def stop(self):
        self._stop.set()
        if self._thread.is_alive():
            self._thread.join(10)

    # ----- what the tests ask

    def quiet(self, seconds):
        """Whether nothing changed nor waits to be copied for that long."""
        with self._lock:
            self._raise_failure()
            waiting = any(side.changed_at is not None for side in self.sides)
            return not waiting and time.monotonic() - self.last_activity >= seconds

    def wait_quiet(self, seconds=4.0, timeout=120.0):
        """Waits until quiet() for `seconds`; False when that did not come within `timeout`."""
        deadline = time.monotonic() + timeout
        while not self.quiet(seconds):
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)
        return True

    def hold(self):
        """Copies nothing until release(): as a client that lost its connection for a while."""
        with self._lock:
            self._held = True

    def release(self):
        """Copies what waited at once."""
        with self._lock:
            self._held = False
            for side in self.sides:
                if side.due_at is not None:
                    side.due_at = time.monotonic()

    def conflict_copies(self):
        """The conflict copies this simulator made, as paths on every side."""
        return sorted(p for side in self.sides for p in side.folder.glob("Pendra (*conflicted copy*).xml"))

    def events(self):
        with self._lock:
            return "\n".join(map(str, self.log))

    def save_story(self, folder):
        """Writes every version seen and both folders as they are now into the folder."""
        with self._lock:
            folder = Path(folder)
            for number, (moment, name, content) in enumerate(self.versions):
                (folder / f"seen-{number:03d}-{moment:07.3f}-{name}.xml").write_bytes(content)
            for side in self.sides:
                for path in side.folder.glob("*.xml"):
                    (folder / f"end-{side.name}-{path.name}").write_bytes(path.read_bytes())
            (folder / "events.txt").write_text("\n".join(map(str, self.log)) + "\n")

    # ----- the thread

    def _note(self, what):
        self.log.append(Event(time.monotonic() - self.started, what))
        self.last_activity = time.monotonic()

    def _raise_failure(self):
        if self._failure:
            raise RuntimeError("the sync simulator failed") from self._failure

    def _run(self):
        try:
            while not self._stop.wait(LOOK_S):
                with self._lock:
                    self._look()
                    for i, side in enumerate(self.sides if not self._held else ()):
                        if side.due_at is not None and time.monotonic() >= side.due_at:
                            self._copy(side, self.sides[1 - i])
        except BaseException as failure:  # noqa: BLE001 - told to the test through quiet()
            self._failure = failure

    def _look(self):
        for side in self.sides:
            stat = _stat(side.data_file)
            if stat == side.stat:
                continue
            side.stat = stat
            content = _read(side.data_file)
            if content is None or content == side.synced:
                continue
            self.versions.append((time.monotonic() - self.started, side.name, content))
            self.last_activity = time.monotonic()
            if side.changed_at is None:
                side.written_at = stat[2] / 1e9
                side.changed_at = time.monotonic()
                side.due_at = side.changed_at + self.random.uniform(*self.delay)
                self._note(f"{side.name} wrote a new version ({len(content)} bytes)")

    def _copy(self, source, target):
        content = _read(source.data_file)
        source.changed_at = source.due_at = None
        if content is None:
            return
        if target.changed_at is not None or _read(target.data_file) not in (target.synced, None):
            self._keep_conflict(target)
        way = self.random.choice(self.ways)
        self._note(f"{source.name} -> {target.name} by {way}")
        getattr(self, "_write_by_" + way)(target, content)
        self.counts.copies[way] += 1
        self.copies.append(Copy(source.name, target.name, way, source.written_at, time.time()))
        source.synced = target.synced = content
        # Looked at again: what changed meanwhile (a save during the copy) differs from `synced`.
        source.stat = target.stat = None
        target.changed_at = target.due_at = None

    def _keep_conflict(self, side):
        """Renames the side's own version to a conflict copy and puts the copy on the other side too."""
        content = _read(side.data_file)
        if content is None:
            return
        day = datetime.date.today().isoformat()
        name = f"Pendra ({side.name}'s conflicted copy {day}).xml"
        number = 1
        while any((s.folder / name).exists() for s in self.sides):
            number += 1
            name = f"Pendra ({side.name}'s conflicted copy {day}) ({number}).xml"
        os.replace(side.data_file, side.folder / name)
        for other in self.sides:
            if other is not side:
                (other.folder / name).write_bytes(content)
        self.counts.conflicts += 1
        self._note(f"{side.name} changed too: its version kept as {name!r}")

    # ----- the ways of writing a file

    def _write_by_rename(self, side, content):
        temporary = side.folder / f".{DATA_FILE}.sync-{os.getpid()}.tmp"
        temporary.write_bytes(content)
        os.replace(temporary, side.data_file)

    def _write_by_recreate(self, side, content):
        side.data_file.unlink(missing_ok=True)
        time.sleep(self.random.uniform(0.02, 0.15))
        try:
            with open(side.data_file, "xb") as file:
                file.write(content)
        except FileExistsError:
            # The program saved in between: its version is a conflict like any other.
            self._keep_conflict(side)
            side.data_file.write_bytes(content)

    def _write_by_chunks(self, side, content):
        parts = self.random.randint(2, 5)
        step = -(-len(content) // parts)
        with open(side.data_file, "r+b" if side.data_file.exists() else "wb") as file:
            file.truncate(0)
            for start in range(0, len(content), step):
                file.write(content[start:start + step])
                file.flush()
                time.sleep(self.random.uniform(0.01, 0.06))
