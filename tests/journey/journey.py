#!/usr/bin/env python3
"""A user's journey through the built program at a real X server.

Starts its own Xvfb on a free display, a loopback HTTP server that logs the raw request lines, and
the program copied into a scratch folder with a prepared settings file. It then types, clicks and
presses keys with xdotool as a user would, closes the program from its File menu and checks the
bytes of the files it wrote. Every wait is on something observable (a window, a logged request, the
program's exit), never a fixed sleep, so a slow shared machine only makes it slower.

    journey.py <build folder>
"""
import glob
import http.server
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

TITLE = "Ribemo☆オークション相場チェック"
OPTIONS_TITLE = "オプション設定"
PAGE_TITLE = "相場ページ"
WAIT = 90  # seconds; generous, for a loaded machine

# Points inside the controls, relative to the main window, for the layout a first start without
# band settings gives (every band on its own row, window at 870 x 720).
KEYWORD_BOX = (219, 32)
ADDRESS_BOX = (272, 172)
FIRST_NODE = (84, 276)  # below the two rows of keyword tabs and the filter box
ADD_BUTTON = (837, 637)
WATCHED_ROW = (300, 637)  # the first row of the watched list, left of the add button
FILE_MENU = (37, 7)
TOOLS_MENU = (280, 7)
URL_FIELD = (222, 51)  # in the options dialog


def sjis(text):
    return text.encode("cp932")


class Failure(Exception):
    pass


def wait_for(what, condition, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    raise Failure(f"timed out waiting for {what}")


class RequestLog(http.server.ThreadingHTTPServer):
    """Answers every GET with a small page and keeps the raw request lines."""

    def __init__(self):
        self.lines = []
        self.lock = threading.Lock()
        super().__init__(("127.0.0.1", 0), RequestHandler)

    def seen(self, line):
        with self.lock:
            return self.lines.count(line)


class RequestHandler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with self.server.lock:
            self.server.lines.append(self.raw_requestline.rstrip(b"\r\n"))
        if self.path == "/favicon.ico":
            self.send_error(404)
            return
        # The picture at the end tells the journey the page (and its title) has been read.
        body = (
            '<!DOCTYPE html><html><head><meta charset="UTF-8"><title>%s</title></head>'
            '<body><p>%s</p><img src="%s.png"></body></html>' % (PAGE_TITLE, self.path, self.path.split("?")[0])
        ).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=UTF-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the browser gave the page up for the next one

    def log_message(self, *args):
        pass


def start_xvfb():
    """An X server on a display number nobody uses: random in a high range, checked free."""
    for _ in range(20):
        display = random.randint(300, 899)
        if os.path.exists(f"/tmp/.X11-unix/X{display}") or os.path.exists(f"/tmp/.X{display}-lock"):
            continue
        # -noreset: the server keeps its keymap (keep_in_keymap) while no client is connected.
        server = subprocess.Popen(
            ["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for("the X server", lambda: server.poll() is not None or os.path.exists(f"/tmp/.X11-unix/X{display}"), 30)
        except Failure:
            stop(server)
            continue
        if server.poll() is None:
            return server, f":{display}"
        # Another server took the number between the check and the start: try the next one.
    raise Failure("no free X display found")


def stop(process):
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(15)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def stop_group(process):
    """The program and whatever it started (the browser engine's helpers), by its process group."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            break
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            try:
                os.killpg(process.pid, 0)
            except ProcessLookupError:
                break
            process.poll()
            time.sleep(0.1)
    process.poll()


class Journey:
    def __init__(self, build, scratch, display, server):
        self.build, self.scratch, self.display, self.server = build, scratch, display, server
        self.port = server.server_address[1]
        self.base = f"http://127.0.0.1:{self.port}/"
        self.program = None
        self.window = None

    # ---- the X display

    def xdo(self, *args):
        result = subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.display},
                                capture_output=True, text=True, timeout=60)
        return result.stdout.split()

    def visible(self, name):
        return self.xdo("search", "--onlyvisible", "--name", f"^{name}$")

    def click(self, point, button=1, window=None):
        self.xdo("mousemove", "--window", window or self.window, str(point[0]), str(point[1]), "click", str(button))

    def keys(self, *names):
        self.xdo("key", "--delay", "30", *names)

    def type(self, text):
        self.xdo("type", "--delay", "40", text)

    def log_path(self):
        return os.path.join(self.scratch, "ribemo.log")

    def program_log(self):
        try:
            with open(self.log_path(), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def keep_in_keymap(self, characters):
        """Gives each character a key of its own for the whole run. xdotool otherwise lends a spare
        key to a character only while it types it, and the program, which reads the changed keymap
        when it comes to the key, may find the key lent back already: the character is lost (seen
        on a loaded machine with the last character of a word)."""
        env = {**os.environ, "DISPLAY": self.display}
        keymap = subprocess.run(["xkbcomp", "-xkb", self.display, "-"], env=env, capture_output=True,
                                text=True, check=True, timeout=60).stdout
        codes_at = keymap.index("xkb_keycodes")
        symbols_at = keymap.index("xkb_symbols")
        symbols_end = keymap.index("\n};", symbols_at)
        codes = re.findall(r"<(\w+)>\s*=\s*(\d+);", keymap[codes_at:keymap.index("\n};", codes_at)])
        taken = set(re.findall(r"key\s+<(\w+)>", keymap[symbols_at:symbols_end]))
        free = [name for name, code in sorted(codes, key=lambda c: int(c[1])) if name not in taken and int(code) <= 255]
        wanted = sorted(set(characters))
        if len(free) < len(wanted):
            raise Failure(f"no free keys for {len(wanted)} characters")
        keys = "".join(f"    key <{name}> {{ [ U{ord(c):04X} ] }};\n" for name, c in zip(free, wanted))
        keymap = keymap[:symbols_end] + "\n" + keys + keymap[symbols_end:]
        subprocess.run(["xkbcomp", "-w", "0", "-", self.display], input=keymap, env=env, capture_output=True,
                       text=True, check=True, timeout=60)

    def recovery_records(self):
        """What the recovery records of the copies running in the scratch folder hold, joined."""
        data = b""
        for path in glob.glob(os.path.join(self.scratch, ".ribemo.recovery-*")):
            if not path.endswith(".lock"):
                with open(path, "rb") as f:
                    data += f.read()
        return data

    def register_keyword(self, keyword):
        """Registers what the keyword box holds under the first node, from the tree's menu, and
        waits until the program has done it. While its menu is open the program holds the pointer,
        so a click sent before the program has taken the menu's Enter would go to the closed menu
        and be lost; a user sees the menu still open and waits for it too."""
        self.click(FIRST_NODE, button=3)
        self.keys("Down", "Return")
        line = b"\t" + keyword.encode("cp932") + b"\r\n"
        wait_for(f"{keyword} to be registered", lambda: line in self.recovery_records())

    def request(self, line, count=1):
        wanted = line.encode()
        wait_for(f"request {line!r} ({count})", lambda: self.server.seen(wanted) >= count)

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(self.scratch, name)],
                       env={**os.environ, "DISPLAY": self.display}, capture_output=True, timeout=60)

    # ---- the program

    def prepare(self):
        shutil.copy2(os.path.join(self.build, "ribemo"), self.scratch)
        shutil.copy2(os.path.join(self.build, "ribemo-engine.so"), self.scratch)
        shutil.copytree(os.path.join(self.build, "HELP"), os.path.join(self.scratch, "HELP"))
        settings = (
            "[Form]\r\nLeft=0\r\nTop=0\r\nWidth=870\r\nHeight=720\r\n"
            f"[Aucfun]\r\nURL={self.base}\r\nSoubaCheck=search?q=$KEY$&t=-1\r\nKaisaiCheck=search2?q=$KEY$\r\n"
            f"[LinkBar]\r\nYahooURL={self.base}yahoo?p=$KEY$\r\nBiddersURL={self.base}bidders?k=$KEY$\r\n"
        )
        with open(os.path.join(self.scratch, "ribemo.ini"), "wb") as f:
            f.write(settings.encode("ascii"))

    def start(self, while_waiting=None, **extra_env):
        """Starts the program and waits for its main window; while_waiting() runs at each look
        (to answer a question the start asks before the window shows)."""
        home = os.path.join(self.scratch, "home")
        runtime = os.path.join(self.scratch, "run")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "QT_IM_MODULE", "XMODIFIERS", "GTK_IM_MODULE", "WAYLAND_DISPLAY")}
        # The program logs the keys and input-method text its two boxes receive, so a failure can
        # tell what it saw.
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", HOME=home, XDG_RUNTIME_DIR=runtime,
                   QT_LOGGING_RULES="ribemo.input.debug=true;ribemo.pane.debug=true",
                   QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking "
                                              "--disable-component-update --no-first-run", **extra_env)
        log = open(self.log_path(), "wb")
        self.program = subprocess.Popen([os.path.join(self.scratch, "ribemo")], cwd=self.scratch, env=env,
                                        stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        windows = wait_for("the main window", lambda: (while_waiting and while_waiting()) or self.visible(TITLE))
        self.window = windows[0]
        self.xdo("windowfocus", "--sync", self.window)

    # ---- the journey

    def run(self):
        self.keep_in_keymap("時計カメラ腕")
        self.prepare()
        self.start()

        # Keywords: Enter, Shift+Enter, an entry taken from the open list, Japanese and keypad Enter.
        self.click(KEYWORD_BOX)
        self.type("watch")
        self.keys("Return")
        self.request("GET /search?q=watch&t=-1 HTTP/1.1")
        self.keys("ctrl+a")
        self.type("a b")
        self.keys("shift+Return")
        self.request("GET /search?q=a+b&t=-1 HTTP/1.1")
        self.keys("alt+Down", "End", "Return")  # the list holds "a b", "watch"
        self.request("GET /search?q=watch&t=-1 HTTP/1.1", count=2)
        self.keys("ctrl+a")
        self.type("時計")
        self.keys("KP_Enter")
        self.request("GET /search?q=%BB%FE%B7%D7&t=-1 HTTP/1.1")

        # An address typed and sent with Enter, exactly as typed.
        self.click(ADDRESS_BOX)
        self.keys("ctrl+a")
        self.type(f"{self.base}typed/page?x=1")
        self.keys("Return")
        self.request("GET /typed/page?x=1 HTTP/1.1")
        self.request("GET /typed/page.png HTTP/1.1")

        # The tree: register the keyword by right-click, a new keyword by Shift+F10, typed over;
        # then the registered one renamed with F2.
        self.click(FIRST_NODE, button=3)
        self.keys("Down", "Return")
        self.keys("shift+F10", "Down", "Down", "Return")
        self.type("カメラ")
        self.keys("Return", "Up", "F2", "ctrl+a")
        self.type("腕時計")
        self.keys("Return")

        # The page shown goes into the watched list.
        self.click(ADD_BUTTON)

        # Options: Enter keeps what was typed, Esc drops it.
        for typed, leave in ((f"{self.base}ok/", "Return"), ("http://dropped.example/", "Escape")):
            self.click(TOOLS_MENU)
            self.keys("o")
            dialog = wait_for("the options dialog", lambda: self.visible(OPTIONS_TITLE))[0]
            self.click(URL_FIELD, window=dialog)
            self.keys("ctrl+a")
            self.type(typed)
            self.keys(leave)
            wait_for("the options dialog to close", lambda: not self.visible(OPTIONS_TITLE))
        self.click(KEYWORD_BOX)
        self.keys("Return")
        self.request("GET /ok/search?q=%BB%FE%B7%D7&t=-1 HTTP/1.1")

        # Saved keywords and watched pages from the keyboard: Enter on a node searches it, Enter on
        # a row opens it.
        self.click(FIRST_NODE)
        self.keys("Down", "Return")
        self.request("GET /ok/search?q=%CF%D3%BB%FE%B7%D7&t=-1 HTTP/1.1")
        self.click(WATCHED_ROW)
        self.keys("Return")
        self.request("GET /typed/page?x=1 HTTP/1.1", count=2)

        self.screenshot("before-close.png")
        self.click(FILE_MENU)
        self.keys("x")
        wait_for("the program to end", lambda: self.program.poll() is not None)
        if self.program.returncode != 0:
            raise Failure(f"the program ended with {self.program.returncode}")
        self.check_files()

    def check_files(self):
        def read(name):
            with open(os.path.join(self.scratch, name), "rb") as f:
                return f.read()

        expect("ribemo.ask", read("ribemo.ask"), sjis("検索キーワード\r\n\t腕時計\r\n\tカメラ\r\n"))
        expect("ribemo.fal", read("ribemo.fal"), sjis(f"{PAGE_TITLE},{self.base}typed/page?x=1\r\n"))
        settings = read("ribemo.ini")
        for line in (f"URL={self.base}ok/", "SoubaCheck=search?q=$KEY$&t=-1",
                     f"YahooURL={self.base}yahoo?p=$KEY$", "Left=0", "Width=870"):
            if b"\r\n" + line.encode() + b"\r\n" not in settings:
                raise Failure(f"ribemo.ini lacks the line {line!r}:\n{settings!r}")
        if b"dropped" in settings:
            raise Failure("ribemo.ini holds what the cancelled options dialog had")
        if settings.replace(b"\r\n", b"").find(b"\n") >= 0:
            raise Failure("ribemo.ini has a line end other than CR LF")


def expect(name, got, wanted):
    if got != wanted:
        raise Failure(f"{name} holds {got!r}, expected {wanted!r}")


def main():
    return case_main("journey", __doc__, lambda journey, cleanups: journey.run())


def case_main(name, usage, body):
    """A case's command line, <build folder>: the tools checked, then run_case."""
    if len(sys.argv) != 2:
        print(usage, file=sys.stderr)
        return 2
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            print(f"{name}: {tool} is not installed (bash build.sh test installs it)", file=sys.stderr)
            return 1
    return run_case(name, os.path.abspath(sys.argv[1]), body)


def run_case(name, build, body):
    """Runs body(journey, cleanups) with an X server, a loopback server and a scratch folder of its
    own, then ends the program, whatever body added to cleanups, and the servers. A failure is told
    with what was seen and the scratch folder is kept for a look."""
    scratch = tempfile.mkdtemp(prefix=f"ribemo-{name}-")
    server = RequestLog()
    threading.Thread(target=server.serve_forever, daemon=True).start()
    xvfb = journey = None
    cleanups = []
    try:
        xvfb, display = start_xvfb()
        journey = Journey(build, scratch, display, server)
        body(journey, cleanups)
    except Exception as error:  # noqa: BLE001 - every failure is reported with what was seen
        if journey and journey.program:
            journey.screenshot("failure.png")
        print(f"{name} failed: {error}", file=sys.stderr)
        if journey:
            print("window with the keyboard:", journey.xdo("getwindowfocus", "getwindowname"), file=sys.stderr)
            seen = [line for line in journey.program_log().splitlines() if line.startswith("ribemo.input")]
            print("what the boxes received (last 40):", *seen[-40:], sep="\n  ", file=sys.stderr)
        print("requests seen:", *server.lines, sep="\n  ", file=sys.stderr)
        print(f"scratch folder kept: {scratch}", file=sys.stderr)
        return 1
    finally:
        if journey and journey.program:
            stop_group(journey.program)
        for cleanup in reversed(cleanups):
            cleanup()
        if xvfb:
            stop(xvfb)
        server.shutdown()
    print(f"{name} passed:", *(line.decode() for line in server.lines), sep="\n  ")
    shutil.rmtree(scratch, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
