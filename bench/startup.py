"""Start-up of Pendra.exe under Wine, side by side with a bare window (BareTwin.exe: Pendra's class,
caption, styles and place, painted white, nothing else), so that Pendra's own cost stands out from
what any window costs here.

    python3 bench/startup.py [runs] [--no-frames] [--save-frames DIR]     (build first: scripts/build)

Three cases: a first start (no data file), a data file of 50 rows and one of about 1 MB (7,000 rows;
the bare window is given the file's stored place, so that both windows cover the same pixels). Each
case runs both programs `runs` times (default 15), alternating Pendra, bare, Pendra, bare, ..., after
one unrecorded start of each; Pendra.exe is copied once at the beginning, so a build during the runs
does not mix versions. Per case and program it prints, as medians of the runs:

- visible: from starting the process (`wine X.exe`) until its window is visible, with min-max, and
  Pendra's median over the bare window's. The driver's `watch` command is already running and looks
  about every millisecond when the program starts, so the driver's own start-up (~200 ms) is not
  counted; it stamps the moment with GetSystemTimePreciseAsFileTime, which under Wine reads the
  clock of Python's time.time() (checked on every run: the driver's stamp in its ready file against
  the moment Python sees that file; the table prints the lag).
- created: the same, until the window first existed (created, not yet shown).
- on screen: the same, until the first pixels of the window reached the X server.
- memory and CPU 1 s after the window became visible: VmRSS and RssAnon of the process (the Linux PID
  of `wine X.exe` is the Windows process) and its utime + stime.
- first frame: grab_frames (build/native/bench) takes the window's rectangle from the X server every
  2 ms, from before the start until 1 s after the rectangle first changed, and compares the first
  changed frame with the last: "complete" when equal, else how many pixels differ and how long the
  picture took to settle. It grabs through shared memory and costs a few per cent of one core.

--no-frames leaves grab_frames out; --save-frames DIR keeps the background, first and final frame of
every run as PPM files. Other work on the machine slows Wine, Xvfb and the programs alike: the load
average is printed with the table; as root, `nice -n -10 python3 bench/startup.py` lessens the effect.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from harness import PROGRAM, SCREEN, HarnessError, WineSession, windows_path  # noqa: E402

BARE = REPO / "build" / "win64" / "BareTwin.exe"
BARE_EXE = "C:\\BareTwin\\BareTwin.exe"
GRABBER = REPO / "build" / "native" / "bench" / "grab_frames"

# The window's place as the generated data files store it: left, top, width, height.
STORED_PLACE = (300, 200, 370, 211)
# Pendra's first window: a 370 x 211 client area 40 pixels left of the screen's right edge, centred
# vertically with halves rounded to even (Python's round does the same).
FIRST_PLACE = (SCREEN[0] - 370 - 40, round(SCREEN[1] / 2 - 211 / 2), 370, 211)
SETTLE_S = 1.0
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def data_file(rows):
    """A sheet of `rows` task rows with umlauts and escapes, as Pendra writes it."""
    left, top, width, height = STORED_PLACE
    lines = ['\ufeff<?xml version="1.0" encoding="utf-8" standalone="no"?>', "<VeVuVizo>",
             "  <WindowPosition>", f"    <Left>{left}</Left>", f"    <Top>{top}</Top>", f"    <Width>{width}</Width>",
             f"    <Height>{height}</Height>", "  </WindowPosition>", "  <ColumnInfo>", f"    <RowCount>{rows}</RowCount>",
             "    <ColumnCount>3</ColumnCount>", "  </ColumnInfo>", "  <ColumnHeader>"]
    for caption in ("Prio", "Aufgabe", "Zeit"):
        lines += ["    <Column>", f"      <ColumnCaption>{caption}</ColumnCaption>", "      <ColumnWidth>80</ColumnWidth>",
                  "      <ColumnAlignment>LEFT</ColumnAlignment>", "    </Column>"]
    lines += ["  </ColumnHeader>", "  <ToDoContent>"]
    for row in range(rows):
        lines += ["    <Column>", f"      <Text>{row % 3 + 1}</Text>",
                  f"      <Text>M&#xFC;ll &amp; Steuer &apos;{row}&apos; &#x20AC;</Text>", "      <Text>10min</Text>",
                  "    </Column>"]
    lines += ["  </ToDoContent>", "</VeVuVizo>", ""]
    return "\r\n".join(lines).encode("utf-8")


class Case:
    def __init__(self, name, rows):
        self.name = name
        self.content = data_file(rows) if rows is not None else None
        self.place = STORED_PLACE if self.content else FIRST_PLACE

    def size(self):
        if self.content is None:
            return "no file"
        size = len(self.content)
        return f"{size / 1e6:.2f} MB" if size >= 100_000 else f"{size / 1e3:.0f} KB"


class Contender:
    """Pendra.exe or the bare window, with how to prepare and start it for a case."""

    def __init__(self, name, pendra):
        self.name, self.pendra = name, pendra

    def start(self, session, case):
        if self.pendra:
            # A first start finds no data file beside the exe nor in the application-data folder.
            session.install()
            shutil.rmtree(session.appdata / "Pendra", ignore_errors=True)
            if case.content is not None:
                (session.program_folder / "Pendra.xml").write_bytes(case.content)
            return session.start()
        args = [] if case.content is None else [str(v) for v in case.place]
        return session.start_program(BARE_EXE, *args)


class Run:
    """What one start showed; times in seconds from the process start."""

    visible = exists = on_screen = rss_kb = anon_kb = cpu_ms = None
    first_differs = settle = None
    clock_lag = gap = look_interval = grab_interval = None
    rect_ok = True
    note = ""


def wait_for_ready_file(path, timeout=30):
    """The driver's ready stamp (seconds) and the lag until Python saw the complete file."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            text = path.read_text()
        except OSError:
            text = ""
        if text.endswith("\n"):
            seen = time.time()
            stamp = int(text.strip().partition("=")[2]) / 1e6
            return stamp, seen - stamp
        time.sleep(0.0002)
    raise HarnessError("the driver did not get ready")


def parse_lines(text):
    return dict(line.split("=", 1) for line in text.splitlines() if "=" in line)


def process_figures(pid):
    """(VmRSS kB, RssAnon kB, utime + stime in ms) of a process."""
    fields = {}
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        key, _, value = line.partition(":")
        fields[key] = value.split()[0] if value.split() else ""
    stat = Path(f"/proc/{pid}/stat").read_text()
    after = stat[stat.rindex(")") + 2:].split()  # fields from the third on: state, ppid, ...
    ticks = int(after[11]) + int(after[12])  # utime and stime, fields 14 and 15
    return int(fields["VmRSS"]), int(fields["RssAnon"]), ticks * 1000 / CLOCK_TICKS


def measure_once(session, contender, case, frames, save_frames, label):
    """One start: the driver, then the grabber are watching before the process starts; all moments are
    CLOCK_REALTIME (the driver's through Wine, the grabber's and Python's directly)."""
    run = Run()
    ready_file = session.work_folder / "watch-ready.txt"
    ready_file.unlink(missing_ok=True)
    watch = session.start_driver("watch", "--ready", windows_path(ready_file), "--wait", 60000)
    _, run.clock_lag = wait_for_ready_file(ready_file)

    grabber = None
    if frames:
        command = [str(GRABBER), *map(str, case.place), "--after-ms", str(int(SETTLE_S * 1000)), "--timeout-ms", "60000"]
        if save_frames:
            command += ["--save", str(Path(save_frames) / label)]
        grabber = subprocess.Popen(command, env={**os.environ, "DISPLAY": session.display}, stdout=subprocess.PIPE,
                                   text=True)
        if not grabber.stdout.readline().startswith("ready="):
            raise HarnessError("grab_frames did not start")

    try:
        started = time.time()
        program = contender.start(session, case)
        answer = watch.answer(timeout=90)
    except BaseException:
        if grabber:
            grabber.kill()
            grabber.wait()
        raise
    visible_at = int(answer["visible_at"]) / 1e6
    run.visible = visible_at - started
    run.exists = int(answer["exists_at"]) / 1e6 - started
    run.gap = int(answer["gap_us"]) / 1e6
    run.look_interval = int(answer["watched_us"]) / 1e6 / max(1, int(answer["looks"]) - 1)
    rect = tuple(int(answer[k]) for k in ("left", "top", "width", "height"))
    if rect != case.place:
        run.rect_ok = False
        run.note = f"window at {rect}, expected {case.place}"

    if grabber:
        out, _ = grabber.communicate(timeout=90)
        grab = parse_lines(out)
        run.grab_interval = float(grab["interval_ms_mean"]) / 1000
        if grab.get("appeared") == "1":
            run.on_screen = float(grab["appeared_at"]) - started
            run.first_differs = float(grab["first_differs_percent"])
            run.settle = float(grab["settled_at"]) - float(grab["appeared_at"])
            if run.on_screen < run.exists:
                run.note = (run.note + "; " if run.note else "") + "the rectangle changed before the window existed"

    time.sleep(max(0.0, visible_at + SETTLE_S - time.time()))
    run.rss_kb, run.anon_kb, run.cpu_ms = process_figures(program.pid)

    session.dismiss_boxes()
    session.close_main_window()
    code = program.wait(60)
    if code != 0:
        run.note = (run.note + "; " if run.note else "") + f"exit code {code}"
    return run


def milliseconds(seconds):
    return f"{seconds * 1000:.0f}"


def frame_summary(runs):
    judged = [r for r in runs if r.first_differs is not None and r.rect_ok and r.on_screen >= r.exists]
    if not judged:
        return "n/a"
    incomplete = [r for r in judged if r.first_differs > 0]
    if not incomplete:
        return f"complete ({len(judged)}/{len(judged)})"
    shares = [r.first_differs for r in incomplete]
    settles = [r.settle * 1000 for r in incomplete]
    return (f"incomplete in {len(incomplete)}/{len(judged)}: {statistics.median(shares):.0f}% of pixels differ "
            f"({min(shares):.0f}-{max(shares):.0f}%), settled after {statistics.median(settles):.0f} ms "
            f"({min(settles):.0f}-{max(settles):.0f})")


def print_table(results, runs, frames, sizes, load):
    header = (f"{'case':22} {'program':7} {'visible ms':>10} {'min-max':>11} {'ratio':>6} {'created':>7} "
              f"{'on screen':>9} {'RSS MB':>7} {'anon MB':>7} {'CPU ms':>6}  first frame")
    print()
    print(f"Start-up under Wine, {runs} runs per program and case, alternating; {sizes}; {load}")
    print(header)
    print("-" * len(header))
    for case, by_program in results:
        medians = {name: statistics.median(r.visible for r in rs) for name, rs in by_program.items()}
        for i, (name, rs) in enumerate(by_program.items()):
            times = [r.visible for r in rs]
            on_screen = [r.on_screen for r in rs if r.on_screen is not None]
            ratio = f"{medians['Pendra'] / medians['bare']:.2f}" if name == "Pendra" else ""
            label = f"{case.name} ({case.size()})" if i == 0 else ""
            print(f"{label:22} {name:7} {milliseconds(statistics.median(times)):>10} "
                  f"{milliseconds(min(times)) + '-' + milliseconds(max(times)):>11} {ratio:>6} "
                  f"{milliseconds(statistics.median(r.exists for r in rs)):>7} "
                  f"{milliseconds(statistics.median(on_screen)) if on_screen else '-':>9} "
                  f"{statistics.median(r.rss_kb for r in rs) / 1024:>7.1f} "
                  f"{statistics.median(r.anon_kb for r in rs) / 1024:>7.1f} "
                  f"{statistics.median(r.cpu_ms for r in rs):>6.0f}  {frame_summary(rs) if frames else '-'}")
    everything = [r for _, by_program in results for rs in by_program.values() for r in rs]
    lags = sorted(r.clock_lag * 1000 for r in everything)
    gaps = [r.gap * 1000 for r in everything]
    intervals = [r.look_interval * 1000 for r in everything]
    print()
    print("All times in ms from starting the process; figures are medians of the runs unless a range is given.")
    print("visible: until the driver saw the window visible (it looked every "
          f"{statistics.median(intervals):.2f} ms; longest gap in a run {statistics.median(gaps):.1f} ms in the median, "
          f"{max(gaps):.1f} ms at most); ratio: Pendra's median over the bare window's")
    print("created: until the driver first found the window (created, not yet shown)")
    grab_intervals = [r.grab_interval * 1000 for r in everything if r.grab_interval]
    if grab_intervals:
        print("on screen: until the first pixels of the window reached the X server (grabbed every "
              f"{statistics.median(grab_intervals):.2f} ms)")
    print(f"RSS, anon, CPU: VmRSS, RssAnon and utime+stime of the process {SETTLE_S:.0f} s after its window became "
          "visible")
    if frames:
        print("first frame: the first grabbed frame of the window's rectangle that differed from the desktop, "
              "against the last one")
    agree = 0 <= lags[0] and lags[-1] < 20
    print(f"clock check: Python saw the driver's ready file {lags[len(lags) // 2]:.2f} ms after the driver's stamp "
          f"(median; {lags[0]:.2f} to {lags[-1]:.2f} ms): "
          + ("the clocks agree" if agree else "THE CLOCKS DISAGREE, the times above are not comparable"))
    notes = sorted({f"{case.name}, {name}: {r.note}" for case, by_program in results
                    for name, rs in by_program.items() for r in rs if r.note})
    for note in notes:
        print("note:", note)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("runs", nargs="?", type=int, default=15)
    parser.add_argument("--no-frames", action="store_true", help="do not grab frames from the X server")
    parser.add_argument("--save-frames", metavar="DIR", help="keep the grabbed frames of every run there")
    options = parser.parse_args()
    frames = not options.no_frames
    for needed in (PROGRAM, BARE) + ((GRABBER,) if frames else ()):
        if not needed.is_file():
            sys.exit(f"{needed} is missing: build first (scripts/build)")
    if options.save_frames:
        Path(options.save_frames).mkdir(parents=True, exist_ok=True)

    cases = [Case("first start", None), Case("50 rows", 50), Case("7,000 rows", 7_000)]
    contenders = [Contender("Pendra", True), Contender("bare", False)]
    results = []
    load_before = os.getloadavg()[0]
    # A copy of Pendra.exe as it is now, so that a build during the runs does not mix two versions.
    snapshot = tempfile.TemporaryDirectory(prefix="pendra-startup-")
    program = Path(snapshot.name) / "Pendra.exe"
    shutil.copy2(PROGRAM, program)
    sizes = f"Pendra.exe {program.stat().st_size / 1e3:.0f} KB, BareTwin.exe {BARE.stat().st_size / 1e3:.0f} KB"
    with WineSession(program) as session:
        bare = session.linux_path(BARE_EXE)
        bare.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(BARE, bare)
        for contender in contenders:  # the first start of a program in a new prefix pays for caches
            measure_once(session, contender, cases[0], frames=False, save_frames=None, label="")
        for case in cases:
            by_program = {c.name: [] for c in contenders}
            for number in range(options.runs):
                for contender in contenders:
                    label = f"{case.name.replace(' ', '-').replace(',', '')}-{contender.name}-{number + 1}"
                    by_program[contender.name].append(
                        measure_once(session, contender, case, frames, options.save_frames, label))
            results.append((case, by_program))
            print(f"{case.name}: done", file=sys.stderr)
    snapshot.cleanup()
    # Other work on the machine slows Wine, Xvfb and the programs alike: the load tells how quiet it was.
    load = f"load average {load_before:.2f} before, {os.getloadavg()[0]:.2f} after"
    print_table(results, options.runs, frames, sizes, load)


if __name__ == "__main__":
    main()
