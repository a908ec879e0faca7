#!/usr/bin/python3
"""The end-to-end cases, one a function of short steps and tables, each registered as the
ctest test(s) it makes; run one by its test name (cases.py scale_2), or list them with
their labels (cases.py --list). Each starts its own X server, so cases can run side by side."""
import os
import shutil
import sys
import time
import traceback

from driver import CASES, Failure, Session, case, check, geometry, run, wait  # first: it checks the modules
import displays  # its cases register themselves
import numpy as np
from pictures import lit, outline, rendered_width, rightmost_mark, same_outline, text_width

LIGHT = ("noise", "--density", "0.005")  # a few thousand cubes: turns quickly even on a busy machine

def expect_shown(s, kept, what):
    """Waits for the outline kept (None: nothing lit); what a dialog left goes once the view draws."""
    seen = lambda: outline(s.in_view(s.shot("shown")))  # noqa: E731
    wait(lambda: same_outline(kept, seen()) if kept else seen()[4] == 0, lambda: f"{what} {kept}; saw {seen()}", 15)

@case()
@case(name="start_bare", openbox=False)
def start(s):
    """The caption, a black view and the toolbar at the top; the command line is not read."""
    for arguments in [(), (s.volume("sphere"),), (s.data + "/missing.vol",)]:
        s.say(f"start with {arguments}")
        s.start(*arguments)
        s.expect_caption("Dorvane")
        check('= "dorvane", ' in run("xprop", "-id", s.main, "WM_CLASS"), 'the window class "dorvane"')
        check(not lit(s.in_view(s.shot("start"))).any(), "the view black at start")
        s.expect_no_message()
        s.expect_bar("top", "horizontal")
        s.stop()

def unreadable(s):
    """Root reads any file; a write-only kernel setting it cannot, reached here by a link."""
    path = os.path.join(s.data, "secret.vol")
    if os.geteuid() == 0:
        os.symlink("/proc/sys/vm/compact_memory", path)
    else:
        os.chmod(s.volume("sphere", "secret.vol"), 0)
    return path

@case(name="open", sanitize=True)
def open_files(s):
    """File, Open through the GTK file chooser: a volume is drawn; a file it cannot read is
    refused with a message box saying why, and the picture stays."""
    s.start()
    s.open_file(s.volume("sphere"))
    sphere = s.wait_drawn()
    s.expect_caption("Dorvane")
    fifo = os.path.join(s.data, "pipe")
    os.mkfifo(fifo)
    rows = [(s.volume(None, "short.vol", "--bytes", "1000", "--fill", "1"), "ends too soon, after 1000 bytes"),
            (s.volume(None, "one-short.vol", "--bytes", "1048575", "--fill", "1"), "after 1048575 bytes"),
            (fifo, "it is not a regular file"),
            (unreadable(s), "permission to read it is denied")]
    for path, said in rows:
        s.say(f"open {path}")
        s.open_file(path)
        s.expect_message(said)
        expect_shown(s, sphere, f"the sphere kept after refusing {path}:")
    s.say("a folder's path: the chooser goes into it and is closed")
    s.open_file(s.data)
    s.expect_no_message()
    s.say("open a file longer than a volume: its first 1,048,576 bytes")
    torus = s.volume("torus")
    with open(torus, "ab") as f:
        f.write(b"\1" * 4096)
    s.open_file(torus)
    check(not same_outline(sphere, s.wait_drawn()), "the torus drawn in the sphere's place")
    s.expect_no_message()

@case(name="drop", sanitize=True)
def drops(s):
    """The last file dropped is read in and its path becomes the caption; one that cannot be
    read is refused with a message box, and the caption and picture stay. Paths with spaces,
    characters beyond ASCII, characters URIs escape and bytes that are not UTF-8 are each
    read; the caption shows the path (those bytes one a character)."""
    for shape in ("sphere", "cell", "torus", "block"):
        s.volume(shape)
    light = s.volume(*LIGHT[:1], None, *LIGHT[1:])
    os.mkdir(s.data + "/folder")
    s.start()
    pictures = {}
    # dropped                 | caption after | the message says      | picture after
    for names, caption, said, picture in [
            ("missing.vol", "Dorvane", "there is no such file", "black"),
            ("sphere.vol", "sphere.vol", None, "sphere"),
            ("missing.vol", "sphere.vol", "there is no such file", "sphere"),
            ("folder", "sphere.vol", "it is a folder, not a file", "sphere"),
            ("cell.vol", "cell.vol", None, "cell"),
            ("block.vol torus.vol sphere.vol", "sphere.vol", None, "sphere")]:
        s.say(f"drop {names}")
        caption = caption if caption == "Dorvane" else f"{s.data}/{caption}"
        s.drop(*(f"{s.data}/{name}" for name in names.split()))
        if said:
            s.expect_message(said)
            s.settle()
        s.expect_caption(caption)
        if picture in pictures or picture == "black":
            expect_shown(s, pictures.get(picture), f"the {picture} shown after dropping {names}:")
        else:
            pictures[picture] = s.wait_drawn()
        s.expect_no_message()
    for name in [b"a volume with spaces, gr\xc3\xbc\xc3\x9fe \xe4\xbd\x93\xe7\xa9\x8d \xf0\x9f\xa7\x8a.vol",
                 b"percent %20 hash #1 ? it's \"quoted\" & <angled>.vol",
                 b"folder with spaces/\xc3\xbcn\xc3\xaf/light.vol",
                 b"not utf-8 \xff\xfe\xe9.vol"]:
        path = os.fsencode(s.data) + b"/" + name
        s.say(f"drop {path}")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        shutil.copyfile(light, path)
        s.drop(os.fsdecode(path))
        s.expect_caption(path.decode("utf-8") if b"\xff" not in path else path.decode("latin-1"))
        s.settle()
        s.expect_no_message()
        check(lit(s.in_view(s.shot("after"))).sum() > 500, f"the volume drawn after dropping {path}")

@case()
def menus(s):
    """F6 and Shift+F6 are bound to the pane commands, which no handler answers, and Ctrl+O
    to nothing: no picture, caption or window changes.
    File, Play turns the volume and checks the menu item; again stops both. Help, About is
    modal, Return and Escape close it, and the volume turns on behind it. Exit while it turns."""
    s.start()
    s.load(*LIGHT)
    caption = s.caption()
    for key in ("F6", "shift+F6", "ctrl+o"):
        s.say(key)
        before = s.shot("before")
        s.keys(key)
        time.sleep(0.5)
        check(not s.popup() and not s.dialogs("Open"), f"no menu or file chooser after {key}")
        check(np.array_equal(before, s.shot("after")), f"the picture unchanged by {key}")
        check(s.caption() == caption, f'the caption "{caption}" after {key}')
    at_rest = s.menu("f", name="menu-at-rest")
    for time_, turning in [("first", True), ("second", False)]:
        s.say(f"File, Play, {time_} time")
        s.menu("f", "p")
        if turning:
            s.turning("playing")
        else:
            s.settle()
        menu = s.menu("f", name="menu")
        check(np.array_equal(menu, at_rest) != turning, "a check at Play exactly while the volume turns")
    for key in ("Return", "Escape"):
        s.say(f"Help, About, closed with {key}")
        s.menu("h", "a")
        s.wait_dialog("About Dorvane")
        s.keys("alt+f")
        time.sleep(0.3)
        check(not s.popup(), "no menu over the modal About box")
        s.dismiss("About Dorvane", key)
    s.say("About while playing")
    s.menu("f", "p")
    s.menu("h", "a")
    s.shot("about-box", s.wait_dialog("About Dorvane"))
    s.turning("behind-about")
    s.dismiss("About Dorvane", "Return")
    s.turning("after-about")
    s.say("File, Exit while it turns")
    s.exit_by_menu()

def wait_view(s, holds):
    wait(lambda: holds(*s.view()[1::2]), lambda: f"the view's top and height to move; saw {s.view()}", 5)

def about_ends(s, window, point, ending):
    s.click(window, *point)
    box = s.wait_dialog("About Dorvane")
    if ending == "OK":
        s.click(box, *rightmost_mark(s.shot("about", box)))
    elif ending == "close box":
        s.click_close_box(box)
    else:
        s.keys("Escape", window=box)
    wait(lambda: not s.dialogs("About Dorvane"), f"{ending} to end the About box", 5)

@case()
def toolbar_buttons(s):
    """The buttons under the real pointer: hover look and tooltip; the triangle plays and
    stops, pressed while it turns; the question mark's About box ends by OK, Escape, the close box."""
    s.start()
    s.load(*LIGHT)
    _, _, _, parts = s.expect_bar("top", "horizontal")
    for button, tip in [("triangle", "Play"), ("question", "About")]:
        s.say(f"hover over the {button}")
        s.point(s.main, *parts[button])
        wait(lambda: s.highlighted(s.main, parts[button]), f"the hover look on the {button}", 3)
        tooltip = wait(lambda: s.popup("TOOLTIP"), f'the tooltip "{tip}"', 5)
        seen, want = text_width(s.shot("tooltip", tooltip)), rendered_width(tip)
        check(abs(seen - want) <= 2, f'the tooltip to read "{tip}" ({want} pixels wide); its text is {seen}')
        s.pointer_away()
        wait(lambda: not s.popup("TOOLTIP"), "the tooltip to go with the pointer", 5)
        wait(lambda: not s.highlighted(s.main, parts[button]), "the hover look to go with the pointer", 3)
    s.say("click the triangle: turning, shown pressed")
    before = s.in_view(s.shot("before"))
    s.click(s.main, *parts["triangle"])
    s.turning("after-play-click")
    wait(lambda: s.highlighted(s.main, parts["triangle"]), "the triangle shown pressed while turning", 3)
    s.say("click it again: still, the angle kept, released")
    s.click(s.main, *parts["triangle"])
    s.settle()
    check(not np.array_equal(before, s.in_view(s.shot("stopped"))), "the angle kept where the turning stopped")
    wait(lambda: not s.highlighted(s.main, parts["triangle"]), "the triangle released once stopped", 3)
    for ending in ["OK", "Escape"] + (["close box"] if s.wm else []):
        s.say(f"the question mark's About box, ended by {ending}")
        about_ends(s, s.main, parts["question"], ending)
    s.exit_by_menu()

@case()
def toolbar_dock(s):
    """View, Toolbar hides the docked toolbar and shows it again. Dragged by its gripper:
    into the view it floats, to a side it docks there (upright left and right), back at the
    top it docks there again. Its buttons work wherever it is; View, Toolbar hides and shows
    the floating bar where it was."""
    s.start()
    s.load(*LIGHT)
    s.expect_bar("top", "horizontal")
    _, top, _, height = s.view()
    client_top = top
    for what, grown in [("hides", True), ("shows", False)]:
        s.say(f"View, Toolbar {what} it, the view growing into its place and back")
        s.menu("v", "t")
        wait_view(s, lambda y, h: (y < top and h > height) if grown else (y, h) == (top, height))
        s.settle()
        check((s.find_bar() is None) == grown, f"the toolbar gone exactly while hidden; saw {s.find_bar()}")
    # dragged to | lands as | the view's top moved up | its height grown
    for target, side, orientation, up, taller in [("view", "floating", "horizontal", True, True),
                                                 ("left", "left", "vertical", True, True),
                                                 ("right", "right", "vertical", True, True),
                                                 ("bottom", "bottom", "horizontal", True, False),
                                                 ("top", "top", "horizontal", False, False)]:
        s.say(f"drag the gripper to the {target}")
        x, y, w, h = s.view()
        main = geometry(s.main)
        client_top = y if target != "top" else client_top
        at = {"view": (x + w // 2, y + h // 2), "left": (2, y + h // 2), "right": (main[2] - 3, y + h // 2),
              "bottom": (x + w // 2, main[3] - 3), "top": (x + w // 2, client_top + 2)}[target]
        window, _, _, parts = s.find_bar()
        s.drag(window, parts["gripper"], at)
        window, _, _, parts = s.expect_bar(side, orientation)
        wait_view(s, lambda y, h: (y < top if up else y == top) and (h > height if taller else h == height))
        about_ends(s, window, parts["question"], "Escape")
        if side == "floating":
            s.say("the floating triangle plays and stops")
            s.click(window, *parts["triangle"])
            s.turning("floating-play")
            s.click(window, *parts["triangle"])
            s.settle()
            s.say("View, Toolbar hides the floating bar and shows it where it was")
            where, shown = geometry(window)[:2], s.menu("v", name="view-menu-shown")
            s.menu("v", "t")
            wait(lambda: s.find_bar() is None, "View, Toolbar to hide the floating toolbar", 5)
            check(not np.array_equal(shown, s.menu("v", name="view-menu-hidden")), "the check mark to follow")
            s.menu("v", "t")
            window = s.expect_bar("floating", "horizontal")[0]
            check(geometry(window)[:2] == where, f"the floating toolbar back at {where}; saw {geometry(window)[:2]}")
    s.say("menus and the view still answer")
    s.menu("f", "p")
    s.turning("menu-play")
    s.menu("f", "p")
    s.load("sphere")
    s.exit_by_menu()

@case(name="exit", sanitize=True)
def exit_profile(s):
    """File, Exit ends the viewer with status 0 and leaves the four files opened most
    recently in the profile, newest first, one opened again moving to the front."""
    s.start()
    for name in "abacde":
        s.open_file(s.volume("cell", f"{name}.vol"))
    s.wait_drawn()
    s.exit_by_menu()
    listed = [line for line in s.profile().splitlines() if line.startswith("File")]
    check(listed == [f"File{n}={s.data}/{name}.vol" for n, name in enumerate("edca", 1)],
          f"the recent files e, d, c, a in the profile; saw {listed}")

if __name__ == "__main__":
    if sys.argv[1] == "--list":  # a line a test: its name and labels (e2e-release: in the release build alone)
        for name, (*_, sanitize) in CASES.items():
            print(name, "e2e" if sanitize else "e2e,e2e-release")
        sys.exit()
    function, setting, openbox, _ = CASES[sys.argv[1]]
    session = Session(openbox)
    try:
        function(session, *([setting] if setting else []))
        print(f"PASS in {time.monotonic() - session.began:.1f} s")
    except Exception as failure:  # a driver's own error is a failure too, shown with its place
        print(f"FAIL: {sys.argv[1]}, at: {session.at}\n{failure}", file=sys.stderr)
        if not isinstance(failure, Failure):
            traceback.print_exc()
        log = os.path.join(session.art, "stderr.log")
        if os.path.exists(log):
            print("the viewer's standard error ended with:\n" + "".join(open(log, errors="replace").readlines()[-40:]),
                  file=sys.stderr)
        print(f"(screenshots and logs in {session.art})", file=sys.stderr)
        sys.exit(1)
    finally:
        session.close()
