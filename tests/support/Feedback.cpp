#include "support/Feedback.h"

#include <GL/glu.h>

#include <cmath>

namespace {

constexpr int bufferSize = 1 << 20;
constexpr int floatsPerVertex = 7; // GL_3D_COLOR in RGBA mode

} // namespace

void SetOverlay(const int width, const int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(0.0f, -static_cast<float>(height) / 2.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Feedback::Begin() {
    buffer.assign(bufferSize, 0.0f);
    glFeedbackBuffer(bufferSize, GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
}

std::vector<FeedbackPrimitive> Feedback::End() {
    const int count = glRenderMode(GL_RENDER);
    std::vector<FeedbackPrimitive> primitives;
    for (int i = 0; i < count;) {
        FeedbackPrimitive p;
        p.token = static_cast<GLenum>(buffer[i++]);
        // Points and bitmaps have one vertex, lines two, polygons a count first.
        int vertices = 1;
        if (p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN) {
            vertices = 2;
        } else if (p.token == GL_POLYGON_TOKEN) {
            vertices = static_cast<int>(buffer[i++]);
        } else if (p.token != GL_POINT_TOKEN && p.token != GL_BITMAP_TOKEN) {
            return primitives; // a token these tests never draw: stop rather than misread
        }
        for (int k = 0; k < vertices; ++k, i += floatsPerVertex) {
            p.vertices.push_back({buffer[i], buffer[i + 1], buffer[i + 2], buffer[i + 3],
                                  buffer[i + 4], buffer[i + 5], buffer[i + 6]});
        }
        primitives.push_back(p);
    }
    return primitives;
}

std::vector<FeedbackPrimitive> Feedback::OfKind(const std::vector<FeedbackPrimitive>& all,
                                                const GLenum token) {
    std::vector<FeedbackPrimitive> kind;
    for (const FeedbackPrimitive& p : all) {
        if (p.token == token) {
            kind.push_back(p);
        }
    }
    return kind;
}

float Feedback::PolygonArea(const std::vector<FeedbackPrimitive>& all) {
    float total = 0.0f;
    for (const FeedbackPrimitive& p : all) {
        if (p.token != GL_POLYGON_TOKEN) {
            continue;
        }
        float twice = 0.0f;
        const size_t n = p.vertices.size();
        for (size_t i = 0; i < n; ++i) {
            const FeedbackVertex& a = p.vertices[i];
            const FeedbackVertex& b = p.vertices[(i + 1) % n];
            twice += a.x * b.y - b.x * a.y;
        }
        total += std::fabs(twice) / 2.0f;
    }
    return total;
}
