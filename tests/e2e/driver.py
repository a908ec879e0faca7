"""The end-to-end driver: the real viewer on an X server of the case's own, with a
private profile, driven by the keyboard, the real pointer and files dragged from GTK's
own drag source, and judged from screenshots read with PIL and numpy. Python, because
the cases are then short tables and a picture an array: one measure is a line of numpy."""
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Debian's python3 has them (python3-numpy, python3-pil; python3-gi for tools/drag_files).
MISSING = [name for name in ("numpy", "PIL", "gi") if importlib.util.find_spec(name) is None]
if MISSING:
    sys.exit(f"The end-to-end driver needs the Python modules {', '.join(MISSING)} in {sys.executable}.")

import numpy as np
from PIL import Image, ImageGrab

from pictures import bar_parts, lit, open_button_enabled, outline, rightmost_mark

CASES = {}  # a ctest name: (the case, its setting or None, under openbox, in the sanitizer build too)

def case(*settings, name=None, openbox=True, sanitize=False):
    """Registers a case as one ctest test, or as one test a setting (scale_2 runs scale(s, "2")).
    Every case runs in the release build; those with sanitize=True in the sanitizer build too."""
    def register(function):
        for setting in settings or (None,):
            CASES[(name or function.__name__) + (f"_{setting}" if setting else "")] = \
                (function, setting, openbox, sanitize)
        return function
    return register

class Failure(Exception):
    pass

def check(condition, expected):
    if not condition:
        raise Failure("expected " + expected)

def run(*words, check=True, data=None, timeout=15):
    """Runs a program, bounded in time so that a wedged server cannot hang a case."""
    done = subprocess.run([str(w) for w in words], input=data, capture_output=True, timeout=timeout)
    if check and done.returncode != 0:
        raise Failure(f"expected {words[0]} to succeed; it said: {done.stderr.decode(errors='replace')}")
    return done.stdout.decode(errors="replace")

def wait(condition, what, seconds=10):
    """Polls the condition until it holds and returns its value, else fails naming it; allows thrice the
    time asked, for a machine shared with builds (that costs nothing while all is quick)."""
    deadline = time.monotonic() + 3 * seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"expected {what() if callable(what) else what} within {3 * seconds} s")
        time.sleep(0.05)

def geometry(window):
    """(x, y, width, height) of a window, its corner on the screen."""
    info = dict(re.findall(r"^\s*([A-Z][\w -]*):\s+(-?\d+)$", run("xwininfo", "-id", window), re.M))
    return tuple(int(info[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

class Session:
    """One case's servers, viewer, files and artefacts."""

    def __init__(self, openbox):
        self.began, self.at = time.monotonic(), "setting up"
        self.art = os.environ["E2E_ARTEFACTS"]
        self.viewer, self.make_volume = os.environ["DORVANE"], os.environ["MAKE_VOLUME"]
        self.debug_build = os.environ.get("E2E_DEBUG_BUILD") == "1"
        self.wm = openbox
        shutil.rmtree(self.art, ignore_errors=True)
        os.makedirs(self.art)
        self.work = tempfile.mkdtemp()
        self.data = os.path.join(self.work, "data")
        os.makedirs(self.data)
        self.servers, self.app, self.main, self.shots = [], None, None, 0
        os.environ.update(GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="1", LC_ALL="C.UTF-8",
                          XDG_CONFIG_HOME=os.path.join(self.work, "config"), HOME=os.path.join(self.work, "home"))

    def say(self, what):  # a step, said as it begins with the time so far, to show where time goes
        print(f"-- {time.monotonic() - self.began:5.1f} s: {what}", flush=True)
        self.at = what

    def close(self):
        self.stop()
        for server in reversed(self.servers):
            server.kill()
            server.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def log(self, name):  # kept with the screenshots
        return open(os.path.join(self.art, name), "ab")

    # ---- Displays ----------------------------------------------------------------------
    def xvfb(self, *options):
        """An X server of the case's own; -noreset, or it resets whenever its last client leaves."""
        number = os.path.join(self.work, f"display-{len(self.servers)}")
        with open(number, "w") as out:
            self.servers.append(subprocess.Popen(["Xvfb", "-displayfd", str(out.fileno()), "-nolisten", "tcp",
                                                  "-noreset", *options], pass_fds=[out.fileno()],
                                                 stderr=self.log("xvfb.log")))
        os.environ["DISPLAY"] = ":" + wait(lambda: open(number).read().strip(), f"Xvfb {' '.join(options)} to start")
        if self.wm:
            self.servers.append(subprocess.Popen(["openbox", "--sm-disable"], stderr=self.log("openbox.log")))
            # The window the manager names on the root window outlives it, so it must still be there.
            named = lambda: re.search(r"id # (\w+)", run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
            wait(lambda: (m := named()) and run("xwininfo", "-id", m[1], check=False), "openbox to manage the display")

    def weston(self, xwayland):
        """A Wayland session. With XWayland, weston shows on an X server of its own, whose
        pointer and keyboard it passes on, and XWayland's display becomes DISPLAY; without,
        it runs headless and DISPLAY goes."""
        runtime = os.path.join(self.work, "runtime")
        os.makedirs(runtime, mode=0o700)
        os.environ.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-dorvane-test")
        os.environ.pop("DISPLAY", None)
        if xwayland:
            self.xvfb("-screen", "0", "1280x1024x24")
        backend = ["x11-backend.so", "--use-pixman", "--xwayland"] if xwayland else ["headless-backend.so"]
        self.servers.append(subprocess.Popen(["weston", "--backend=" + backend[0], *backend[1:],
                                              "--socket=wayland-dorvane-test", "--idle-time=0"],
                                             stdout=self.log("weston.log"), stderr=subprocess.STDOUT))
        log = os.path.join(self.art, "weston.log")
        if xwayland:
            os.environ["DISPLAY"] = wait(lambda: re.findall(r"xserver listening on display (:\d+)",
                                                            open(log).read()), "weston's XWayland")[0]
        else:
            wait(lambda: os.path.exists(os.path.join(runtime, "wayland-dorvane-test")), "weston")

    # ---- The viewer --------------------------------------------------------------------
    def launch(self, *arguments):
        if not self.servers:
            self.xvfb("-screen", "0", "1280x1024x24")
        for folder in (os.environ["XDG_CONFIG_HOME"], os.environ["HOME"]):
            shutil.rmtree(folder, ignore_errors=True)
            os.makedirs(folder)
        # Started in the home folder, as a desktop's launcher starts it: File, Open begins there.
        self.app = subprocess.Popen([self.viewer, *arguments], stdout=self.log("stdout.log"),
                                    stderr=self.log("stderr.log"), cwd=os.environ["HOME"])
        self.messages_seen = len(self.messages())

    def start(self, *arguments):
        self.launch(*arguments)
        self.wait_main()

    def wait_main(self):
        self.main = wait(lambda: next((w for w, t, k in self.windows() if t == "Dorvane" and k != "DIALOG"), None),
                         lambda: f'a window titled "Dorvane" (viewer {self.state()})', 15)
        self.settle()

    def state(self):
        return "running" if self.app and self.app.poll() is None else "not running"

    def stop(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()

    def exit_by_menu(self):
        """File, Exit ends the viewer within 5 s with status 0, asking nothing."""
        self.menu("f", "x")
        wait(lambda: self.app.poll() is not None,
             lambda: f"the viewer to end after File, Exit; it shows {[t for _, t, _ in self.windows()]}", 5)
        check(self.app.returncode == 0, f"exit status 0 from File, Exit; saw {self.app.returncode}")

    def profile(self):
        path = os.path.join(os.environ["XDG_CONFIG_HOME"], "Dorvane", "Dorvane.conf")
        return open(path).read() if os.path.exists(path) else ""

    def volume(self, shape, name=None, *options):
        """Writes a volume of that shape (or --bytes N --fill 1) under the data folder."""
        path = os.path.join(self.data, name or f"{shape}.vol")
        run(self.make_volume, *([shape] if shape else []), path, *options)
        return path

    # ---- Windows -----------------------------------------------------------------------
    def windows(self):
        """The viewer's mapped windows as (id, title, type), type such as DIALOG or POPUP_MENU."""
        found = []
        ids = run("xdotool", "search", "--all", "--onlyvisible", "--pid", self.app.pid, "--name", "", check=False)
        for window in ids.split():
            props = run("xprop", "-id", window, "_NET_WM_NAME", "_NET_WM_WINDOW_TYPE", check=False)
            title = re.search(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', props)
            kind = re.search(r"_NET_WM_WINDOW_TYPE_(\w+)", props)
            found.append((window, title and re.sub(r"\\(.)", r"\1", title[1]), kind and kind[1]))
        return found

    def dialogs(self, title):
        return [w for w, t, k in self.windows() if t == title and k == "DIALOG" and w != self.main]

    def popup(self, kind="POPUP_MENU"):
        return next((w for w, _, k in self.windows() if k == kind), None)

    def caption(self):
        return next((t for w, t, _ in self.windows() if w == self.main), None)

    def expect_caption(self, text):
        wait(lambda: self.caption() == text, lambda: f'the caption "{text}"; saw "{self.caption()}"', 5)

    def view(self):
        """The OpenGL view, the main window's largest child: (x, y, width, height) within it."""
        main = geometry(self.main)
        boxes = [tuple(map(int, m)) for m in re.findall(r"(\d+)x(\d+)\+-?\d+\+-?\d+ +\+(-?\d+)\+(-?\d+)",
                                                           run("xwininfo", "-tree", "-id", self.main))]
        w, h, x, y = max(boxes, key=lambda b: b[0] * b[1])
        return x - main[0], y - main[1], w, h

    # ---- Keyboard, menus and dialogs ---------------------------------------------------
    def keys(self, *keys, window=None):
        run("xdotool", "windowfocus", "--sync", window or self.main)
        run("xdotool", "key", "--delay", 40, *keys)

    def menu(self, letter, item="Escape", name=None):
        """Opens a menu by its mnemonic and picks an item (Escape: closes it); returns a screenshot
        of the open menu when named."""
        self.keys(f"alt+{letter}")
        menu = wait(self.popup, f"the menu of Alt+{letter} to open", 5)
        picture = name and (time.sleep(0.3) or self.shot(name, menu))
        self.keys(item)
        wait(lambda: not self.popup(), f"the menu to close after '{item}'", 5)
        return picture

    def wait_dialog(self, title):
        return wait(lambda: self.dialogs(title), lambda: f'a dialog titled "{title}" (viewer {self.state()})')[0]

    def dismiss(self, title, key):
        self.keys(key, window=self.wait_dialog(title))
        wait(lambda: not self.dialogs(title), f'{key} to close the dialog "{title}"', 5)

    def open_file(self, path):
        """File, Open, the path typed into the GTK file chooser, Return."""
        self.menu("f", "o")
        chooser = self.wait_dialog("Open")
        # Keys sent while the chooser fills in, or opens its location field, are lost: wait for each.
        wait(self.idle, "the file chooser to come to rest", 15)
        self.keys("ctrl+l", window=chooser)
        wait(self.idle, "the file chooser's location field to show", 15)
        run("xdotool", "type", "--delay", 10, path)
        # GTK ignores Return while Open is disabled (until it has read the typed path); a busy
        # viewer reads the keys and the Return together. So first, as a person looks:
        wait(lambda: not self.popup("COMBO") and self.open_enabled(chooser),
             f"the Open button enabled and no completion list up after typing {path}")
        self.keys("Return", window=chooser)
        if os.path.isdir(path):  # the chooser goes into a folder and stays open
            def escaped():  # the first Escape may only leave the typed path, if the entry still has it
                if self.dialogs("Open"):
                    run("xdotool", "windowfocus", "--sync", chooser, check=False)  # gone meanwhile: fine
                    run("xdotool", "key", "Escape", check=False)
                    time.sleep(0.5)
                return not self.dialogs("Open")
            wait(escaped, "Escape to close the file chooser in the folder", 5)
        wait(lambda: not self.dialogs("Open"), f"the file chooser to close after Return on {path}")

    def open_enabled(self, chooser):  # on an 8-bit screen, which shows nothing: the viewer at rest
        enabled = open_button_enabled(self.shot("chooser", chooser))
        return self.idle() if enabled is None else enabled

    def drop(self, *paths):
        """Drags the files from GTK's own drag source onto the viewer with the real pointer."""
        run(os.environ["DRAG_FILES"], self.main, "-", data=b"\n".join(map(os.fsencode, paths)), timeout=60)

    def messages(self):
        """What the message boxes said: a debug build writes each text to standard error."""
        with open(os.path.join(self.art, "stderr.log"), "rb") as log:
            return [line for line in log.read().decode(errors="replace").splitlines()
                    if line.startswith("Message box:")]

    def expect_message(self, text):
        """A message box is up; a debug build has also said `text` in it. Closed with Return."""
        self.wait_dialog("Dorvane")
        if self.debug_build:
            said = self.messages()[self.messages_seen:]
            check(len(said) == 1 and text in said[0], f'one new message box saying "{text}"; saw {said}')
        self.messages_seen += 1
        self.dismiss("Dorvane", "Return")

    def expect_no_message(self):
        check(not self.dialogs("Dorvane") and not (self.debug_build and len(self.messages()) != self.messages_seen),
              f"no message box; saw {self.messages()[self.messages_seen:]}")

    # ---- Pictures ----------------------------------------------------------------------
    def shot(self, name, window=None, box=None):
        """A screenshot of a window (the main one by default) or a box (x, y, w, h), kept under the artefacts."""
        self.shots += 1
        path = os.path.join(self.art, f"{self.shots:03}-{re.sub(r'[^A-Za-z0-9._+-]', '_', name)}.png")
        x, y, w, h = box or geometry(window or self.main)
        try:  # straight from the server; PIL reads 24-bit screens only, ImageMagick the rest
            image = ImageGrab.grab(bbox=(x, y, x + w, y + h), xdisplay=os.environ["DISPLAY"])
            image.save(path, compress_level=1)
        except OSError:
            # a box is cut from the screen; a window is read itself (XWayland gives no root image)
            source = ["root", "-crop", f"{w}x{h}+{x}+{y}", "+repage"] if box else [window or self.main]
            run("import", "-window", *source, path)
            image = Image.open(path)
        return np.asarray(image.convert("RGB"))

    def in_view(self, image):
        """The view less a margin, so that borders never count."""
        x, y, w, h = self.view()
        return image[y + 4:y + h - 4, x + 4:x + w - 4]

    def idle(self):
        """The viewer has used no time for a while: a frame of many cubes shows only when done."""
        ticks = lambda: sum(map(int, open(f"/proc/{self.app.pid}/stat").read().rsplit(")", 1)[1].split()[11:13]))
        before = ticks()
        time.sleep(0.25)
        return ticks() - before <= 1

    def still(self, name="still"):
        first = self.shot(name)
        time.sleep(0.3)
        return np.array_equal(first, self.shot(name))

    def settle(self):
        wait(lambda: self.idle() and self.still("settle"), "the picture to come to rest", 15)

    def turning(self, name):
        """Three screenshots 0.3 s apart, each unlike the one before: one change may be a repaint."""
        pictures = [time.sleep(0.3 * k) or self.shot(name) for k in (0, 1, 1)]
        check(not any(map(np.array_equal, pictures, pictures[1:])), f"the volume to turn ({name}); two shots equal")

    def wait_drawn(self):
        """A volume has come when its cubes light part, not most, of the view (a dialog's remains: most)."""
        wait(lambda: 0 < lit(self.in_view(self.shot("drawn"))).mean() < 0.5,
             "the volume drawn in the view (some, not most, pixels lit)", 15)
        self.settle()
        return outline(self.in_view(self.shot("drawn")))

    def load(self, shape, *options):
        """Drops a volume of that shape and waits until it is drawn and still."""
        path = self.volume(shape, None, *options)
        self.drop(path)
        self.expect_caption(path)
        return self.wait_drawn()

    # ---- The pointer and the toolbar ---------------------------------------------------
    def point(self, window, x, y):
        """The pointer over a place, arriving from a little way off so that the place sees it move."""
        run("xdotool", "mousemove", "--sync", "--window", window, x - 4, y - 3, "sleep", 0.1,
            "mousemove", "--sync", "--window", window, x, y)

    def click(self, window, x, y):
        self.point(window, x, y)
        run("xdotool", "click", 1)
        self.pointer_away()

    def pointer_away(self):
        x, y, w, h = self.view()
        run("xdotool", "mousemove", "--window", self.main, x + w // 2, y + 60)

    def drag(self, window, start, target):
        """Press, move in small steps, linger as a hand does, let go (the target in the main window)."""
        sx, sy = (o + p for o, p in zip(geometry(window), start))
        tx, ty = (o + p for o, p in zip(geometry(self.main), target))
        words = ["mousemove", "--sync", sx, sy, "mousedown", 1]
        path = [(sx + (tx - sx) * k // 10, sy + (ty - sy) * k // 10) for k in range(1, 11)]
        for x, y in path + [(tx, ty + 1), (tx, ty)]:
            words += ["mousemove", "--sync", x, y, "sleep", 0.05]
        run("xdotool", *words, "sleep", 1, "mouseup", 1, "sleep", 0.3)
        self.pointer_away()

    def find_bar(self):
        """(window, side, orientation, parts), side top, left, right, bottom or floating, or None."""
        for window, _, kind in self.windows():
            if window != self.main and kind not in ("POPUP_MENU", "TOOLTIP", "DIALOG") and geometry(window)[2] > 20:
                found = bar_parts(self.shot("floating?", window))
                if found:
                    return (window, "floating") + found
        view = self.view()
        found = bar_parts(self.shot("bar"), view)
        if not found:
            return None
        gx, gy = found[1]["gripper"]
        side = ("top" if gy < view[1] else "bottom" if gy >= view[1] + view[3] else "left" if gx < view[0] else "right")
        return (self.main, side) + found

    def expect_bar(self, side, orientation):
        return wait(lambda: (lambda bar: bar if bar and bar[1:3] == (side, orientation) else None)(self.find_bar()),
                    f"the toolbar {side} ({orientation})", 5)

    def highlighted(self, window, point):
        """Whether the button at the point shows the blue of one under the pointer or pressed."""
        x, y = point
        around = self.shot("highlight", window)[y - 11:y + 11, x - 11:x + 11].astype(int)
        return (around[..., 2] - around[..., 0] > 30).sum() > 20

    def click_close_box(self, window):
        """Clicks the close box on the window manager's title bar."""
        extents = re.findall(r"\d+", run("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[-1])
        left, right, top, _ = map(int, extents or [0] * 4)
        check(top, f"a title bar on window {window}; it has none")
        x, y, w, _ = geometry(window)
        mark = rightmost_mark(self.shot("title-bar", box=(x - left, y - top, w + left + right, top)))
        check(mark, "a close box on the title bar (the title-bar screenshot); found none")
        run("xdotool", "mousemove", "--sync", x - left + mark[0], y - top + mark[1], "click", 1)
