#pragma once

#include "legacygl/Gl.h"

// ViewVolume: the six planes of what the camera sees, in world space, for
// skipping what lies wholly outside it. The game's camera lives in the
// projection matrix and the model matrix is the identity while the batches
// draw, so the projection alone takes world points to clip space. Each plane
// is a, b, c, d with a x + b y + c z + d >= 0 inside.
class ViewVolume {
public:
    explicit ViewVolume(const float (&m)[16]) {
        // Rows of the column-major matrix.
        const auto row = [&m](const int r, const int c) { return m[r + 4 * c]; };
        for (int axis = 0; axis < 3; ++axis) {
            for (int side = 0; side < 2; ++side) {
                const float sign = side == 0 ? 1.0f : -1.0f;
                float* plane = planes[axis * 2 + side];
                for (int c = 0; c < 4; ++c) {
                    plane[c] = row(3, c) + sign * row(axis, c);
                }
            }
        }
    }

    // The volume of the current projection matrix.
    static ViewVolume OfProjection() {
        float projection[16];
        gl::GetFloatv(GL_PROJECTION_MATRIX, projection);
        return ViewVolume(projection);
    }

    // False only if the box lies wholly outside one of the planes.
    bool MayShow(const float (&low)[3], const float (&high)[3]) const {
        for (const auto& plane : planes) {
            const float x = plane[0] >= 0.0f ? high[0] : low[0];
            const float y = plane[1] >= 0.0f ? high[1] : low[1];
            const float z = plane[2] >= 0.0f ? high[2] : low[2];
            if (plane[0] * x + plane[1] * y + plane[2] * z + plane[3] < 0.0f) {
                return false;
            }
        }
        return true;
    }

private:
    float planes[6][4];
};
