"""The summon key under Wine: from the press of Ctrl+Alt+Shift+Space in another program until Pendra's
window is in front with the cell editor open on a new task, side by side with a bare window
(BareTwin.exe -m: Pendra's class and styles, hidden, shown in front by Ctrl+Alt+Shift+F12, as Pendra
holds the other key).

    python3 bench/summon.py [runs]     (build first: scripts/build; default 15 runs)

Pendra starts hidden ("-m") on a 50-row list with an empty last row and the bare window hidden; Notepad
has the keys. Each run presses the key once for Pendra and once for the bare window, alternating,
and times with the driver's `summon` command, which presses the key and looks every millisecond
until the window is visible in front (for Pendra: and its focus in the editor). A second press puts
each window away again before the next run. Prints the medians with min-max and Pendra's median over
the bare window's; the goal is at most 1.2.
"""

import argparse
import statistics
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "bench"))
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from harness import PROGRAM, WineSession, wait_until  # noqa: E402
from startup import BARE, BARE_EXE, data_file  # noqa: E402

KEYS = {"Pendra": "ctrl+alt+shift+space", "Pendra Bare": "ctrl+alt+shift+F12"}
NOTEPAD = "C:\\windows\\system32\\notepad.exe"
GOAL = 1.2


def give_notepad_the_keys(session):
    session.driver("keys", "shift", "--class", "Notepad", "--title", "*")


def summon_once(session, title, editor):
    """Microseconds from the press until the window is ready, then the window put away again."""
    give_notepad_the_keys(session)
    answer = session.driver("summon", KEYS[title], "--title", title, "--editor", "yes" if editor else "no",
                            "--wait", 5000)
    session.driver("keys", KEYS[title], "--focus", "no")
    if not wait_until(lambda: session.driver("find", "--title", title)["visible"] == "0"):
        raise RuntimeError(f"{title} was not put away")
    return int(answer["ready_us"]) / 1000


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("runs", nargs="?", type=int, default=15)
    runs = parser.parse_args().runs
    for needed in (PROGRAM, BARE):
        if not needed.is_file():
            sys.exit(f"{needed} is missing: build first (scripts/build)")

    with WineSession() as session:
        session.install()
        (session.program_folder / "Pendra.xml").write_bytes(data_file(50).replace(
            b"<RowCount>50</RowCount>", b"<RowCount>51</RowCount>"))
        bare = session.linux_path(BARE_EXE)
        bare.parent.mkdir(parents=True, exist_ok=True)
        bare.write_bytes(BARE.read_bytes())
        session.start("-m")
        session.main_window(until="exists", wait_ms=15000)
        session.settle()
        # The bare window has Pendra's class; it is told apart by a caption of its own.
        session.start_program(BARE_EXE, "-m")
        session.driver("find", "--title", "Pendra Bare", "--wait", 15000)
        session.start_program(NOTEPAD)
        session.driver("find", "--class", "Notepad", "--title", "*", "--wait", 15000)

        times = {"Pendra": [], "bare": []}
        summon_once(session, "Pendra", True)  # the first summon of each pays for caches
        summon_once(session, "Pendra Bare", False)
        for _ in range(runs):
            times["Pendra"].append(summon_once(session, "Pendra", True))
            times["bare"].append(summon_once(session, "Pendra Bare", False))
        session.end_programs()

    for name, values in times.items():
        print(f"{name:8} key to ready: median {statistics.median(values):6.1f} ms "
              f"({min(values):.1f}-{max(values):.1f}), {runs} runs")
    ratio = statistics.median(times["Pendra"]) / statistics.median(times["bare"])
    print(f"Pendra over the bare window: {ratio:.2f} (goal <= {GOAL})")


if __name__ == "__main__":
    main()
