"""Reading screenshots as a person reads the screen, with numpy: what is lit, the
outline of a volume, the toolbar's parts, a button, the width of a text."""
import subprocess

import numpy as np

def runs(mask, gap=2):
    """The runs of marked positions, gaps of `gap` bridged: [(start, end), ...]."""
    marked = np.flatnonzero(mask)
    if marked.size == 0:
        return []
    breaks = np.flatnonzero(np.diff(marked) > gap + 1)
    return [(int(marked[i]), int(marked[j])) for i, j in zip(np.r_[0, breaks + 1], np.r_[breaks, marked.size - 1])]

def bar_parts(image, exclude=None):
    """Finds the toolbar in a picture by what a person sees, whatever its buttons show: the
    highlighted dots of its gripper, four pixels apart across the bar, and beyond them the buttons one
    after another, each a group of marks unlike the bar behind them (by more than its shading). Returns (orientation,
    {"gripper": (x, y), "buttons": [(x, y), ...], "triangle": the first, "question": the
    second}) or None."""
    rgb = image.astype(int)
    outside = np.ones(rgb.shape[:2], bool)
    if exclude:
        x, y, w, h = exclude
        outside[y:y + h, x:x + w] = False
    # A dot: grey, with a white highlight two pixels down and right.
    lightness = (rgb.max(axis=2) + rgb.min(axis=2)) / 510
    dot = (lightness > 0.3) & (lightness < 0.6) & ((rgb[..., 0] - rgb[..., 2]) ** 2 < 100) & outside
    dot[:-2, :-2] &= rgb[2:, 2:].min(axis=2) >= 250
    for horizontal in (True, False):  # a lying bar's dots stand one above another
        d = dot if horizontal else dot.T
        three = d[:-8] & ~d[2:-6] & d[4:-4] & ~d[6:-2] & d[8:]
        if three.any():
            break
    else:
        return None
    picture, outside = (rgb, outside) if horizontal else (rgb.transpose(1, 0, 2), outside.T)
    ys, xs = np.nonzero(three)
    band, beyond = slice(max(ys.min() - 2, 0), ys.max() + 12), xs.max() + 3
    behind = picture[band, beyond]  # the bar's own colours across it, just past the gripper
    marks = (abs(picture[band, beyond:] - behind[:, None]).max(axis=2) > 60) & outside[band, beyond:]
    buttons = []
    for start, end in runs(marks.any(axis=0)):
        rows = np.flatnonzero(marks[:, start:end + 1].any(axis=1))
        if end - start >= 2:  # not the bar's own edge
            buttons.append((beyond + (start + end) // 2, band.start + (rows[0] + rows[-1]) // 2))
    if len(buttons) < 2:
        return None
    gripper = ((xs.min() + xs.max()) // 2 + 1, (ys.min() + ys.max()) // 2 + 5)
    if not horizontal:
        gripper, buttons = gripper[::-1], [b[::-1] for b in buttons]
    return ("horizontal" if horizontal else "vertical"), {"gripper": gripper, "buttons": buttons,
                                                          "triangle": buttons[0], "question": buttons[1]}

def rightmost_mark(image):
    """Centre of the rightmost group of marks (apart by two clear columns or more), a mark
    being a pixel unlike most of its row, edges left out: a dialog's button at its right,
    the close box on a title bar."""
    rgb = image.astype(int)
    usual = np.median(rgb, axis=1, keepdims=True)
    marks = ((rgb - usual) ** 2).sum(axis=2) > 60 ** 2
    marks[:3], marks[-3:], marks[:, :3], marks[:, -3:] = False, False, False, False
    columns = (runs(marks.any(axis=0)) or [None])[-1]
    if not columns:
        return None
    rows = np.flatnonzero(marks[:, columns[0]:columns[1] + 1].any(axis=1))
    return sum(columns) // 2, (rows[0] + rows[-1]) // 2

def lit(image):
    """Pixels brighter than 3% grey."""
    return image.astype(int) @ [0.2126, 0.7152, 0.0722] > 0.03 * 255

def outline(image):
    """(x, y, width, height, count) of the lit part of a picture."""
    ys, xs = np.nonzero(lit(image))
    if xs.size == 0:
        return (0, 0, 0, 0, 0)
    return (xs.min(), ys.min(), xs.max() - xs.min() + 1, ys.max() - ys.min() + 1, xs.size)

def same_outline(a, b):
    """Every frame turns the volume, so a still picture is judged by the outline a sphere
    keeps as it turns: 3 pixels and 4% of the lit count off at most."""
    return a[4] > 0 and all(abs(p - q) <= 3 for p, q in zip(a[:4], b[:4])) and abs(a[4] - b[4]) <= a[4] / 25

def text_width(image):
    """Width of the text in a picture of a tooltip, dark on light or light on dark."""
    grey = image.astype(int).mean(axis=2)[3:-3, 3:-3]
    text = grey < 128 if grey.mean() > 127 else grey >= 128
    columns = np.flatnonzero(text.any(axis=0))
    return int(columns[-1] - columns[0] + 1) if columns.size else 0

def rendered_width(text):
    """Width of the text in the desktop's interface font (DejaVu Sans, 10 points), as
    the toolkit draws tooltips."""
    return int(subprocess.check_output(["convert", "-density", "96", "-font", "DejaVu-Sans", "-pointsize", "10",
                                        f"label:{text}", "-threshold", "50%", "-negate", "-trim", "-format", "%w",
                                        "info:"], timeout=15))

def open_button_enabled(image):
    """Whether the GTK chooser's Open button, the last of two like buttons at its bottom right, is
    labelled as dark as Cancel beside it; False while the chooser is not drawn yet, None on a
    picture with no marks at all."""
    rgb = image.astype(int)
    marks = ((rgb - np.median(rgb, axis=1, keepdims=True)) ** 2).sum(axis=2) > 60 ** 2
    rows = runs(marks.any(axis=1))
    if not rows:
        return None
    top, bottom = rows[-1]
    band, columns = rgb[top:bottom + 1].min(axis=2), runs(marks[top:bottom + 1].any(axis=0))
    if len(columns) < 2:
        return False
    (b0, b1), (l0, l1) = columns[-2], columns[-1]
    drawn = abs((l1 - l0) - (b1 - b0)) <= 2 and l1 > 0.95 * marks.shape[1]
    return drawn and band[:, l0:].min() < band.min() + 40
