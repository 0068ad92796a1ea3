"""Start-up time of Pendra.exe under Wine: from the process start until its window is visible,
for a first start and for data files of about 1 MB and 20 MB. Prints the median of a few runs.

    python3 bench/startup.py [runs]       (build first: scripts/build)
"""

import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

from harness import WineSession  # noqa: E402


def data_file(rows):
    """A sheet of `rows` task rows with umlauts and escapes, as Pendra writes it."""
    lines = ['\ufeff<?xml version="1.0" encoding="utf-8" standalone="no"?>', "<VeVuVizo>",
             "  <WindowPosition>", "    <Left>300</Left>", "    <Top>200</Top>", "    <Width>370</Width>",
             "    <Height>211</Height>", "  </WindowPosition>", "  <ColumnInfo>", f"    <RowCount>{rows}</RowCount>",
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


def measure(session, content, runs):
    times = []
    for _ in range(runs):
        session.install()
        if content is not None:
            (session.program_folder / "Pendra.xml").write_bytes(content)
        started = time.monotonic()
        program = session.start()
        if session.main_window(until="visible", wait_ms=60000) is None:
            raise RuntimeError("no window")
        times.append(time.monotonic() - started)
        session.dismiss_boxes()
        session.close_main_window()
        program.wait(60)
    return statistics.median(times)


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    with WineSession() as session:
        cases = [("first start", None), ("1 MB data file", data_file(7_000)), ("20 MB data file", data_file(140_000))]
        for name, content in cases:
            size = f"{len(content) / 1e6:.1f} MB" if content else "no file"
            print(f"{name:16} ({size}): {measure(session, content, runs) * 1000:.0f} ms to a visible window")


if __name__ == "__main__":
    main()
