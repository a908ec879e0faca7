// bench_bare_glx as a child process, drawing bare frames whenever asked, while this
// program waits.
#pragma once

#include <cstdio>
#include <string>
#include <sys/types.h>

class BarePartner {
public:
    // Starts the partner on a window of the view's client size and
    // pixel format; false when it did not come up.
    bool Start(int width, int height, int alphaBits, int depthBits, int stencilBits);
    ~BarePartner();

    // `count` frames of bench volume `index` in a row: their clock time in ms, negative
    // when the partner failed.
    double Frames(std::size_t index, int count);
    long PeakKiB();

private:
    bool Tell(const std::string& line);
    std::string Answer();

    pid_t m_pid = 0;
    std::FILE* m_to = nullptr;
    std::FILE* m_from = nullptr;
};
