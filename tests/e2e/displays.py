"""The end-to-end cases of displays a case makes for itself: without OpenGL, scaled for a
HiDPI screen, of other colour depths, Wayland sessions."""
import os
import time

import numpy as np

from driver import case, check, geometry
from pictures import outline, same_outline

@case("no-glx", "depth8", openbox=False, sanitize=True)
def no_opengl(s, setting):
    """Without OpenGL (no GLX, or 8 bits) it says "ChoosePixelFormat failed" once and does
    everything but drawing, leaving by every road with the profile written. An 8-bit
    display shows nothing a screenshot can read, so there only what is not a picture counts."""
    pictures = setting == "no-glx"
    s.xvfb("-screen", "0", "1280x1024x" + ("24" if pictures else "8"), *(["-extension", "GLX"] if pictures else []))
    cell, sphere = s.volume("cell"), s.volume("sphere")

    def start_without_opengl():
        s.launch()
        s.main = None
        s.expect_message("ChoosePixelFormat failed")
        s.wait_main()
        s.open_file(cell)
        time.sleep(0.5)
        s.expect_no_message()

    def leave(road):
        s.exit_by_menu()
        check(f"File1={cell}\n" in s.profile(), f"the profile to list {cell} first after {road}; saw {s.profile()}")
        noise = [line for line in open(os.path.join(s.art, "stderr.log"), errors="replace").read().splitlines()
                 if line and not line.startswith("Message box: ")]
        check(not noise, f"nothing on standard error but the message boxes after {road}; saw {noise}")

    s.say("a whole session: About, Play with its check mark, a drop, Exit while playing")
    start_without_opengl()
    s.menu("h", "a")
    s.dismiss("About Dorvane", "Escape")
    stopped = s.menu("f", name="file-menu-stopped")
    s.menu("f", "p")
    playing = s.menu("f", name="file-menu-playing")
    check(not pictures or not np.array_equal(stopped, playing), "the check mark on File, Play once playing")
    check(not pictures or s.still(), "no frames drawn while playing")
    before = s.in_view(s.shot("before-drop"))
    s.drop(sphere)
    s.expect_caption(sphere)
    time.sleep(0.5)
    # The view keeps what passed over it, the drag's icon too; cubes would bring colour.
    colourful = lambda image: (np.ptp(image.astype(int), axis=2) > 60).sum()  # noqa: E731
    check(not pictures or colourful(s.in_view(s.shot("after-drop"))) <= colourful(before), "nothing drawn after a drop")
    leave("File, Exit while playing")
    s.say("File, Exit just after a drop")
    start_without_opengl()
    s.drop(sphere)
    leave("File, Exit just after a drop")
    if pictures:
        s.say("File, Exit with the toolbar floating")
        start_without_opengl()
        x, y, w, h = s.view()
        s.drag(s.main, s.find_bar()[3]["gripper"], (x + w // 2, y + 100))
        s.expect_bar("floating", "horizontal")
        leave("File, Exit with the toolbar floating")

@case("2", "3", openbox=False)
def scale(s, factor):
    """At GDK_SCALE=N the window is N times its size in the display's pixels and the picture
    fills the view as at scale 1: a column of cells on the axis stands in the middle, as
    tall as the perspective makes it."""
    factor = int(factor)
    s.xvfb("-screen", "0", "2560x2048x24")
    os.environ["GDK_SCALE"] = str(factor)
    s.start()
    check(geometry(s.main)[2] == 800 * factor, f"the window {800 * factor} pixels wide; it is {geometry(s.main)[2]}")
    s.load("column")
    x, y, w, h = s.view()
    lx, ly, lw, lh, _ = outline(s.shot("column")[y:y + h, x:x + w])
    # The cells' pitch and size, the eye 5 units from the axis, a 45-degree field of view.
    half, t = 0.00875, np.tan(np.radians(22.5))
    want_top = int(h / 2 * (1 - (32 * 0.0175 + half) / ((5 - half) * t)))
    want_foot = int(h / 2 * (1 + (31 * 0.0175 + half) / ((5 - half) * t)))
    slack = 2 * factor
    check(abs(2 * lx + lw - 1 - (w - 1)) <= 2 * slack, f"the column in the middle of the {w}-pixel view; at {lx}")
    check(abs(ly - want_top) <= slack, f"the column's top at row {want_top}; it is at {ly}")
    check(abs(ly + lh - 1 - want_foot) <= slack, f"the column's foot at row {want_foot}; it is at {ly + lh - 1}")
    s.exit_by_menu()

@case(openbox=False)
def depth(s):
    """At 16 and 30 bits the sphere shows as at 24: the same outline, the same mean colour
    as near as the depth allows."""
    seen = {}
    for bits in ("24", "16", "30"):
        s.say(f"the sphere on a {bits}-bit display")
        s.xvfb("-screen", "0", "1280x1024x" + bits)
        s.start()
        shape = s.load("sphere")
        view = s.in_view(s.shot(f"sphere-{bits}")).astype(int)
        seen[bits] = shape, view[view.sum(axis=2) > 30].mean(axis=0)
        s.exit_by_menu()
        if bits != "24":
            check(same_outline(seen["24"][0], shape), f"the outline {seen['24'][0]} at {bits} bits; saw {shape}")
            check(np.abs(seen["24"][1] - seen[bits][1]).max() <= 6, f"the colours {seen['24'][1]}; saw {seen[bits][1]}")

@case("xwayland", "none", openbox=False)
def wayland(s, setting):
    """With XWayland the viewer runs through it and draws; without, it says in one line that
    it needs an X display or XWayland and ends with a failure status."""
    s.weston(setting == "xwayland")
    if setting == "xwayland":
        s.start()
        s.load("sphere")
        s.exit_by_menu()
        return
    s.launch()
    status = s.app.wait(20)
    said = open(os.path.join(s.art, "stderr.log")).read()
    check(status != 0, f"a failure status without an X display; saw {status}")
    check(said.count("\n") == 1 and "needs an X display or XWayland" in said, f"one line asking for X; saw {said}")
