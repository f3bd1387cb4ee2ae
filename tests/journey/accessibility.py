#!/usr/bin/python3
"""The main window as a screen reader meets it on the accessibility bus (AT-SPI).

Starts a session bus and the accessibility bus beside the journey's X server, starts the program
with its accessibility always on, and reads its tree with pyatspi: every push button, page tab, box,
tree, list and the status bar must have a name; both tab strips must be page tabs named by their
captions; a search pressed through the accessible action must be heard on the status bar (its name
changes when the search starts and when it ends) and leave the address readable there.

    accessibility.py <build folder> [X display number]
"""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import journey  # noqa: E402

NAMED_ROLES = {"push button", "page tab", "combo box", "tree", "tree table", "table", "list", "status bar",
               "page tab list", "grip", "animation", "text"}


def start_buses(jr, cleanups):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    cleanups.append(lambda: journey.stop(bus))
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    os.environ["DISPLAY"] = jr.display
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    cleanups.append(lambda: journey.stop(launcher))


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def run(jr, cleanups):
    start_buses(jr, cleanups)
    import pyatspi
    from gi.repository import GLib

    jr.prepare()
    jr.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    desktop = pyatspi.Registry.getDesktop(0)

    def program():
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and any(w.name == journey.TITLE for w in app):
                return app
        return None

    app = journey.wait_for("the program on the accessibility bus", program)
    window = next(w for w in app if w.name == journey.TITLE)
    nodes = list(walk(window))
    showing = [n for n in nodes if n.getState().contains(pyatspi.STATE_SHOWING)]
    nameless = [f"{n.getRoleName()} in {n.parent.getRoleName()} {n.parent.name!r}" for n in showing
                if n.getRoleName() in NAMED_ROLES and not n.name]
    if nameless:
        raise journey.Failure("nameless controls: " + "; ".join(nameless))
    checked = sum(n.getRoleName() in NAMED_ROLES for n in showing)
    if checked < 25:
        raise journey.Failure(f"only {checked} controls on the bus: the tree was not read whole")
    print(f"{checked} controls named")

    strips = {n.name: [c.name for c in n] for n in nodes if n.getRoleName() == "page tab list"}
    journey.expect("keyword tabs", strips.get("キーワードのタブ"), ["KEY #1", "KEY #2", "KEY #3"])
    journey.expect("result tabs", strips.get("検索結果のタブ"), ["最近落札されたオークション", "現在開催中のオークション"])

    bar = next(n for n in nodes if n.getRoleName() == "status bar")
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.name) if e.source.getRoleName() == "status bar" else None,
        "object:property-change:accessible-name")

    def pumped(condition):
        def check():
            while GLib.MainContext.default().iteration(False):
                pass
            return condition()
        return check

    box = next(n for n in nodes if n.getRoleName() == "combo box" and n.name == "キーワード")
    edit = next(n for n in walk(box) if n.getRoleName() == "text")
    edit.queryEditableText().setTextContents("camera")
    search = next(n for n in nodes if n.getRoleName() == "push button" and n.name == "検索")
    search.queryAction().doAction(0)
    jr.request("GET /search?q=camera&t=-1 HTTP/1.1")
    address = f"{jr.base}search?q=camera&t=-1"
    journey.wait_for("the address on the status bar", pumped(lambda: bar.name == f"現在のURL : {address}"))
    journey.wait_for("the search heard starting and ending", pumped(
        lambda: any(h.startswith("検索中") for h in heard) and heard[-1].startswith("現在のURL")))
    if os.environ.get("RIBEMO_SCREENSHOT"):
        subprocess.run(["import", "-window", "root", os.environ["RIBEMO_SCREENSHOT"]], timeout=60)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        print("accessibility: python3-pyatspi is not installed", file=sys.stderr)
        return 77
    if not (os.path.exists("/usr/libexec/at-spi-bus-launcher") and shutil.which("dbus-daemon")):
        print("accessibility: at-spi2-core or dbus-daemon is not installed", file=sys.stderr)
        return 77
    if len(sys.argv) == 3:
        # A display the caller owns, instead of a free one found at random.
        number = sys.argv[2]
        journey.start_xvfb = lambda: start_own_xvfb(number)
    return journey.run_case("accessibility", os.path.abspath(sys.argv[1]), run)


def start_own_xvfb(number):
    if os.path.exists(f"/tmp/.X11-unix/X{number}"):
        raise journey.Failure(f"display :{number} is taken")
    server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    journey.wait_for("the X server", lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 30)
    return server, f":{number}"


if __name__ == "__main__":
    sys.exit(main())
