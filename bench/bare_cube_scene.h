// The viewer's picture issued call for call, with the same values in the same order, but
// by a loop of our own: what the frame costs OpenGL without the program around it.
#pragma once

#include <vector>

// Depth test and the projection the view sets for a client area of this size.
void SetUpBareView(int width, int height);
// One frame up to and including glFinish; the caller swaps.
void DrawBareFrame(const std::vector<unsigned char>& cells, float angleY);
