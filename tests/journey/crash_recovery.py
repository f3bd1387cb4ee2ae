#!/usr/bin/env python3
"""A run killed with SIGKILL at a real X server, and the next start.

A keyword is searched, registered in the tree and its page added to the watched list; once the
hidden recovery record holds both, the program is killed as the kernel's out-of-memory killer or a
power cut would end it. The next start asks whether to bring the changes back; Enter answers はい,
and the close from the File menu saves them: the keyword is in ribemo.ask and the page in
ribemo.fal, once each, and no record is left. A start after that clean close asks nothing.

    crash_recovery.py <build folder>
"""
import glob
import os
import shutil
import signal
import sys

from journey import (ADD_BUTTON, FILE_MENU, KEYWORD_BOX, PAGE_TITLE, Failure, case_main, stop_group,
                     wait_for)

QUESTION_TITLE = "変更の復元"




def restart(journey, while_waiting):
    """Starts the program again in its folder, as the same user."""
    for name in ("home", "run"):
        shutil.rmtree(os.path.join(journey.scratch, name))
    journey.start(while_waiting)


def run(journey, cleanups):
    journey.prepare()
    journey.start()
    journey.click(KEYWORD_BOX)
    journey.type("crashword")
    journey.keys("Return")
    journey.request("GET /search?q=crashword&t=-1 HTTP/1.1")
    journey.request("GET /search.png HTTP/1.1")
    journey.register_keyword("crashword")
    journey.click(ADD_BUTTON)
    page = f"{PAGE_TITLE},{journey.base}search?q=crashword&t=-1\r\n".encode("cp932")
    wait_for("the record to hold the watched page too",
             lambda: page in journey.recovery_records())
    os.kill(journey.program.pid, signal.SIGKILL)
    journey.program.wait()
    stop_group(journey.program)  # the browser engine's helpers, left without their program

    asked = []

    def answer_with_enter():
        boxes = journey.visible(QUESTION_TITLE)
        if boxes and boxes[0] not in asked:
            asked.append(boxes[0])
            journey.xdo("windowfocus", "--sync", boxes[0])
            journey.keys("Return")

    restart(journey, answer_with_enter)
    if not asked:
        raise Failure("the start after the kill asked nothing")
    journey.click(FILE_MENU)
    journey.keys("x")
    wait_for("the program to end", lambda: journey.program.poll() is not None)

    def read(name):
        with open(os.path.join(journey.scratch, name), "rb") as f:
            return f.read()

    if read("ribemo.ask").count(b"\tcrashword\r\n") != 1:
        raise Failure(f"ribemo.ask holds {read('ribemo.ask')!r}")
    if read("ribemo.fal") != page:
        raise Failure(f"ribemo.fal holds {read('ribemo.fal')!r}")
    left = glob.glob(os.path.join(journey.scratch, "*ribemo.recovery-*"))
    if left:
        raise Failure(f"the clean close left {left}")

    restart(journey, answer_with_enter)
    if len(asked) != 1:
        raise Failure("the start after a clean close asked a question")


if __name__ == "__main__":
    sys.exit(case_main("crash_recovery", __doc__, run))
