"""Reading screenshots as a person reads the screen, with numpy: what is lit, the
outline of a volume, the toolbar's parts, a button, the width of a text."""
import subprocess

import numpy as np

def find_part(mask, before, gap=2):
    """The run of marked positions nearest below `before`, gaps of `gap` bridged: (start, end)."""
    marked = np.flatnonzero(mask[:max(before, 0)])
    if marked.size == 0:
        return None
    starts = marked[np.r_[True, np.diff(marked) > gap + 1]]  # each run's first position
    return int(starts[-1]), int(marked[-1])

def bar_parts(image, exclude=None):
    """Finds the toolbar in a picture by what a person sees: the yellow question mark, the
    dark triangle before it and the grey dots of the gripper before that. Returns
    (orientation, {"question": (x, y), "triangle": ..., "gripper": ...}) or None."""
    rgb = image.astype(int)
    if exclude:
        x, y, w, h = exclude
        rgb = rgb.copy()
        rgb[y:y + h, x:x + w] = 255
    r, g, b = rgb[..., 0], rgb[..., 1], rgb[..., 2]
    yellow = (r > 200) & (g > 200) & (b < 80)
    if yellow.sum() < 10:
        return None
    lightness = (rgb.max(axis=2) + rgb.min(axis=2)) / 510
    dark = lightness < 0.15
    grip = (lightness > 0.3) & (lightness < 0.6) & ((r - b) ** 2 < 100)
    ys, xs = np.nonzero(yellow)
    box = [xs.min(), ys.min(), xs.max(), ys.max()]
    # Dark pixels level with the question mark tell which way the bar lies.
    across = dark[max(box[1] - 4, 0):box[3] + 5, :box[0]].sum()
    down = dark[:box[1], max(box[0] - 4, 0):box[2] + 5].sum()
    horizontal = across >= down
    if not horizontal:  # judge a standing bar as a lying one
        dark, grip, box = dark.T, grip.T, [box[1], box[0], box[3], box[2]]
    band = slice(max(box[1] - 4, 0), box[3] + 5)
    # The question mark has a dark outline of its own: the triangle lies beyond it.
    triangle = find_part(dark[band].any(axis=0), box[0] - 2)
    gripper = triangle and find_part(grip[band].any(axis=0), triangle[0])
    if not gripper:
        return None
    across_middle = (box[1] + box[3]) // 2
    parts = {"question": ((box[0] + box[2]) // 2, across_middle),
             "triangle": (sum(triangle) // 2, across_middle),
             "gripper": (sum(gripper) // 2, across_middle)}
    if not horizontal:
        parts = {k: (q, p) for k, (p, q) in parts.items()}
    return ("horizontal" if horizontal else "vertical"), parts

def rightmost_mark(image):
    """Centre of the rightmost group of marks (apart by two clear columns or more), a mark
    being a pixel unlike most of its row, edges left out: a dialog's button at its right,
    the close box on a title bar."""
    rgb = image.astype(int)
    usual = np.median(rgb, axis=1, keepdims=True)
    marks = ((rgb - usual) ** 2).sum(axis=2) > 60 ** 2
    marks[:3], marks[-3:], marks[:, :3], marks[:, -3:] = False, False, False, False
    columns = find_part(marks.any(axis=0), marks.shape[1])
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
