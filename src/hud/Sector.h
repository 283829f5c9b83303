#pragma once

#include "legacygl/Gl.h"

#include <cmath>

// Fills the sector of a circle around (cx, cy) from angle `from` to `to`
// (radians, 0 pointing down the overlay, growing toward +x) as a fan of
// triangles, one per `step`: the steering cone and the radar disc share it.
inline void DrawSector(const float cx, const float cy, const float radius, const float from,
                       const float to, const float step) {
    gl::Begin(GL_TRIANGLES);
    float previousX = cx + radius * std::sin(from);
    float previousY = cy + radius * std::cos(from);
    for (float a = from; a <= to; a += step) {
        const float rimX = cx + radius * std::sin(a);
        const float rimY = cy + radius * std::cos(a);
        gl::Vertex2f(previousX, previousY);
        gl::Vertex2f(rimX, rimY);
        gl::Vertex2f(cx, cy);
        previousX = rimX;
        previousY = rimY;
    }
    gl::End();
}
