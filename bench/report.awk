# Turns the record lines of the bench programs into the one table (printed and written
# as CSV), the machine-readable figure lines and the data for the frame-cost plot.
# Variables: csv, plotdata (output paths); timer_hz (the Play timer's rate). A volume
# whose view frame is shorter than a tick should keep up with the timer: within 90 %.
# The view's overhead is the median of the ratios of runs of frames drawn in pairs with
# the bare loop's, on the drawing processes' CPU time, which the load of a shared machine
# sways far less than a ratio of medians; its interval is the middle half of those ratios,
# and it should lie within 1 +/- 0.05. The clock's ratio is shown beside it. Loads are
# likewise the median of each round's ratio to its plain read.
BEGIN {
    FS = "\t"
    goal_overhead_off = 0.05; goal_load = 2; goal_startup = 1.3; goal_extra_mib = 4
}

$1 == "record" {
    key = $2 SUBSEP $3
    if (!(key in median)) order[++count] = key
    cells[key] = $4; n[key] = $5; median[key] = $6; p25[key] = $7; p75[key] = $8
    low[key] = $9; high[key] = $10; unit[key] = $11
    if ($2 == "frame-view") volumes[++volume_count] = $3
}
$1 == "pacing" {
    paced[++paced_count] = $2
    pacing_cells[$2] = $3; frames[$2] = $4; due[$2] = $5; seconds[$2] = $6; degrees[$2] = $7; after[$2] = $8
}
$1 == "info" { info[$2] = $3 }

function verdict(ok) { return ok ? "met" : "MISSED" }
function has(measure, name) { return (measure SUBSEP name) in median }
function med(measure, name) { return median[measure SUBSEP name] }

# One table row: the measured figures of a record plus what is derived from it.
function row(measure, name, derived, goal, meets,    key, line) {
    key = measure SUBSEP name
    printf "%-10s %-22s %8s %4s %10.3f %10.3f %10.3f %10.3f %10.3f %-8s %-34s %-12s %s\n", \
        measure, name, cells[key], n[key], median[key], p25[key], p75[key], low[key], high[key], unit[key], \
        derived, goal, meets
    printf "%s,%s,%s,%s,%.4f,%.4f,%.4f,%.4f,%.4f,%s,\"%s\",\"%s\",%s\n", measure, name, cells[key], n[key], \
        median[key], p25[key], p75[key], low[key], high[key], unit[key], derived, goal, meets > csv
}

function pacing_row(name, derived, goal, meets,    rate) {
    rate = frames[name] / seconds[name]
    printf "%-10s %-22s %8s %4s %10.3f %10s %10s %10s %10s %-8s %-34s %-12s %s\n", "pacing", name, \
        pacing_cells[name], frames[name], rate, "", "", "", "", "frames/s", derived, goal, meets
    printf "pacing,%s,%s,%s,%.4f,,,,,frames/s,\"%s\",\"%s\",%s\n", name, pacing_cells[name], frames[name], rate, \
        derived, goal, meets > csv
}

END {
    printf "%-10s %-22s %8s %4s %10s %10s %10s %10s %10s %-8s %-34s %-12s %s\n", "measure", "case", "cells", \
        "n", "median", "p25", "p75", "min", "max", "unit", "derived", "goal", "verdict"
    print "measure,case,cells,n,median,p25,p75,min,max,unit,derived,goal,verdict" > csv

    for (i = 1; i <= volume_count; i++) {
        v = volumes[i]
        key = "frame-ratio" SUBSEP v
        clock = "frame-wall-ratio" SUBSEP v
        ratio = median[key]
        figures = figures sprintf("overhead %s %.3f %.3f %.3f\n", v, ratio, p25[key], p75[key])
        row("frame-view", v, sprintf("%.3f x bare (IQR %.3f-%.3f, %d pairs); clock %.3f (IQR %.3f-%.3f)", ratio, \
            p25[key], p75[key], n[key], median[clock], p25[clock], p75[clock]), \
            sprintf("IQR in 1 +/- %.2f", goal_overhead_off), \
            verdict(p25[key] >= 1 - goal_overhead_off && p75[key] <= 1 + goal_overhead_off))
        row("frame-bare", v, "", "", "")
        printf "%d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", i - 1, v, cells["frame-view" SUBSEP v], \
            med("frame-view", v), p25["frame-view" SUBSEP v], p75["frame-view" SUBSEP v], \
            med("frame-bare", v), p25["frame-bare" SUBSEP v], p75["frame-bare" SUBSEP v] > plotdata
    }

    row("load", "plain-read", "open + one read() + close", "", "")
    split("serialize drop", roads, " ")
    for (r = 1; r <= 2; r++) {
        key = "load-ratio" SUBSEP roads[r]
        ratio = median[key]
        figures = figures sprintf("load-ratio %s %.3f\n", roads[r], ratio)
        row("load", roads[r], sprintf("%.2f x plain read (IQR %.2f-%.2f)", ratio, p25[key], p75[key]), \
            "<= " goal_load, verdict(ratio <= goal_load))
    }

    ratio = med("startup", "dorvane") / med("startup", "bare-wx")
    figures = figures sprintf("startup-ratio %.3f\n", ratio)
    row("startup", "dorvane", sprintf("%.3f x bare wx", ratio), "<= " goal_startup, verdict(ratio <= goal_startup))
    row("startup", "bare-wx", "", "", "")

    bare = med("peak-rss", "bare-wx")
    row("peak-rss", "bare-wx", "toolkit, GL canvas, one frame", "", "")
    row("peak-rss", "dorvane", sprintf("%+.1f MiB over bare wx, empty", med("peak-rss", "dorvane") - bare), "", "")
    extra = med("peak-rss", "dorvane-full-loaded") - bare
    figures = figures sprintf("rss-extra-mib %.1f\n", extra)
    row("peak-rss", "dorvane-full-loaded", sprintf("%+.1f MiB over bare wx, full grid", extra), \
        "<= +" goal_extra_mib " MiB", verdict(extra <= goal_extra_mib))
    if (has("peak-rss", "bare-glx")) {
        row("peak-rss", "bare-glx", "Xlib + GLX, nothing drawn", "", "")
        row("peak-rss", "bare-glx-after-frames", sprintf("%+.1f MiB after drawing every volume", \
            med("peak-rss", "bare-glx-after-frames") - med("peak-rss", "bare-glx")), "", "")
    }

    tick_ms = 1000 / timer_hz
    for (i = 1; i <= paced_count; i++) {
        v = paced[i]
        figures = figures sprintf("pacing %s %d %d\n", v, frames[v], due[v])
        derived = sprintf("%d ticks due, %.3f deg/frame, %d after", due[v], degrees[v], after[v])
        no_backlog = degrees[v] == 3 && after[v] == 0 && frames[v] <= due[v]
        if (med("frame-view", v) < tick_ms)
            pacing_row(v, derived, sprintf("%.1f/s", timer_hz), \
                verdict(no_backlog && frames[v] / seconds[v] >= 0.9 * timer_hz))
        else
            pacing_row(v, derived, "no backlog", verdict(no_backlog))
    }

    printf "\n%s", figures
}
