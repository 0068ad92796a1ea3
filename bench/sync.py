"""How soon a change saved on one PC shows on the other, when a sync client copies the data file between
them: two Pendras under Wine, each in a prefix and on an Xvfb display of its own, and the simulated
sync client of tests/e2e/sync_simulator.py between their folders.

    python3 bench/sync.py [runs] [--delay S]     (build first: scripts/build)

Each run types a text into an empty task cell on one PC (alternately PC1 and PC2), and measures:

- save:    from the end of the typing until that PC's save (the data file's time): the save scheduler's
           quiet second, and the save itself;
- sync:    from that save until the copy on the other PC was complete: the simulator's delay (fixed by
           --delay, default 0.5 s) and its way of writing (rename, recreate or chunks, in turn);
- shown:   from the copy's end until the text's first pixels reached the other PC's screen (grab_frames
           of build/native/bench watches the cell every 4 ms): the change notification, the pause for
           the writer to finish, the read, the merge and the repaint. This is the figure to keep within
           2 s (the save on one side to the change shown on the other, less the simulator's delay).

It prints the median and range of each, per way of writing and over all runs, and the number of
versions copied per run: 1 when the other PC, which had nothing to add, did not save the merge again
(a save would go back to the first PC; a run that copies on and on does not go quiet and fails).
Times are CLOCK_REALTIME: the file times, Python's time.time() and grab_frames agree.
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

from harness import PROGRAM, HarnessError, wait_until  # noqa: E402
from sync_simulator import WAYS, SyncSimulator  # noqa: E402
from two_pcs import GRID, PITCH, TOP, WIDTHS, SheetContent, close_pcs, open_pcs  # noqa: E402

GRABBER = REPO / "build" / "native" / "bench" / "grab_frames"
EMPTY_ROWS = 20
NOTHING = SheetContent((), ())


def cell_inside(pc, col, row):
    """The screen rectangle inside a cell (its text's place, without its lines): x, y, width, height."""
    left = pc.left + GRID + sum(WIDTHS[:col]) + col + 2
    top = TOP + GRID + row * PITCH + 3
    return left, top, WIDTHS[col] - 4, PITCH - 6


class Run:
    way = None
    typed = written = copied = shown = None
    copies = 0


def measure_once(sync, source, target, row, number, way):
    run = Run()
    sync.ways = (way,)
    text = f"Lauf {number}"
    rect = cell_inside(target, 1, row)
    grabber = subprocess.Popen([str(GRABBER), *map(str, rect), "--interval-us", "4000", "--after-ms", "200",
                                "--timeout-ms", "30000"], env={**os.environ, "DISPLAY": target.session.display},
                               stdout=subprocess.PIPE, text=True)
    if not grabber.stdout.readline().startswith("ready="):
        raise HarnessError("grab_frames did not start")
    copies_before = len(sync.copies)
    source.append(1, row, text)
    run.typed = time.time()
    out, _ = grabber.communicate(timeout=60)
    grab = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    if grab.get("appeared") == "1":
        run.shown = float(grab["appeared_at"])
    if not wait_until(lambda: text in (SheetContent.read_if_whole(target.data_file) or NOTHING).texts(), 30):
        raise HarnessError(f"run {number}: the text did not reach {target.name}'s file")
    if not sync.wait_quiet(3.0, timeout=60):
        raise HarnessError(f"run {number}: the PCs did not go quiet\n{sync.events()}")
    mine = [c for c in sync.copies[copies_before:] if c.source == source.name]
    run.copies = len(sync.copies) - copies_before
    if mine:
        run.way, run.written, run.copied = mine[0].way, mine[0].written_at, mine[0].done_at
    return run


def figures(values):
    values = [v * 1000 for v in values if v is not None]
    if not values:
        return f"{'-':>7} {'':>13}"
    return f"{statistics.median(values):7.0f} {f'{min(values):.0f}-{max(values):.0f}':>13}"


def print_table(runs, delay, load):
    print()
    print(f"From a save on one PC to the change on the other's screen, {len(runs)} runs, simulator delay {delay} s; "
          f"{load}")
    header = (f"{'way':9} {'runs':>4}  {'save ms':>7} {'min-max':>13}  {'sync ms':>7} {'min-max':>13}  "
              f"{'shown ms':>7} {'min-max':>13}  copies")
    print(header)
    print("-" * len(header))
    for way in (*WAYS, "all"):
        chosen = [r for r in runs if way in ("all", r.way)]
        if not chosen:
            continue
        print(f"{way:9} {len(chosen):>4}  {figures([r.written - r.typed for r in chosen])}  "
              f"{figures([r.copied - r.written for r in chosen])}  "
              f"{figures([r.shown - r.copied if r.shown else None for r in chosen])}  "
              f"{statistics.median(r.copies for r in chosen):.0f} ({min(r.copies for r in chosen)}-"
              f"{max(r.copies for r in chosen)})")
    missing = sum(1 for r in runs if r.shown is None)
    print()
    print("save: typing ended -> the typing PC's data file written; sync: that save -> the copy complete on the "
          "other PC;")
    print("shown: the copy complete -> the text's first pixels on the other PC's screen (the goal: within 2 s);")
    print("copies: versions the simulator copied in the run, both ways (1: the typed one only)")
    if missing:
        print(f"note: in {missing} runs the text was not seen on the screen within 30 s")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("runs", nargs="?", type=int, default=12)
    parser.add_argument("--delay", type=float, default=0.5, help="the simulator's delay in seconds")
    options = parser.parse_args()
    if options.runs > EMPTY_ROWS:
        sys.exit(f"at most {EMPTY_ROWS} runs")
    for needed in (PROGRAM, GRABBER):
        if not needed.is_file():
            sys.exit(f"{needed} is missing: build first (scripts/build)")
    load_before = os.getloadavg()[0]
    # A copy of Pendra.exe as it is now, so that a build during the runs does not mix two versions.
    snapshot = tempfile.TemporaryDirectory(prefix="pendra-sync-")
    program = Path(snapshot.name) / "Pendra.exe"
    shutil.copy2(PROGRAM, program)
    pcs = open_pcs(program)
    runs = []
    try:
        for pc in pcs:
            pc.start(rows=[("", "", "")] * EMPTY_ROWS)
        with SyncSimulator([pc.folder for pc in pcs], delay=(options.delay, options.delay)) as sync:
            for number in range(options.runs):
                source, target = pcs[number % 2], pcs[1 - number % 2]
                runs.append(measure_once(sync, source, target, number + 1, number + 1, WAYS[number // 2 % 3]))
                print(f"run {number + 1}: done", file=sys.stderr)
    finally:
        close_pcs(pcs)
        snapshot.cleanup()
    load = f"load average {load_before:.2f} before, {os.getloadavg()[0]:.2f} after"
    print_table(runs, options.delay, load)


if __name__ == "__main__":
    main()
