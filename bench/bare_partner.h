// bench_bare_glx as a child process, drawing one bare frame whenever asked.
#pragma once

#include "sample_stats.h"

#include <cstdio>
#include <string>
#include <sys/types.h>

class BarePartner {
public:
    // Starts the partner beside this program on a window of the view's client size and
    // pixel format; false when it did not come up.
    bool Start(int width, int height, int alphaBits, int depthBits, int stencilBits);
    ~BarePartner();

    // `count` frames of bench volume `index` in a row; both times negative when the
    // partner failed.
    FrameTimes Frames(std::size_t index, int count);
    // The same in two halves, so that this process can draw while the partner draws.
    void BeginFrames(std::size_t index, int count);
    FrameTimes EndFrames();
    long PeakKiB();

private:
    bool Tell(const std::string& line);
    std::string Answer();

    pid_t m_pid = 0;
    std::FILE* m_to = nullptr;
    std::FILE* m_from = nullptr;
};
