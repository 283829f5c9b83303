#pragma once

// The one value of pi the game works with, in radians, and the step between
// degrees (what OpenGL takes) and radians (what the trigonometry takes).
constexpr double pi = 3.14159265358;
constexpr double degreesToRadians = pi / 180.0;
constexpr double radiansToDegrees = 180.0 / pi;
