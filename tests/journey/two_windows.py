#!/usr/bin/env python3
"""Two windows on one folder at a real X server.

The program starts a second copy of itself from its File menu; each window searches its own
keyword, registers it in the tree and adds the page to the watched list; the first window is
closed, then the second. Nothing of either may be lost: the second close finds the files changed
since it read them, writes its own version and keeps the first window's beside it as a conflict
copy, telling the user which.

    two_windows.py <build folder>
"""
import glob
import os
import shutil
import sys

from journey import ADD_BUTTON, FILE_MENU, KEYWORD_BOX, TITLE, Failure, run_case, wait_for

CONFLICT_TITLE = "ファイルの競合"


def alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    # A child that ended but was not yet reaped is gone for our purpose.
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().split(") ")[-1][0] != "Z"
    except FileNotFoundError:
        return False


def use(journey, window):
    """Clicks and keys go to window: raised above the other one and given the keyboard."""
    journey.window = window
    journey.xdo("windowraise", window)
    journey.xdo("windowfocus", "--sync", window)


def search_register_and_watch(journey, keyword, pages_before):
    journey.click(KEYWORD_BOX)
    journey.keys("ctrl+a")
    journey.type(keyword)
    journey.keys("Return")
    journey.request(f"GET /search?q={keyword}&t=-1 HTTP/1.1")
    journey.request("GET /search.png HTTP/1.1", count=pages_before + 1)
    journey.register_keyword(keyword)
    journey.click(ADD_BUTTON)


def close_answering_conflicts(journey, window, pid):
    """Closes from the File menu; each conflict notice is read and confirmed."""
    use(journey, window)
    journey.click(FILE_MENU)
    journey.keys("x")
    notices = 0
    while alive(pid):
        boxes = journey.visible(CONFLICT_TITLE)
        if boxes:
            journey.xdo("windowraise", boxes[0])
            journey.xdo("windowfocus", "--sync", boxes[0])
            journey.keys("Return")
            wait_for("the notice to close", lambda: boxes[0] not in journey.visible(CONFLICT_TITLE))
            notices += 1
        wait_for("a notice or the program's end", lambda: not alive(pid) or journey.visible(CONFLICT_TITLE))
    return notices


def run(journey, cleanups):
    journey.prepare()
    journey.start()
    first = journey.window
    first_pid = journey.program.pid

    journey.click(FILE_MENU)
    journey.keys("n")
    windows = wait_for("the second window", lambda: len(journey.visible(TITLE)) == 2 and journey.visible(TITLE))
    second = next(w for w in windows if w != first)
    second_pid = int(journey.xdo("getwindowpid", second)[0])
    cleanups.append(lambda: alive(second_pid) and os.kill(second_pid, 9))
    journey.xdo("windowmove", second, "300", "0")

    use(journey, first)
    search_register_and_watch(journey, "FROM_A", 0)
    use(journey, second)
    search_register_and_watch(journey, "FROM_B", 1)

    if close_answering_conflicts(journey, first, first_pid):
        raise Failure("the first close, with nothing changed on disk, told of a conflict")
    notices = close_answering_conflicts(journey, second, second_pid)
    check_files(journey.scratch, notices)


def check_files(scratch, notices):
    def everything(name):
        data = b""
        for path in sorted(glob.glob(os.path.join(scratch, name + "*"))):
            with open(path, "rb") as f:
                data += f.read()
        return data

    for name, marks in (("ribemo.ask", (b"\tFROM_A\r\n", b"\tFROM_B\r\n")),
                        ("ribemo.fal", (b"/search?q=FROM_A&t=-1\r\n", b"/search?q=FROM_B&t=-1\r\n"))):
        with open(os.path.join(scratch, name), "rb") as f:
            if marks[1] not in f.read():
                raise Failure(f"{name} lacks the second window's {marks[1]!r}")
        kept = everything(name + ".conflict-")
        if marks[0] not in kept:
            raise Failure(f"no conflict copy of {name} holds the first window's {marks[0]!r}")
    if notices != 2:
        raise Failure(f"the second close told of {notices} conflict copies, expected 2")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            print(f"two_windows: {tool} is not installed (bash build.sh test installs it)", file=sys.stderr)
            return 1
    return run_case("two_windows", os.path.abspath(sys.argv[1]), run)


if __name__ == "__main__":
    sys.exit(main())
