# Frame cost against occupancy, view and bare loop drawn in turn: the mean, with its 95 %
# interval as the bar. Variables: data, output, renderer.
set terminal pngcairo size 1000,600 font "DejaVu Sans,10"
set output output
set title sprintf("Frame cost against occupancy (%s)", renderer)
set ylabel "ms per frame, log scale (bar: 95 % interval of the mean)"
set logscale y
set grid ytics
set key top left
set xrange [-0.5:*]
set bmargin 4
set offsets 0, 0.5, 0, 0
set datafile separator "\t"
label(name, cells) = sprintf("%s\n%d cells", name, cells)
plot data using ($1 - 0.08):4:5:6:xtic(label(strcol(2), column(3))) with yerrorlines lw 2 title "view (DrawScene in the program)", \
     data using ($1 + 0.08):7:8:9 with yerrorlines lw 2 title "bare loop (Xlib + GLX)"
