# Turns the record lines of the bench programs into the one table (printed and written
# as CSV), the machine-readable figure lines and the data for the frame-cost plot.
# Variables: csv, plotdata (output paths); timer_hz (the Play timer's rate). A volume
# whose view frame is shorter than a tick should keep up with the timer: within 90 %.
# Every figure is a mean with its 95 % interval (low, high); a ratio's, the geometric
# mean of its pairs. The view's overhead comes from pairs of runs, view and bare loop
# drawn in turn; loads, from each round's ratio to its plain read; start-up and memory,
# run by run against the bare toolkit window. The full grid's peak is shown, not judged:
# drawing a million cubes takes the GL driver as much memory in the bare GLX loop. A verdict judges the interval: MET when all of it meets the goal,
# MISSED when none of it does, UNDECIDED when the goal lies within it.
BEGIN {
    FS = "\t"
    goal_overhead_off = 0.05; goal_load = 2; goal_startup = 1.3; goal_extra_mib = 4
    none = -1e300
}

$1 == "record" {
    key = $2 SUBSEP $3
    cells[key] = $4; n[key] = $5; mean[key] = $6; low[key] = $7; high[key] = $8
    least[key] = $9; most[key] = $10; unit[key] = $11
    if ($2 == "frame-view") volumes[++volume_count] = $3
}
$1 == "pacing" {
    paced[++paced_count] = $2
    pacing_cells[$2] = $3; frames[$2] = $4; due[$2] = $5; seconds[$2] = $6; degrees[$2] = $7; after[$2] = $8
}
$1 == "info" { info[$2] = $3 }

function verdict(ok) { return ok ? "MET" : "MISSED" }
function judge(from, to, goal_from, goal_to) {
    if (from >= goal_from && to <= goal_to) return "MET"
    if (to < goal_from || from > goal_to) return "MISSED"
    return "UNDECIDED"
}
function has(measure, name) { return (measure SUBSEP name) in mean }
function avg(measure, name) { return mean[measure SUBSEP name] }
function interval(measure, name, format,    key) {
    key = measure SUBSEP name
    return sprintf(format " (95%% " format "-" format ")", mean[key], low[key], high[key])
}

# One table row: the measured figures of a record plus what is derived from it.
function row(measure, name, derived, goal, meets,    key) {
    key = measure SUBSEP name
    printf "%-10s %-22s %8s %4s %10.3f %10.3f %10.3f %10.3f %10.3f %-8s %-44s %-12s %s\n", \
        measure, name, cells[key], n[key], mean[key], low[key], high[key], least[key], most[key], unit[key], \
        derived, goal, meets
    printf "%s,%s,%s,%s,%.4f,%.4f,%.4f,%.4f,%.4f,%s,\"%s\",\"%s\",%s\n", measure, name, cells[key], n[key], \
        mean[key], low[key], high[key], least[key], most[key], unit[key], derived, goal, meets > csv
}

function pacing_row(name, derived, goal, meets,    rate) {
    rate = frames[name] / seconds[name]
    printf "%-10s %-22s %8s %4s %10.3f %10s %10s %10s %10s %-8s %-44s %-12s %s\n", "pacing", name, \
        pacing_cells[name], frames[name], rate, "", "", "", "", "frames/s", derived, goal, meets
    printf "pacing,%s,%s,%s,%.4f,,,,,frames/s,\"%s\",\"%s\",%s\n", name, pacing_cells[name], frames[name], rate, \
        derived, goal, meets > csv
}

END {
    printf "%-10s %-22s %8s %4s %10s %10s %10s %10s %10s %-8s %-44s %-12s %s\n", "measure", "case", "cells", \
        "n", "mean", "low95", "high95", "min", "max", "unit", "derived", "goal", "verdict"
    print "measure,case,cells,n,mean,low95,high95,min,max,unit,derived,goal,verdict" > csv

    for (i = 1; i <= volume_count; i++) {
        v = volumes[i]
        key = "frame-ratio" SUBSEP v
        figures = figures sprintf("overhead %s %.3f %.3f %.3f\n", v, mean[key], low[key], high[key])
        row("frame-view", v, interval("frame-ratio", v, "%.3f") sprintf(" x bare, %d pairs", n[key]), \
            sprintf("in 1 +/- %.2f", goal_overhead_off), \
            judge(low[key], high[key], 1 - goal_overhead_off, 1 + goal_overhead_off))
        row("frame-bare", v, "", "", "")
        printf "%d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", i - 1, v, cells["frame-view" SUBSEP v], \
            avg("frame-view", v), low["frame-view" SUBSEP v], high["frame-view" SUBSEP v], \
            avg("frame-bare", v), low["frame-bare" SUBSEP v], high["frame-bare" SUBSEP v] > plotdata
    }

    row("load", "plain-read", "open + one read() + close", "", "")
    split("serialize drop", roads, " ")
    for (r = 1; r <= 2; r++) {
        key = "load-ratio" SUBSEP roads[r]
        figures = figures sprintf("load-ratio %s %.3f %.3f %.3f\n", roads[r], mean[key], low[key], high[key])
        row("load", roads[r], interval("load-ratio", roads[r], "%.2f") " x plain read", "<= " goal_load, \
            judge(low[key], high[key], none, goal_load))
    }

    key = "startup-ratio" SUBSEP "dorvane"
    figures = figures sprintf("startup-ratio %.3f %.3f %.3f\n", mean[key], low[key], high[key])
    row("startup", "dorvane", interval("startup-ratio", "dorvane", "%.3f") " x bare wx", "<= " goal_startup, \
        judge(low[key], high[key], none, goal_startup))
    row("startup", "bare-wx", "", "", "")

    key = "peak-rss-extra" SUBSEP "dorvane"
    row("peak-rss", "bare-wx", "toolkit, GL canvas, one frame", "", "")
    figures = figures sprintf("rss-extra-mib %.1f %.1f %.1f\n", mean[key], low[key], high[key])
    row("peak-rss", "dorvane", interval("peak-rss-extra", "dorvane", "%+.1f") " MiB over bare wx, empty", \
        "<= +" goal_extra_mib " MiB", judge(low[key], high[key], none, goal_extra_mib))
    extra = avg("peak-rss", "dorvane-full-loaded") - avg("peak-rss", "bare-wx")
    row("peak-rss", "dorvane-full-loaded", sprintf("%+.1f MiB over bare wx, full grid", extra), "", "")
    if (has("peak-rss", "bare-glx")) {
        row("peak-rss", "bare-glx", "Xlib + GLX, nothing drawn", "", "")
        row("peak-rss", "bare-glx-after-frames", sprintf("%+.1f MiB after drawing every volume", \
            avg("peak-rss", "bare-glx-after-frames") - avg("peak-rss", "bare-glx")), "", "")
    }

    tick_ms = 1000 / timer_hz
    for (i = 1; i <= paced_count; i++) {
        v = paced[i]
        figures = figures sprintf("pacing %s %d %d\n", v, frames[v], due[v])
        derived = sprintf("%d ticks due, %.3f deg/frame, %d after", due[v], degrees[v], after[v])
        no_backlog = degrees[v] == 3 && after[v] == 0 && frames[v] <= due[v]
        if (avg("frame-view", v) < tick_ms)
            pacing_row(v, derived, sprintf("%.1f/s", timer_hz), \
                verdict(no_backlog && frames[v] / seconds[v] >= 0.9 * timer_hz))
        else
            pacing_row(v, derived, "no backlog", verdict(no_backlog))
    }

    printf "\n%s", figures
}
