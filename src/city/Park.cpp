#include "city/Park.h"

#include "shell/Settings.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

constexpr int minTrees = 3;
constexpr int treeCountRange = 15;     // 3 to 17 trees
constexpr int minTreeSize = 20;        // world units
constexpr int treeSizeRange = 80;      // 20 to 99
constexpr float trunkWidth = 3.0f;     // world units
constexpr int minCrownWidth = 15;      // world units
constexpr int crownWidthRange = 20;    // 15 to 34
constexpr float crownGreen = 0.75f;
constexpr int crownShadeRange = 50;    // up to 0.49 darker
constexpr float crownAlpha = 0.6f;
constexpr int crownFacets = 3;         // slices and stacks of the crown

} // namespace

void Park::SetupDisplaylist() {
    dx = maxX - minX;
    dy = maxY - minY;
    dh = height - base;
    PlaceOnce();
    if (!BeginList()) {
        return;
    }
    if (settings.fastComputer != 0) {
        glEnable(GL_CULL_FACE);
    }
    DrawGroundQuad();
    if (settings.showTrees != 0) {
        const int trees = std::rand() % treeCountRange + minTrees;
        for (int i = 0; i < trees; ++i) {
            const float size = static_cast<float>(std::rand() % treeSizeRange + minTreeSize);
            const float yFraction = static_cast<float>(std::rand() % 100 / 100.0);
            const float xFraction = static_cast<float>(std::rand() % 100 / 100.0);
            DrawTree(size, xFraction, yFraction);
        }
    }
    glEndList();
}

void Park::DrawTree(const float size, const float xFraction, const float yFraction) const {
    // The park's object space is its unit square times its height, so world
    // sizes are divided by the park's extents. Parks are 100 high, so a z of
    // size / 200 is half a trunk: the trunk stands on the ground and the
    // crown sits above it.
    glPushMatrix();
    glTranslatef(xFraction, yFraction, size / 200.0f);

    glPushMatrix();
    glColor4f(0.4f, 0.1f, 0.1f, 1.0f);
    glScalef(trunkWidth / dx, trunkWidth / dy, size / dh);
    glutSolidCube(1.0);
    glPopMatrix();

    EnableTextures();
    glBindTexture(GL_TEXTURE_2D, textureTop);
    glTranslatef(0.0f, 0.0f, 2.0f * size / 200.0f);

    glPushMatrix();
    const float shade = static_cast<float>(std::rand() % crownShadeRange) / 100.0f;
    glColor4f(0.0f, crownGreen - shade, 0.0f, crownAlpha);
    const float crownWidth = static_cast<float>(minCrownWidth + std::rand() % crownWidthRange);
    glScalef(crownWidth / dx, crownWidth / dy, size / dh);
    glutSolidSphere(1.0, crownFacets, crownFacets);
    glPopMatrix();

    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
