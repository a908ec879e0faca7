// The measurements made on the real program running in this process.
#pragma once

#include "bench_volumes.h"

#include <string>
#include <vector>

class CCubeView;

// The view's client size and the buffers of its pixel format.
struct ViewFormat {
    int width;
    int height;
    int alphaBits;
    int depthBits;
    int stencilBits;
};
ViewFormat FormatOf(CCubeView& view);

// Each section prints its records; false when the program did not do what was timed.
// The view draws its frames in turn with the bare GLX loop, a process of its own.
bool TimeViewFrames(CCubeView& view, const std::vector<BenchVolume>& volumes);
bool TimeLoads(CCubeView& view, const std::string& folder);
bool TimePacing(CCubeView& view, const std::vector<BenchVolume>& volumes);
