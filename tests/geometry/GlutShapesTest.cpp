#include "legacygl/SphereMesh.h"
#include "legacygl/UnitCube.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <set>

namespace {

using GlutShapesTest = GlTest;

// A lit, smooth-shaded sphere filling the window, seen at a slant, by GLUT
// or by the mesh.
template <typename DrawShape> std::vector<Rgb> DrawLit(DrawShape draw) {
    const int size = glutGet(GLUT_WINDOW_WIDTH);
    glViewport(0, 0, size, size);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1.2, 1.2, -1.2, 1.2, -2.0, 2.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // A light close by, so the shading varies across each face.
    constexpr GLfloat light[4] = {0.6f, 0.9f, 1.1f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glRotatef(35.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(20.0f, 0.0f, 0.0f, 1.0f);
    draw();
    glFinish();
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    return ReadPixels(0, 0, size, size);
}

// The trees' crowns and the clouds: the mesh lays down every pixel as GLUT's
// sphere does, so drawing either changes nothing on screen.
TEST_F(GlutShapesTest, DrawsTheSamePixelsAsGlutsSphere) {
    for (const int facets : {3, 5}) {
        const std::vector<Rgb> glut = DrawLit([facets] { glutSolidSphere(1.0, facets, facets); });
        EXPECT_EQ(DrawLit([facets] { SphereMesh(facets, facets).Draw(); }), glut)
            << facets << " facets";
        const std::set<Rgb> shades(glut.begin(), glut.end());
        EXPECT_GT(shades.size(), 10u) << "a lit sphere, not a blank window";
    }
}

TEST_F(GlutShapesTest, TheCubeDrawsTheSamePixelsAsGlutsCube) {
    const std::vector<Rgb> glut = DrawLit([] { glutSolidCube(1.0); });
    EXPECT_EQ(DrawLit([] { UnitCube::Draw(); }), glut);
    EXPECT_GT(std::set<Rgb>(glut.begin(), glut.end()).size(), 2u) << "three lit faces";
}

// The separate triangles cover the strips' surface: 2 slices per stack
// between the caps, one per slice in each cap, all of them facing out.
TEST(GlutShapesTriangles, CoverTheSphereFacingOutwards) {
    const SphereMesh mesh(5, 4);
    EXPECT_EQ(mesh.Points().size(), 5u * 3u + 2u);
    const std::vector<int>& triangles = mesh.Triangles();
    // Each strip of 2 (slices + 1) corners makes 2 slices triangles.
    EXPECT_EQ(triangles.size(), 3u * 4u * 2u * 5u);
    for (size_t k = 0; k < triangles.size(); k += 3) {
        const auto& a = mesh.Points()[static_cast<size_t>(triangles[k])];
        const auto& b = mesh.Points()[static_cast<size_t>(triangles[k + 1])];
        const auto& c = mesh.Points()[static_cast<size_t>(triangles[k + 2])];
        const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        const float normal[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                 u[0] * v[1] - u[1] * v[0]};
        const float middle[3] = {a[0] + b[0] + c[0], a[1] + b[1] + c[1], a[2] + b[2] + c[2]};
        // Degenerate cap triangles have no area and no way to face.
        const float outwards = normal[0] * middle[0] + normal[1] * middle[1] + normal[2] * middle[2];
        EXPECT_GE(outwards, -1e-6f) << "triangle " << k / 3;
    }
}

} // namespace
