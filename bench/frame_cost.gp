# Frame cost against occupancy, view and bare loop drawn in turn: the mean, with its 95 %
# interval as the bar. Reads the benchmark's CSV file, whose first rows are each volume's
# view, bare and ratio rows. Variables: csv, output, renderer.
set terminal pngcairo size 1000,600 font "DejaVu Sans,10"
set output output
set title sprintf("Frame cost against occupancy (%s)", renderer)
set ylabel "ms per frame, log scale (bar: 95 % interval of the mean)"
set logscale y
set grid ytics
set key top left
set xrange [-0.5:*]
set offsets 0, 0.5, 0, 0
set bmargin 4
set datafile separator ","
label(name, cells) = sprintf("%s\n%d cells", name, cells)
set key autotitle columnheader
stats csv using (strcol(1) eq "frame-view") nooutput
last = 3 * STATS_sum - 1
plot csv every 3::0::last using ($0 - 0.08):5:6:7:xtic(label(strcol(2), $3)) with yerrorlines lw 2 \
       title "view (DrawScene in the program)", \
     csv every 3::1::last using ($0 + 0.08):5:6:7 with yerrorlines lw 2 title "bare loop (Xlib + GLX)"
