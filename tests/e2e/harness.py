"""Runs the real Pendra.exe under Wine on a private Xvfb and observes it like a user would.

`WineSession` is a context manager: it copies the pristine test prefix, starts its own Xvfb and a
persistent wineserver, installs Pendra.exe into C:\\Pendra\\ and the driver beside it in
C:\\PendraDriver\\, and on exit stops everything it started (the programs, `wineserver -k`, Xvfb) and
removes the prefix, also when a test failed. `PendraTestCase` gives each test class one session and
each test a clean program folder and data folder.

The harness makes its Python process a child subreaper, so that processes which Wine detaches (its
services, a program started by another program) stay its descendants: it can end exactly those and
reap them. It never looks at processes by name outside its own tree.
"""

import atexit
import ctypes
import glob
import os
import pwd
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import weakref
import zlib
from dataclasses import dataclass
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
BUILD = REPO / "build" / "win64"
PROGRAM = BUILD / "Pendra.exe"
SKINS = BUILD / "Skins"
DRIVER = BUILD / "PendraDriver.exe"
PROGRAM_FOLDER = "C:\\Pendra"
DRIVER_EXE = "C:\\PendraDriver\\PendraDriver.exe"
MENU_PROBE = BUILD / "MenuProbe.dll"  # the driver's hook for reading the popup menu, beside it
SCREEN = (1920, 1080)

# Extended window styles the tests look at.
WS_EX_TOOLWINDOW = 0x00000080
WS_EX_APPWINDOW = 0x00040000


def wait_until(condition, seconds=5):
    """Whether the condition came true within the time, asked every 50 ms."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


class HarnessError(Exception):
    """The harness could not do what was asked (as opposed to the program behaving wrongly)."""


def pristine_prefix():
    """The Wine prefix made by scripts/make-wine-prefix, as scripts/env.sh names it."""
    if os.environ.get("PENDRA_WINE_PRISTINE"):
        return Path(os.environ["PENDRA_WINE_PRISTINE"])
    cache = os.environ.get("PENDRA_CACHE") or Path(os.environ.get("XDG_CACHE_HOME", Path.home() / ".cache")) / "pendra"
    return Path(cache) / "wineprefix"


def unescape(value):
    """Reverses the driver's escaping of backslash, CR, LF and tab."""
    out, i = [], 0
    while i < len(value):
        c = value[i]
        if c == "\\" and i + 1 < len(value):
            i += 1
            c = {"r": "\r", "n": "\n", "t": "\t"}.get(value[i], value[i])
        out.append(c)
        i += 1
    return "".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t")


# ---------------------------------------------------------------- processes of this Python process


_libc = ctypes.CDLL(None, use_errno=True)


def _become_subreaper():
    pr_set_child_subreaper = 36
    _libc.prctl(pr_set_child_subreaper, 1, 0, 0, 0)


def _signal_on_parent_death(signal_number):
    """Returns what a child runs before exec so that the kernel signals it when this process dies."""
    pr_set_pdeathsig = 1
    return lambda: _libc.prctl(pr_set_pdeathsig, signal_number, 0, 0, 0)


# Sessions still open when the interpreter ends (an interrupted run) are closed then; SIGTERM, as a
# CI time-out sends it, ends the interpreter the same orderly way.
_open_sessions = weakref.WeakSet()
atexit.register(lambda: [session.close() for session in list(_open_sessions)])
if signal.getsignal(signal.SIGTERM) == signal.SIG_DFL:
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))


def _parent_and_state(pid):
    try:
        stat = Path(f"/proc/{pid}/stat").read_text()
    except OSError:
        return None, None
    fields = stat[stat.rindex(")") + 2:].split()
    return int(fields[1]), fields[0]


def _descendants():
    """PIDs of all living or zombie descendants of this process."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            parent, _ = _parent_and_state(entry)
            if parent is not None:
                children.setdefault(parent, []).append(int(entry))
    found, todo = [], [os.getpid()]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def _command_line(pid):
    try:
        return Path(f"/proc/{pid}/cmdline").read_bytes().decode(errors="replace").split("\0")
    except OSError:
        return []


def _environment(pid):
    try:
        return Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
    except OSError:
        return []


def _alive(pid):
    return _parent_and_state(pid)[1] not in (None, "Z")


def _reap_orphans(keep):
    """Collects the exit status of zombie children that no Popen object waits for."""
    for pid in _descendants():
        parent, state = _parent_and_state(pid)
        if parent == os.getpid() and state == "Z" and pid not in keep:
            try:
                os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                pass


# ---------------------------------------------------------------------------------- observed things


@dataclass
class WindowInfo:
    """A top-level window as the driver reports it."""

    class_name: str
    title: str
    left: int
    top: int
    width: int
    height: int
    client_width: int
    client_height: int
    style: int
    exstyle: int
    visible: bool
    iconic: bool
    topmost: bool
    foreground: bool
    zindex: int
    above: list

    @classmethod
    def from_report(cls, r):
        return cls(
            class_name=r["class"], title=r["title"], left=int(r["left"]), top=int(r["top"]),
            width=int(r["width"]), height=int(r["height"]), client_width=int(r["client_width"]),
            client_height=int(r["client_height"]), style=int(r["style"], 16), exstyle=int(r["exstyle"], 16),
            visible=r["visible"] == "1", iconic=r["iconic"] == "1", topmost=r["topmost"] == "1",
            foreground=r["foreground"] == "1", zindex=int(r["zindex"]),
            above=[c for c in r["above"].split("|") if c])


@dataclass
class MessageBox:
    title: str
    text: str
    buttons: dict  # command id -> caption

    @classmethod
    def from_report(cls, r, prefix):
        buttons = {}
        for part in filter(None, r[prefix + "buttons"].split("|")):
            number, caption = part.split(":", 1)
            buttons[int(number)] = caption
        return cls(title=r[prefix + "title"], text=r[prefix + "text"], buttons=buttons)


class Screenshot:
    """The whole X screen as RGB bytes."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    @classmethod
    def from_ppm(cls, data):
        # Binary PPM: "P6", width, height, maximum value, one whitespace, then the pixels.
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise HarnessError("unexpected screenshot format")
        width, height = int(fields[1]), int(fields[2])
        return cls(width, height, data[pos + 1:pos + 1 + width * height * 3])

    def pixel(self, x, y):
        """(red, green, blue) of the pixel at screen coordinates x, y."""
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def save(self, path):
        """Writes the screenshot as a PNG file."""
        stride = self.width * 3
        raw = b"".join(b"\0" + self.rgb[y * stride:(y + 1) * stride] for y in range(self.height))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6))
                               + chunk(b"IEND", b""))


class Program:
    """A Windows program started by the session; its Linux PID is the Windows process itself."""

    def __init__(self, popen):
        self._popen = popen
        self.pid = popen.pid

    def wait(self, timeout=10.0):
        """The exit code; TimeoutError when the program is still running after `timeout` seconds."""
        try:
            return self._popen.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"program {self.pid} still running after {timeout} s") from None

    def running(self):
        return self._popen.poll() is None

    def kill(self):
        if self.running():
            self._popen.kill()
        self._popen.wait(10)


# ---------------------------------------------------------------------------------------- session

SESSION_PREFIX = "pendra-e2e-"


def _remove_abandoned_sessions():
    """Removes the folders of sessions whose process was killed before it could clean up."""
    for folder in Path(tempfile.gettempdir()).glob(SESSION_PREFIX + "*"):
        try:
            owner = int((folder / "owner").read_text())
        except (OSError, ValueError):
            continue
        if not Path(f"/proc/{owner}").exists():
            shutil.rmtree(folder, ignore_errors=True)


class WineSession:
    """A fresh Wine prefix on a private Xvfb with Pendra.exe installed in C:\\Pendra\\."""

    def __init__(self, program=PROGRAM, dpi=None, network_drive=None):
        self.program = Path(program)
        self.dpi = dpi
        self.network_drive = network_drive
        self.prefix = None
        self.display = None
        self._xvfb = None
        self._wineserver = None
        self._programs = []
        self._work = None
        self._driver_runs = 0

    # ----- life cycle

    def __enter__(self):
        try:
            self.open()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def open(self):
        for needed in (self.program, DRIVER, MENU_PROBE):
            if not needed.is_file():
                raise HarnessError(f"{needed} is missing: build the win64 tree first (scripts/build)")
        pristine = pristine_prefix()
        if not (pristine / ".pendra-ready").is_file():
            raise HarnessError(f"no test prefix at {pristine}: run scripts/setup")
        _become_subreaper()
        _open_sessions.add(self)
        _remove_abandoned_sessions()
        self._work = Path(tempfile.mkdtemp(prefix=SESSION_PREFIX))
        (self._work / "owner").write_text(str(os.getpid()))
        self.prefix = self._work / "prefix"
        subprocess.run(["cp", "-a", str(pristine), str(self.prefix)], check=True)
        if self.dpi:
            self._set_dpi(self.dpi)
        if self.network_drive:
            self._map_network_drive(self.network_drive)
        self._start_xvfb()
        self._start_wineserver()
        self._copy_into(DRIVER, DRIVER_EXE)
        self._copy_into(MENU_PROBE, DRIVER_EXE.rpartition("\\")[0] + "\\MenuProbe.dll")
        self.install()
        self.driver("count")  # starts Wine's desktop and services, so the first test does not wait for them

    def _set_dpi(self, dpi):
        """The display's scaling of the prefix (the test prefix has 120 dpi), before Wine starts."""
        registry = self.prefix / "user.reg"
        text = registry.read_text(encoding="utf-8", errors="surrogateescape")
        text = re.sub(r'"LogPixels"=dword:[0-9a-f]{8}', f'"LogPixels"=dword:{dpi:08x}', text)
        registry.write_text(text, encoding="utf-8", errors="surrogateescape")

    def _map_network_drive(self, letter):
        """Gives the drive letter the folder `network_share` as a drive Windows reports as a network drive
        (DRIVE_REMOTE), as a mapped share would be, before Wine starts."""
        self.network_share.mkdir()
        (self.prefix / "dosdevices" / f"{letter.lower()}:").symlink_to(self.network_share)
        with open(self.prefix / "system.reg", "a", encoding="utf-8") as registry:
            registry.write(f'\n[Software\\\\Wine\\\\Drives] 1700000000\n"{letter.lower()}:"="network"\n')

    @property
    def network_share(self):
        """The Linux folder behind the session's network drive."""
        return self._work / "share"

    def close(self):
        """Ends everything the session started and removes its files; safe to call more than once."""
        try:
            self.end_programs()
        finally:
            self._stop_wineserver()
            self._stop_xvfb()
            _reap_orphans(keep=set())
            if self._work:
                shutil.rmtree(self._work, ignore_errors=True)
                self._work = None
            _open_sessions.discard(self)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        try:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                preexec_fn=_signal_on_parent_death(signal.SIGKILL))
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + 20
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
                chunk = os.read(read_end, 16) if ready else b""
                if not chunk:
                    raise HarnessError("Xvfb did not start")
                number += chunk
            self.display = ":" + number.decode().strip()
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def _stop_xvfb(self):
        if self._xvfb:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
                self._xvfb.wait()
            self._xvfb = None

    def _server_sockets(self):
        st = os.stat(self.prefix)
        name = f"server-{st.st_dev:x}-{st.st_ino:x}"
        return glob.glob(f"/tmp/.wine-{os.getuid()}/{name}") + glob.glob(f"/tmp/wine-*/{name}")

    def _start_wineserver(self):
        # On SIGINT wineserver ends all Wine processes of the prefix; after a SIGKILL they would hang on.
        self._wineserver = subprocess.Popen(["wineserver", "-f", "-p"], env=self.env(),
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                            preexec_fn=_signal_on_parent_death(signal.SIGINT))
        deadline = time.monotonic() + 20
        while not any(Path(d, "socket").exists() for d in self._server_sockets()):
            if self._wineserver.poll() is not None or time.monotonic() > deadline:
                raise HarnessError("wineserver did not start")
            time.sleep(0.02)

    def _server_running(self):
        return self._wineserver is not None and self._wineserver.poll() is None

    def _stop_wineserver(self):
        if not self._wineserver:
            return
        if self._server_running():
            subprocess.run(["wineserver", "-k"], env=self.env(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
        try:
            self._wineserver.wait(20)
        except subprocess.TimeoutExpired:
            self._wineserver.kill()
            self._wineserver.wait()
        self._wineserver = None
        self._end_descendants(self._in_session)
        for folder in self._server_sockets():
            shutil.rmtree(folder, ignore_errors=True)

    def _in_session(self, pid):
        """A living Wine process of this session: it carries the session's prefix in its environment."""
        return self.prefix is not None and _alive(pid) and b"WINEPREFIX=" + bytes(self.prefix) in _environment(pid)

    def _tracked_pids(self):
        """Children whose exit status belongs to a Popen object."""
        popens = [self._xvfb, self._wineserver] + [p._popen for p in self._programs]
        return {p.pid for p in popens if p}

    def env(self):
        env = {k: v for k, v in os.environ.items() if k not in ("XAUTHORITY", "WAYLAND_DISPLAY")}
        env.update(WINEPREFIX=str(self.prefix), DISPLAY=self.display or "", WINEARCH="win64", WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        return env

    # ----- files

    def linux_path(self, windows_path):
        """The Linux path of a Windows path in this prefix (C:\\... and Z:\\...); the case of existing
        folders and files is matched the way Windows ignores it."""
        drive, _, rest = windows_path.replace("/", "\\").partition(":")
        root = {"c": self.prefix / "drive_c", "z": Path("/")}.get(drive.lower())
        if root is None:
            raise HarnessError(f"no such drive: {windows_path}")
        path = root
        for part in filter(None, rest.split("\\")):
            exact = path / part
            if not exact.exists() and path.is_dir():
                exact = next((p for p in path.iterdir() if p.name.lower() == part.lower()), exact)
            path = exact
        return path

    @property
    def user_name(self):
        return pwd.getpwuid(os.getuid()).pw_name

    @property
    def appdata(self):
        """The per-user roaming application-data folder (CSIDL_APPDATA)."""
        return self.linux_path(f"C:\\users\\{self.user_name}\\AppData\\Roaming")

    @property
    def program_folder(self):
        return self.linux_path(PROGRAM_FOLDER)

    def _copy_into(self, source, windows_path):
        target = self.linux_path(windows_path)
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(source, target)

    def install(self, folder=PROGRAM_FOLDER):
        """Puts Pendra.exe alone into an emptied folder; returns the folder's Linux path."""
        target = self.linux_path(folder)
        shutil.rmtree(target, ignore_errors=True)
        self._copy_into(self.program, folder + "\\Pendra.exe")
        return target

    def install_skins(self, names=None, folder=PROGRAM_FOLDER):
        """Puts our skins (the named ones, or all) into a Skins folder beside the program; returns
        its Linux path."""
        target = self.linux_path(folder + "\\Skins")
        for skin in sorted(SKINS.iterdir()):
            if names is None or skin.name in names:
                shutil.copytree(skin, target / skin.name, dirs_exist_ok=True)
        return target

    # ----- programs

    def start(self, *args, folder=PROGRAM_FOLDER):
        """Starts Pendra.exe from the folder (the current directory is that folder)."""
        popen = subprocess.Popen(["wine", folder + "\\Pendra.exe", *args], env=self.env(),
                                 cwd=self.linux_path(folder), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        program = Program(popen)
        self._programs.append(program)
        return program

    def start_program(self, windows_exe, *args):
        """Starts any program of the prefix, e.g. C:\\Other\\Other.exe, from its folder; like start()."""
        folder = windows_exe.replace("/", "\\").rpartition("\\")[0]
        popen = subprocess.Popen(["wine", windows_exe, *args], env=self.env(), cwd=self.linux_path(folder),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        program = Program(popen)
        self._programs.append(program)
        return program

    def end_programs(self):
        """Kills every Pendra process of this session (also one started by Pendra) and waits until
        the desktop has no main window left."""
        killed = False
        for program in self._programs:
            killed |= program.running()
            program.kill()
        self._programs.clear()
        killed |= self._end_descendants(lambda pid: self._in_session(pid) and _is_pendra(pid))
        if killed and self._server_running():
            self.driver("find", "--until", "gone", "--title", "*", "--wait", "5000")

    def _end_descendants(self, chosen):
        """SIGKILLs the chosen descendants, reaps them, and says whether there were any."""
        victims = [pid for pid in _descendants() if chosen(pid)]
        for pid in victims:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + 10
        while any(_alive(pid) for pid in victims) and time.monotonic() < deadline:
            time.sleep(0.01)
        _reap_orphans(keep=self._tracked_pids())
        return bool(victims)

    # ----- the driver

    def driver(self, *args, check=True, timeout=30):
        """Runs one driver command and returns its answer as a dict (the exit code under "exit").
        The answer goes through a file: Wine's services, started by the first program of a session,
        inherit the standard handles and would keep a pipe open."""
        answer_file = self._work / "answer.txt"
        # The driver writes an answer whatever it finds. Without one Wine did not run it to its end (a
        # start that fails on a busy machine): that is tried once more.
        for _ in range(2):
            answer_file.unlink(missing_ok=True)
            done = subprocess.run(["wine", DRIVER_EXE, "--out", "Z:" + str(answer_file).replace("/", "\\"),
                                   *map(str, args)], env=self.env(), cwd=self.prefix / "drive_c",
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)
            if answer_file.exists():
                break
        answer = {}
        text = answer_file.read_text(encoding="utf-8", errors="replace") if answer_file.exists() else ""
        for line in text.splitlines():
            key, sep, value = line.partition("=")
            if sep:
                answer[key] = unescape(value)
        answer["exit"] = done.returncode
        if done.returncode == 2 or (check and done.returncode != 0):
            raise HarnessError(f"driver {' '.join(map(str, args))}: exit {done.returncode}, {answer}")
        return answer

    def start_driver(self, *args):
        """Starts one driver command without waiting for it; the answer() of what it returns waits and
        gives the answer as driver() does."""
        self._driver_runs += 1
        answer_file = self._work / f"answer-{self._driver_runs}.txt"
        answer_file.unlink(missing_ok=True)
        popen = subprocess.Popen(["wine", DRIVER_EXE, "--out", windows_path(answer_file), *map(str, args)],
                                 env=self.env(), cwd=self.prefix / "drive_c", stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        return DriverRun(popen, answer_file, args)

    @property
    def work_folder(self):
        """A folder of this session for files of its own, removed with the session."""
        return self._work

    def main_window(self, until="exists", wait_ms=5000):
        """The main window (class TToDoForm, caption "Pendra") once the condition holds, else None."""
        r = self.driver("find", "--until", until, "--wait", wait_ms, check=False)
        return WindowInfo.from_report(r) if r["exit"] == 0 and r["found"] == "1" else None

    def count_main_windows(self):
        return int(self.driver("count")["count"])

    def top_level_windows(self):
        """Every top-level window, from the top of the z-order down."""
        r = self.driver("windows")
        return [WindowInfo.from_report({k[len(p):]: v for k, v in r.items() if k.startswith(p)})
                for p in (f"window.{i}." for i in range(int(r["count"])))]

    def settle(self, rounds=5):
        """Returns once the main window's thread has handled what was queued or due for it, a timer
        tick included."""
        self.driver("sync", "--rounds", rounds)

    def message_boxes(self, wait_ms=0):
        r = self.driver("boxes", "--wait", wait_ms)
        return [MessageBox.from_report(r, f"box.{i}.") for i in range(int(r["count"]))]

    def answer_box(self, title, button="ok", wait_ms=5000):
        """Presses a button (ok, cancel, yes, no or a command id) of the box with that title ("*": any)."""
        r = self.driver("answer", title, button, "--wait", wait_ms)
        return MessageBox.from_report(r, "box.")

    def dismiss_boxes(self):
        """Closes every open message box with its default answer (OK, else the first button)."""
        for box in self.message_boxes():
            self.answer_box(box.title, "ok" if 1 in box.buttons else next(iter(box.buttons)))

    def keys(self, *chords):
        self.driver("keys", *chords)

    def type_text(self, text):
        self.driver("type", escape(text))

    # Xvfb reports a pointer warp late, at the next one: on a busy machine a button pressed right after
    # a move could still meet the pointer's former place (an About dialog there would take the press).
    # Moving there first makes the late report point at the same place.

    def click(self, x, y, button="left", double=False, mods=""):
        self.driver("move", x, y)
        self.driver("click", x, y, "--button", button, *(["--double"] if double else []), "--mods", mods)

    def drag(self, x1, y1, x2, y2, button="left", steps=8, mods=""):
        self.driver("move", x1, y1)
        self.driver("drag", x1, y1, x2, y2, "--button", button, "--steps", steps, "--mods", mods)

    def wheel(self, x, y, notches):
        self.driver("wheel", x, y, notches)

    def clipboard_text(self):
        r = self.driver("clip-get")
        return r["text"] if r["has_text"] == "1" else None

    def set_clipboard_text(self, text):
        self.driver("clip-set", escape(text))

    def set_clipboard_picture(self):
        self.driver("clip-set-picture")

    def close_main_window(self):
        self.driver("close")

    def post(self, message, wparam=0, lparam=0):
        self.driver("post", message, wparam, lparam)

    def hint_at(self, x, y):
        """Rests the mouse there and returns the hint (tooltip window) that shows, or None."""
        self.driver("move", x, y)
        self.driver("move", x + 1, y)
        hints = lambda: [w for w in self.top_level_windows()
                         if w.class_name.lower() == "tooltips_class32" and w.visible]
        return hints()[0] if wait_until(hints) else None

    def screen_pixel(self, x, y):
        """The colour at x, y as Windows reads it from the screen (GetPixel), as (r, g, b)."""
        value = self.driver("pixel", x, y)["color"]
        return tuple(int(value[i:i + 2], 16) for i in (1, 3, 5))

    def screenshot(self):
        data = subprocess.run(["/usr/bin/import", "-display", self.display, "-window", "root", "-depth", "8", "ppm:-"],
                              capture_output=True, check=True, timeout=30).stdout
        return Screenshot.from_ppm(data)

    def hit_tests(self, *points):
        """The main window's answers to WM_NCHITTEST at screen points (x, y), as the system asks them."""
        r = self.driver("hittest", *[c for point in points for c in point])
        return [int(r[f"hit.{i}"]) for i in range(int(r["count"]))]

    def record_rectangles(self, until_width, wait_ms=15000):
        """Starts recording every distinct screen rectangle of the main window until it is `until_width`
        wide (or `wait_ms` passed) and returns once the recording runs."""
        self._driver_runs += 1
        ready = self._work / f"recording-{self._driver_runs}.txt"
        run = self.start_driver("rects", "--until-width", until_width, "--ready", windows_path(ready),
                                "--wait", wait_ms)
        deadline = time.monotonic() + 30
        while not ready.exists():
            if run._popen.poll() is not None:
                run.answer()  # raises with the driver's answer
            if time.monotonic() > deadline:
                raise HarnessError("the rectangle recording did not start")
            time.sleep(0.01)
        return RectangleRecording(run)


@dataclass
class WindowRect:
    left: int
    top: int
    width: int
    height: int


class RectangleRecording:
    """The main window's rectangles, recorded in the background (WineSession.record_rectangles)."""

    def __init__(self, run):
        self._run = run

    def result(self, timeout=30):
        """Waits for the end; returns whether the width was reached and every distinct rectangle seen
        (WindowRect), the one at the start first."""
        r = self._run.answer(check=False, timeout=timeout)
        if r.get("found") != "1":
            raise HarnessError(f"rectangle recording: {r}")
        rects = [WindowRect(*(int(r[f"rect.{i}.{key}"]) for key in ("left", "top", "width", "height")))
                 for i in range(int(r["count"]))]
        return r["reached"] == "1", rects


def windows_path(path):
    """The Windows path (drive Z:) of a Linux path."""
    return "Z:" + str(path).replace("/", "\\")


class DriverRun:
    """A driver command running in the background (WineSession.start_driver)."""

    def __init__(self, popen, answer_file, args):
        self._popen, self._answer_file, self._args = popen, answer_file, args

    def stop(self):
        """Ends the command before its time."""
        self._popen.kill()
        self._popen.wait(10)

    def answer(self, check=True, timeout=30):
        """Waits for the command and returns its answer as a dict (the exit code under "exit")."""
        try:
            code = self._popen.wait(timeout)
        except subprocess.TimeoutExpired:
            self._popen.kill()
            self._popen.wait(10)
            raise HarnessError(f"driver {' '.join(map(str, self._args))}: no answer after {timeout} s") from None
        answer = {}
        path = self._answer_file
        text = path.read_text(encoding="utf-8", errors="replace") if path.exists() else ""
        for line in text.splitlines():
            key, sep, value = line.partition("=")
            if sep:
                answer[key] = unescape(value)
        answer["exit"] = code
        path.unlink(missing_ok=True)
        if code == 2 or (check and code != 0):
            raise HarnessError(f"driver {' '.join(map(str, self._args))}: exit {code}, {answer}")
        return answer


def _is_pendra(pid):
    """A Wine process shows the Windows path of its executable as its first argument."""
    return (_command_line(pid) or [""])[0].lower().endswith("\\pendra.exe")


class PendraTestCase(unittest.TestCase):
    """One Wine session per test class; each test starts with an empty program folder holding only
    Pendra.exe, no data folder in the application-data folder, and no Pendra process left."""

    session = None

    @classmethod
    def setUpClass(cls):
        cls.session = WineSession().__enter__()

    @classmethod
    def tearDownClass(cls):
        if cls.session:
            cls.session.close()
            cls.session = None

    def setUp(self):
        self.session.install()
        shutil.rmtree(self.session.appdata / "Pendra", ignore_errors=True)
        self.addCleanup(self.session.end_programs)
