"""How long Pendra.exe takes to answer while it saves a large list in the background, under Wine.

    python3 bench/save_answers.py [runs] [--exe PATH]     (build first: scripts/build)

Two lists of a million cells each: 333,332 task rows of 3 columns, and 9,999 task rows of 100
columns. For each, Pendra starts with the list beside it; then, `runs` times (default 3), a task cell
is changed by typing, which makes a background save due a second later, while the driver's
`answers` command, started before the change, asks the window an empty question (WM_NULL through
SendMessageTimeout) about every millisecond for 8 s, across the change and that save. A run counts
only when the data file was written during it.
Before the first change the same is measured with nothing to save, as the window's usual answer.

Per run it prints the longest answer while the change was typed (until the driver's input was
handled) and the longest after it, which covers the save, with the median and the 99th percentile
of all answers, in milliseconds (answers below 10 ms count as 0 in the longest ones). A save that
holds up the window's thread while the typed input waits to be handled shows under the typing: the
longest of both is the figure to compare between builds. --exe measures another build of Pendra.exe (for example
one before a change); it is copied first, so a build during the runs does not mix versions. Other
work on the machine slows Wine and the program alike: the load average is printed with the table.
"""

import argparse
import os
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from harness import PROGRAM, WineSession, wait_until, windows_path  # noqa: E402

ASKING_MS = 8000
# The window's place and column widths as the generated files store them.
PLACE = (300, 200, 600, 400)
# A task cell of the second row, in the second column.
CELL = (150, 30 + 25 * 2 + 12)


def data_file(tasks, columns):
    """A list of `tasks` task rows and `columns` columns, as Pendra writes it."""
    left, top, width, height = PLACE
    lines = ['\ufeff<?xml version="1.0" encoding="utf-8" standalone="no"?>', "<VeVuVizo>", "  <WindowPosition>",
             f"    <Left>{left}</Left>", f"    <Top>{top}</Top>", f"    <Width>{width}</Width>",
             f"    <Height>{height}</Height>", "  </WindowPosition>", "  <ColumnInfo>",
             f"    <RowCount>{tasks}</RowCount>", f"    <ColumnCount>{columns}</ColumnCount>", "  </ColumnInfo>",
             "  <ColumnHeader>"]
    for col in range(columns):
        lines += ["    <Column>", f"      <ColumnCaption>Spalte {col}</ColumnCaption>",
                  "      <ColumnWidth>120</ColumnWidth>", "      <ColumnAlignment>LEFT</ColumnAlignment>",
                  "    </Column>"]
    lines += ["  </ColumnHeader>", "  <ToDoContent>"]
    for row in range(tasks):
        lines.append("    <Column>")
        lines += [f"      <Text>Aufgabe {row} &amp; {col}</Text>" for col in range(columns)]
        lines.append("    </Column>")
    lines += ["  </ToDoContent>", "</VeVuVizo>", ""]
    return "\r\n".join(lines).encode("utf-8")


def answers(session, label):
    """Starts asking the window for ASKING_MS; returns the running driver and its ready file."""
    ready = session.work_folder / f"answers-{label}.ready"
    run = session.start_driver("answers", ASKING_MS, "--ready", windows_path(ready), "--wait", 10000)
    return run, ready


def answered(run):
    """The driver's answer, or None when Wine did not run it to its end (a busy machine)."""
    answer = run.answer(check=False)
    return answer if "count" in answer else None


def in_ms(answer):
    return {key: int(answer[key]) / 1000 for key in ("longest_us", "p50_us", "p99_us")}


def measure(session, tasks, columns, runs):
    session.install()
    data = session.program_folder / "Pendra.xml"
    data.write_bytes(data_file(tasks, columns))
    program = session.start()
    window = session.main_window(until="visible", wait_ms=180000)
    if window is None:
        sys.exit("the window did not show")
    session.dismiss_boxes()
    session.settle()
    usual = None
    for attempt in range(3):
        usual = usual or answered(answers(session, f"quiet-{attempt}")[0])
    usual = in_ms(usual)
    results = []
    for number in range(runs):
        written = data.stat().st_mtime_ns
        run, ready = answers(session, str(number))
        wait_until(ready.exists, 30)
        asking = time.time()
        session.click(window.left + CELL[0], window.top + CELL[1])
        session.type_text(f"neu {number}")
        session.keys("Return")
        session.settle()
        changed_ms = (time.time() - asking) * 1000
        answer = answered(run)
        if answer is None:
            print(f"run {number + 1}: the driver did not run, not counted", file=sys.stderr)
            continue
        saved = data.stat().st_mtime_ns != written
        slow = [tuple(int(v) for v in answer[f"slow.{i}"].split()) for i in range(len(answer))
                if f"slow.{i}" in answer]
        during_change = max([took for at, took in slow if at <= changed_ms], default=0) / 1000
        after_change = max([took for at, took in slow if at > changed_ms], default=0) / 1000
        results.append((saved, during_change, after_change, answer))
        # The next change comes after this save has ended.
        wait_until(lambda: data.stat().st_mtime_ns != written, 30)
        time.sleep(1)
    session.close_main_window()
    program.wait(120)
    return usual, results


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("runs", nargs="?", type=int, default=3)
    parser.add_argument("--exe", default=str(PROGRAM), help="the Pendra.exe to measure")
    options = parser.parse_args()
    snapshot = tempfile.TemporaryDirectory(prefix="pendra-save-answers-")
    program = Path(snapshot.name) / "Pendra.exe"
    shutil.copy2(options.exe, program)
    load_before = os.getloadavg()[0]
    lines = []
    with WineSession(program) as session:
        for name, tasks, columns in (("333,332 x 3", 333_332, 3), ("9,999 x 100", 9_999, 100)):
            usual, results = measure(session, tasks, columns, options.runs)
            counted = [r for r in results if r[0]]
            longest = [r[2] for r in counted]
            lines.append(f"{name} (task rows x columns), {len(counted)} of {len(results)} runs with a save:")
            lines.append(f"  without a save: longest {usual['longest_us']:.1f} ms, median {usual['p50_us']:.2f} ms, "
                         f"99th percentile {usual['p99_us']:.1f} ms")
            for saved, during_change, after_change, answer in results:
                lines.append(f"  run: longest while typing {during_change:.1f} ms, after it (the save) "
                             f"{after_change:.1f} ms; median {int(answer['p50_us']) / 1000:.2f} ms, 99th percentile "
                             f"{int(answer['p99_us']) / 1000:.1f} ms, {answer['count']} answers"
                             + ("" if saved else "  (no save: not counted)"))
            if longest:
                lines.append(f"  longest answer after the change, during its save: median "
                             f"{statistics.median(longest):.1f} ms, max {max(longest):.1f} ms")
            print(f"{name}: done", file=sys.stderr)
    snapshot.cleanup()
    print(f"{Path(options.exe).name}: load average {load_before:.2f} before, {os.getloadavg()[0]:.2f} after")
    print("\n".join(lines))


if __name__ == "__main__":
    main()
