#!/usr/bin/env python3
"""What the user feels at a real X display: Ribemo beside a bare web view.

    python3 bench/latency/enter_to_request.py BUILD [--rounds N] [--hold SECONDS] [--display N]

Starts an X server of its own (on a free display unless one is named), a window manager when
openbox is there, and a loopback HTTP server that notes the moment each request line arrives.
The built program (a copy in a scratch folder, its settings pointing at the loopback server) and
the bare view (BUILD/latency_bare: a line edit over a web view, Enter calls load()) stand side by
side. Each round types a fresh keyword into each window's box and presses Enter through the X
test extension; the time from the key to the request line is taken for both, alternating which
goes first. Then, unless --hold 0, each program holds a load the server never answers, and the
processor time of its whole process tree (engine processes included) is taken over that span.
Prints Markdown table rows: median and p90 of each, their ratios, and the processor share.
"""
import argparse
import ctypes
import os
import random
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time

TITLE = "Ribemo☆オークション相場チェック"
BARE_TITLE = "latency-bare"
KEYWORD_BOX = (219, 32)  # in the main window at its first start, as the journey finds them
ADDRESS_BOX = (272, 172)
BARE_BOX = (200, 10)
WAIT = 90
ENGINE_FLAGS = "--disable-gpu --disable-background-networking --disable-component-update --no-first-run"


def wait_for(what, condition, timeout=WAIT):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    raise RuntimeError(f"timed out waiting for {what}")


class LoopbackServer:
    """Notes when each request line arrives; /hold/... is never answered until the end."""

    def __init__(self):
        self.sock = socket.socket()
        self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(64)
        self.port = self.sock.getsockname()[1]
        self.arrivals = {}  # path -> monotonic ns of the first bytes of its request
        self.lock = threading.Lock()
        self.release = threading.Event()
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            try:
                conn, _ = self.sock.accept()
            except OSError:
                return
            threading.Thread(target=self.serve, args=(conn,), daemon=True).start()

    def serve(self, conn):
        with conn:
            data = b""
            first = None
            while b"\r\n\r\n" not in data:
                chunk = conn.recv(65536)
                if not chunk:
                    return
                if first is None:
                    first = time.monotonic_ns()
                data += chunk
            path = data.split(b"\r\n", 1)[0].split(b" ")[1].decode("latin-1")
            with self.lock:
                self.arrivals.setdefault(path, first)
            if path.startswith("/hold/"):
                self.release.wait()
                return
            body = b"<!DOCTYPE html><html><head><title>page</title></head><body><p>result</p></body></html>"
            status = b"200 OK" if not path.startswith("/favicon") else b"404 Not Found"
            conn.sendall(b"HTTP/1.1 " + status + b"\r\nContent-Type: text/html\r\nCache-Control: no-store\r\n"
                         b"Content-Length: " + str(len(body)).encode() + b"\r\nConnection: close\r\n\r\n" + body)

    def arrival(self, path):
        with self.lock:
            return self.arrivals.get(path)


class XTest:
    """Keys sent straight through the X test extension: no helper process between the clock and the key."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open the X display")
        self.enter = self.x11.XKeysymToKeycode(self.dpy, 0xFF0D)

    def press_enter(self):
        self.xtst.XTestFakeKeyEvent(self.dpy, self.enter, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.dpy, self.enter, 0, 0)
        sent = time.monotonic_ns()
        self.x11.XFlush(self.dpy)
        return sent


def free_display(wanted):
    if wanted is not None:
        if os.path.exists(f"/tmp/.X11-unix/X{wanted}") or os.path.exists(f"/tmp/.X{wanted}-lock"):
            raise RuntimeError(f"display :{wanted} is in use")
        return wanted
    for _ in range(200):
        n = random.randint(300, 899)
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    raise RuntimeError("no free X display")


def process_tree(root):
    """root and every process below it."""
    parents = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    fields = f.read().rsplit(")", 1)[1].split()
                parents.setdefault(int(fields[1]), []).append(int(entry))
            except OSError:
                pass
    tree, pending = [], [root]
    while pending:
        pid = pending.pop()
        tree.append(pid)
        pending.extend(parents.get(pid, []))
    return tree


def cpu_ticks(pids):
    total = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])  # utime, stime
        except OSError:
            pass
    return total


def pct(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


class Bench:
    def __init__(self, build, scratch, display, server):
        self.build, self.scratch, self.display, self.server = build, scratch, display, server
        self.base = f"http://127.0.0.1:{server.port}/"
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "QT_IM_MODULE", "XMODIFIERS", "GTK_IM_MODULE",
                                 "WAYLAND_DISPLAY", "QT_QUICK_BACKEND")}
        runtime = os.path.join(scratch, "run")
        os.makedirs(runtime, mode=0o700)
        self.env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=os.path.join(scratch, "home"),
                        XDG_RUNTIME_DIR=runtime, QTWEBENGINE_CHROMIUM_FLAGS=ENGINE_FLAGS)
        self.processes = []

    def xdo(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=60).stdout.split()

    def launch(self, program, title):
        log = open(os.path.join(self.scratch, os.path.basename(program) + ".log"), "wb")
        process = subprocess.Popen([program], cwd=os.path.dirname(program), env=self.env, stdout=log,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        self.processes.append(process)
        window = wait_for(title, lambda: self.xdo("search", "--onlyvisible", "--name", f"^{title}$"))[0]
        return process, window

    def start(self):
        program = os.path.join(self.scratch, "ribemo")
        shutil.copy2(os.path.join(self.build, "ribemo"), program)
        shutil.copy2(os.path.join(self.build, "ribemo-engine.so"), self.scratch)
        shutil.copytree(os.path.join(self.build, "HELP"), os.path.join(self.scratch, "HELP"))
        settings = ("[Form]\r\nLeft=0\r\nTop=0\r\nWidth=870\r\nHeight=720\r\n"
                    f"[Aucfun]\r\nURL={self.base}\r\nSoubaCheck=search?q=$KEY$&t=-1\r\n"
                    "KaisaiCheck=search2?q=$KEY$\r\n")
        with open(os.path.join(self.scratch, "ribemo.ini"), "wb") as f:
            f.write(settings.encode("ascii"))
        bare = os.path.join(self.scratch, "bare", "latency_bare")
        os.makedirs(os.path.dirname(bare))
        shutil.copy2(os.path.join(self.build, "latency_bare"), bare)
        self.ribemo, self.ribemo_window = self.launch(program, TITLE)
        self.bare, self.bare_window = self.launch(bare, BARE_TITLE)
        self.xdo("windowmove", self.bare_window, "890", "0")

    def warm_up(self, xtest):
        """One round each that is not counted, tried again until its request arrives: both
        engines are running and their windows take keys before the clock is used. An engine
        that never hands on its first request (seen once in many runs) is started afresh."""
        for which in ("ribemo", "bare"):
            for attempt in range(6):
                try:
                    self.enter_round(xtest, which, f"warm{attempt}x", timeout=20)
                    break
                except RuntimeError:
                    if attempt == 5:
                        self.print_logs()
                        raise
                    if attempt == 2:
                        self.relaunch(which)

    def relaunch(self, which):
        process = self.ribemo if which == "ribemo" else self.bare
        os.killpg(process.pid, 9)
        process.wait()
        self.processes.remove(process)
        if which == "ribemo":
            self.ribemo, self.ribemo_window = self.launch(os.path.join(self.scratch, "ribemo"), TITLE)
        else:
            self.bare, self.bare_window = self.launch(os.path.join(self.scratch, "bare", "latency_bare"), BARE_TITLE)
            self.xdo("windowmove", self.bare_window, "890", "0")

    def print_logs(self):
        for name in ("ribemo.log", "latency_bare.log"):
            with open(os.path.join(self.scratch, name), errors="replace") as log:
                print(f"--- {name} (end)\n{log.read()[-2000:]}", file=sys.stderr)

    def focus_box(self, window, box):
        self.xdo("windowactivate", "--sync", window) if self.wm else self.xdo("windowfocus", "--sync", window)
        self.xdo("mousemove", "--window", window, str(box[0]), str(box[1]), "click", "1")

    def type_into(self, window, box, text):
        self.focus_box(window, box)
        self.xdo("key", "ctrl+a")
        self.xdo("type", "--delay", "5", text)
        # Typing's own drawing and the pointer's hover are over before the clock starts.
        time.sleep(0.4)

    def enter_round(self, xtest, which, token, timeout=WAIT):
        if which == "ribemo":
            self.type_into(self.ribemo_window, KEYWORD_BOX, token)
            path = f"/search?q={token}&t=-1"
        else:
            path = f"/bare?q={token}&t=-1"
            self.type_into(self.bare_window, BARE_BOX, self.base + path[1:])
        sent = xtest.press_enter()
        arrived = wait_for(path, lambda: self.server.arrival(path), timeout)
        # The page is shown and the window quiet again before the next round.
        time.sleep(0.5)
        return (arrived - sent) / 1e6

    def held_load_cpu(self, which, seconds):
        """Processor share of the program's whole process tree while a load is held open."""
        if which == "ribemo":
            self.type_into(self.ribemo_window, ADDRESS_BOX, f"{self.base}hold/ribemo")
            process = self.ribemo
        else:
            self.type_into(self.bare_window, BARE_BOX, f"{self.base}hold/bare")
            process = self.bare
        self.xdo("key", "Return")
        wait_for("the held request", lambda: self.server.arrival(f"/hold/{which}"))
        time.sleep(1)
        pids = process_tree(process.pid)
        before, start = cpu_ticks(pids), time.monotonic()
        time.sleep(seconds)
        used = (cpu_ticks(pids) - before) / os.sysconf("SC_CLK_TCK")
        return 100 * used / (time.monotonic() - start)

    def stop(self):
        for process in self.processes:
            try:
                os.killpg(process.pid, 9)
            except ProcessLookupError:
                pass
            process.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--rounds", type=int, default=40)
    parser.add_argument("--hold", type=float, default=15)
    parser.add_argument("--display", type=int)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    display = free_display(args.display)
    xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1800x800x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    scratch = tempfile.mkdtemp(prefix="ribemo-latency-")
    server = LoopbackServer()
    bench = None
    wm = None
    try:
        wait_for("the X server", lambda: os.path.exists(f"/tmp/.X11-unix/X{display}"), 30)
        bench = Bench(build, scratch, f":{display}", server)
        if shutil.which("openbox"):
            wm = subprocess.Popen(["openbox"], env=bench.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1)
        bench.wm = wm is not None
        bench.start()
        xtest = XTest(f":{display}")
        bench.warm_up(xtest)
        times = {"ribemo": [], "bare": []}
        for n in range(args.rounds):
            order = ("ribemo", "bare") if n % 2 == 0 else ("bare", "ribemo")
            for which in order:
                times[which].append(bench.enter_round(xtest, which, f"k{n}x"))
        rows = []
        r, b = times["ribemo"], times["bare"]
        rm, bm, r9, b9 = statistics.median(r), statistics.median(b), pct(r, 90), pct(b, 90)
        rows.append(f"| Enter to the request, median of {args.rounds} alternated rounds | {rm:.1f} ms | "
                    f"bare QLineEdit + QWebEngineView {bm:.1f} ms | {rm / bm:.2f} | ≤ 1.3 |")
        rows.append(f"| Enter to the request, p90 | {r9:.1f} ms | bare view {b9:.1f} ms | {r9 / b9:.2f} | ≤ 1.3 |")
        if args.hold > 0:
            shares = {which: bench.held_load_cpu(which, args.hold) for which in ("ribemo", "bare")}
            rows.append(f"| processor time during a held load ({args.hold:.0f} s, busy animation on) | "
                        f"{shares['ribemo']:.1f} % of a core | bare view {shares['bare']:.1f} % | "
                        f"{shares['ribemo'] - shares['bare']:+.1f} points | ≤ 3 % |")
        print("\n".join(rows))
    finally:
        if bench:
            bench.stop()
        if wm:
            wm.kill()
            wm.wait()
        xvfb.terminate()
        xvfb.wait()
        server.release.set()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
