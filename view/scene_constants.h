// The scene's numbers, for the view, the benchmarks' bare loop and the tests that predict
// the picture: where the cells stand, how they are seen, and how Play turns them.
#pragma once

// Neighbouring cells' centres are this far apart, and their cubes touch.
inline constexpr double kCellPitch = 0.0175;
inline constexpr float kCubeHalfEdge = static_cast<float>(kCellPitch / 2);

// The projection: the field of view, top to bottom, and the planes that bound it.
inline constexpr double kFieldOfViewDegrees = 45.0;
inline constexpr double kNearPlane = 3.0;
inline constexpr double kFarPlane = 7.0;
// The volume's centre lies half an object size beyond the near plane, kEyeDistance from
// the eye; the axis it turns about lies kAxisBeyondEye further off.
inline constexpr double kMaxObjectSize = 3.0;
inline constexpr float kEyeDistance = static_cast<float>(kNearPlane + kMaxObjectSize / 2);
inline constexpr double kAxisBeyondEye = 0.5;

// Each frame turns the volume this many degrees about the vertical axis.
inline constexpr float kAngleStep = 3.0f;

// Play: the view's timer, which draws a frame each tick.
inline constexpr unsigned kPlayTimer = 1;
inline constexpr unsigned kPlayTickMs = 15;
