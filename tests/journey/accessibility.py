#!/usr/bin/python3
"""The main window on the accessibility bus (AT-SPI), read with pyatspi as a screen reader reads it:
every control named, both tab strips page tabs named by their captions, and a search pressed through
the accessible actions heard on the status bar when it starts and ends, its address left readable.

    accessibility.py <build folder> [X display number, instead of a free one found at random]
"""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import journey  # noqa: E402

NAMED = {"push button", "page tab", "page tab list", "combo box", "text", "tree", "table", "status bar",
         "animation", "label"}


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def run(jr, cleanups):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    cleanups.append(lambda: journey.stop(bus))
    os.environ.update(DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(), DISPLAY=jr.display)
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    cleanups.append(lambda: journey.stop(launcher))
    import pyatspi
    from gi.repository import GLib

    jr.prepare()
    jr.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    desktop = pyatspi.Registry.getDesktop(0)
    window = journey.wait_for("the window on the bus", lambda: next(
        (w for app in desktop if app is not None for w in app if w.name == journey.TITLE), None))
    showing = [n for n in walk(window) if n.getState().contains(pyatspi.STATE_SHOWING)]
    nameless = [f"{n.getRoleName()} in {n.parent.name!r}" for n in showing if n.getRoleName() in NAMED and not n.name]
    if nameless or len(showing) < 40:
        raise journey.Failure(f"nameless: {nameless} ({len(showing)} shown)")
    strips = {n.name: [c.name for c in n] for n in showing if n.getRoleName() == "page tab list"}
    journey.expect("tab strips", strips, {"キーワードのタブ": ["KEY #1", "KEY #2", "KEY #3"],
                                          "検索結果のタブ": ["最近落札されたオークション", "現在開催中のオークション"]})

    def role(name, label):
        return next(n for n in showing if n.getRoleName() == name and n.name == label)

    bar = next(n for n in showing if n.getRoleName() == "status bar")
    heard = []
    # The name the event carries, not the bar's name when the event is read: by then a quick page
    # may have ended the search already.
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.any_data if isinstance(e.any_data, str) else e.source.name)
        if e.source.getRoleName() == "status bar" else None,
        "object:property-change:accessible-name")
    next(n for n in walk(role("combo box", "キーワード")) if n.getRoleName() == "text") \
        .queryEditableText().setTextContents("camera")
    role("push button", "検索").queryAction().doAction(0)
    jr.request("GET /search?q=camera&t=-1 HTTP/1.1")
    ended = f"現在のURL : {jr.base}search?q=camera&t=-1"

    def heard_the_end():
        while GLib.MainContext.default().iteration(False):
            pass
        # The start is announced too, but a page this quick may have ended the search before the
        # reader asks for the start's name; the end is what must be heard.
        return bool(heard) and heard[-1] == ended

    try:
        journey.wait_for("the search's end heard on the status bar", heard_the_end)
    except journey.Failure as failure:
        raise journey.Failure(f"{failure}; heard: {heard[-5:]}, bar: {bar.name}") from None
    journey.expect("status bar", bar.name, ended)


def own_xvfb(number):
    if os.path.exists(f"/tmp/.X11-unix/X{number}"):
        raise journey.Failure(f"display :{number} is taken")
    server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    journey.wait_for("the X server", lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 30)
    return server, f":{number}"


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        return 77
    if not (os.path.exists("/usr/libexec/at-spi-bus-launcher") and shutil.which("dbus-daemon")):
        return 77
    if len(sys.argv) == 3:
        journey.start_xvfb = lambda: own_xvfb(sys.argv[2])
    return journey.run_case("accessibility", os.path.abspath(sys.argv[1]), run)


if __name__ == "__main__":
    sys.exit(main())
