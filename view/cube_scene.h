// The picture in plain OpenGL, with no window or framework around it: the view draws its
// frames with these, and so does the benchmarks' bare loop, call for call the same.
#pragma once

// The projection for a client area of this aspect, width over height.
void SetSceneProjection(double aspect);

// One frame, up to and including glFinish (the caller swaps): cleared to black, then each
// cell of the grid that holds exactly 1 as a small cube with colour-graded corners, the
// grid turned angleY degrees about its axis, which lies kAxisBeyondEye beyond eyeDistance.
void DrawSceneFrame(const unsigned char* cells, float angleY, float eyeDistance);
