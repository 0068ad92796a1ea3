"""Starts Pendra on a private Xvfb, takes a screenshot, closes it the normal way and shows
where it wrote its data file (copied to build/Pendra.xml, since the Wine prefix is removed)."""

import shutil
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from harness import WineSession  # noqa: E402


def main(arguments):
    with WineSession() as session:
        session.install_skins()
        program = session.start(*arguments)
        window = session.main_window(until="visible", wait_ms=20000)
        if window is None and "-m" not in arguments:
            print("Pendra showed no window", file=sys.stderr)
            return 1
        session.settle()
        shot = REPO / "build" / "screenshot.png"
        session.screenshot().save(shot)
        print(f"screenshot: {shot}")
        for box in session.message_boxes():
            print(f"message box: {box.title}: {box.text}")
        session.dismiss_boxes()
        session.close_main_window()
        code = program.wait(30)
        candidates = [session.program_folder / "Pendra.xml", session.appdata / "Pendra" / "Pendra.xml"]
        written = next((c for c in candidates if c.exists()), None)
        if written is None:
            print("no data file was written", file=sys.stderr)
            return 1
        windows_path = ("C:\\Pendra\\Pendra.xml" if written == candidates[0]
                        else f"C:\\users\\{session.user_name}\\AppData\\Roaming\\Pendra\\Pendra.xml")
        copy = REPO / "build" / "Pendra.xml"
        shutil.copyfile(written, copy)
        print(f"data file: {windows_path} (in the Wine prefix); copied to {copy}")
        print(f"exit code: {code}")
        return code


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
