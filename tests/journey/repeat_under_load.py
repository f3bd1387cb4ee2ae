#!/usr/bin/env python3
"""Runs a real-X case again and again with the processors kept busy beside it.

A case that only passes on a quiet machine waits on time somewhere, or the program drops an event
in some order of arrival; busy loops beside it bring such orders about. Stops at the first failure
(whose report tells what the program and the input method saw) and prints the time of every run.

    repeat_under_load.py <build folder> <journey.py | input_method.py> [runs (30)] [busy loops (2)]
"""
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    build, case = os.path.abspath(sys.argv[1]), sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 30
    loops = int(sys.argv[4]) if len(sys.argv) > 4 else 2
    busy = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(loops)]
    times = []
    try:
        for run in range(1, runs + 1):
            start = time.monotonic()
            result = subprocess.run([sys.executable, os.path.join(HERE, case), build],
                                    capture_output=True, text=True)
            times.append(time.monotonic() - start)
            print(f"run {run}: {'passed' if result.returncode == 0 else 'FAILED'} in {times[-1]:.1f} s", flush=True)
            if result.returncode != 0:
                print(result.stdout, result.stderr, sep="\n", file=sys.stderr)
                return 1
    finally:
        for loop in busy:
            loop.kill()
            loop.wait()
    print(f"{case}: {runs} runs in a row passed beside {loops} busy loops; "
          f"{min(times):.1f} s to {max(times):.1f} s a run, {sum(times) / len(times):.1f} s on average")
    return 0


if __name__ == "__main__":
    sys.exit(main())
