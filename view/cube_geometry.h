// One cell's cube: six faces from 18 vertices in a quad strip and two quads, each corner
// in its own colour. Plain OpenGL, shared by the view and the benchmark's bare loop.
#pragma once

constexpr float kCubeHalfEdge = 0.00875f;  // the cubes of neighbouring cells touch

void DrawCube();
