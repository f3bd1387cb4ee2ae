#!/usr/bin/env python3
"""The display ending under the running program: the X server goes away (as at the end of a session
without a session manager) while a keyword added in this run is only in the window. The program
cannot ask anything any more, but it saves the files on its way out, as at a logout.

    display_end.py <build folder>
"""
import os
import signal
import sys

from journey import KEYWORD_BOX, Failure, expect, run_case, sjis, wait_for


def end_display(journey):
    """Ends the X server this case's harness started, the way a session's end does: by a signal."""
    with open(f"/tmp/.X{journey.display.lstrip(':')}-lock") as lock:
        os.kill(int(lock.read().strip()), signal.SIGTERM)


def body(journey, cleanups):
    journey.prepare()
    journey.start()
    journey.click(KEYWORD_BOX)
    journey.type("kept")
    journey.register_keyword("kept")
    journey.click(KEYWORD_BOX)
    journey.keys("Return")
    journey.request("GET /search?q=kept&t=-1 HTTP/1.1")

    end_display(journey)
    wait_for("the program to end", lambda: journey.program.poll() is not None)
    with open(os.path.join(journey.scratch, "ribemo.ask"), "rb") as f:
        expect("ribemo.ask", f.read(), sjis("検索キーワード\r\n\tkept\r\n"))
    with open(os.path.join(journey.scratch, "ribemo.ini"), "rb") as f:
        if b"[ETC]\r\n" not in f.read():  # a section the prepared file lacks
            raise Failure("ribemo.ini was not saved")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    return run_case("display_end", os.path.abspath(sys.argv[1]), body)


if __name__ == "__main__":
    sys.exit(main())
