#pragma once

#include <GL/gl.h>

#include <vector>

// Feedback: records what a piece of drawing code sends to OpenGL, through GL's
// feedback render mode, so tests can count polygons, points and bitmap
// characters and read their window positions and colours without pixels.

struct FeedbackVertex {
    float x = 0.0f; // window coordinates, origin at the bottom left
    float y = 0.0f;
    float z = 0.0f;
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

struct FeedbackPrimitive {
    GLenum token = 0; // GL_POLYGON_TOKEN, GL_POINT_TOKEN, GL_LINE_TOKEN, GL_BITMAP_TOKEN, ...
    std::vector<FeedbackVertex> vertices;
};

// Sets the viewport and the 2D overlay projection of a window of the given
// size: x from the left edge, y from the vertical middle, growing downward.
void SetOverlay(int width, int height);

// The overlay y of a window y for a window of that height.
inline float OverlayY(const float windowY, const float height) {
    return height / 2.0f - windowY;
}

class Feedback {
public:
    // Everything drawn until End is recorded instead of rasterised.
    void Begin();
    std::vector<FeedbackPrimitive> End();

    // Total area of the polygons, in square pixels. Implementations may hand a
    // quad back as two triangles, so tests count filled shapes by area.
    static float PolygonArea(const std::vector<FeedbackPrimitive>& all);

    // The primitives of one kind.
    static std::vector<FeedbackPrimitive> OfKind(const std::vector<FeedbackPrimitive>& all,
                                                 GLenum token);

private:
    std::vector<GLfloat> buffer;
};

// What the drawing code sends to OpenGL, recorded with a Feedback.
template <typename Draw> std::vector<FeedbackPrimitive> Record(Draw draw) {
    Feedback feedback;
    feedback.Begin();
    draw();
    return feedback.End();
}
