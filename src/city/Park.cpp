#include "city/Park.h"

#include "base/DisplayListTable.h"
#include "base/Settings.h"
#include "legacygl/SphereMesh.h"
#include "legacygl/UnitCube.h"
#include "legacygl/Gl.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int minTrees = 3;
constexpr int treeCountRange = 15;  // 3 to 17 trees
constexpr int minTreeSize = 20;     // world units
constexpr int treeSizeRange = 80;   // 20 to 99
constexpr float trunkWidth = 3.0f;  // world units
constexpr int minCrownWidth = 15;   // world units
constexpr int crownWidthRange = 20; // 15 to 34
constexpr float crownGreen = 0.75f;
constexpr int crownShadeRange = 50; // up to 0.49 darker
constexpr float crownAlpha = 0.6f;
constexpr int crownFacets = 3; // slices and stacks of the crown
constexpr float trunkColour[4] = {0.4f, 0.1f, 0.1f, 1.0f};

// The crown: the coarse sphere of glut::SolidSphere(1.0, 3, 3).
const SphereMesh& CrownSphere() {
    static const SphereMesh sphere(crownFacets, crownFacets);
    return sphere;
}

} // namespace

void Park::SetupDisplaylist() {
    dx = maxX - minX;
    dy = maxY - minY;
    dh = height - base;
    PlaceOnce();
    // The trees are planted whether or not there is a list to draw them into
    // (a game run without a window has none): they draw from the game's one
    // random sequence, which must go on the same.
    std::vector<Tree>& planted = trees[displayListTable.GetCurrent()];
    planted.clear();
    if (settings.showTrees != 0) {
        const int count = std::rand() % treeCountRange + minTrees;
        for (int i = 0; i < count; ++i) {
            Tree tree{};
            tree.size = static_cast<float>(std::rand() % treeSizeRange + minTreeSize);
            tree.yFraction = static_cast<float>(std::rand() % 100 / 100.0);
            tree.xFraction = static_cast<float>(std::rand() % 100 / 100.0);
            tree.shade = static_cast<float>(std::rand() % crownShadeRange) / 100.0f;
            tree.crownWidth = static_cast<float>(minCrownWidth + std::rand() % crownWidthRange);
            planted.push_back(tree);
        }
    }
    if (!BeginList()) {
        return;
    }
    if (settings.fastComputer != 0) {
        gl::Enable(GL_CULL_FACE);
    }
    DrawGroundQuad();
    for (const Tree& tree : planted) {
        DrawTree(tree);
    }
    gl::EndList();
}

void Park::AddFaces(FaceSink& sink) const {
    AddGroundQuad(sink);
    for (const Tree& tree : trees[displayListTable.GetCurrent()]) {
        AddTree(sink, tree);
    }
}

void Park::AddTree(FaceSink& sink, const Tree& tree) const {
    // As DrawTree places them, worked out in world units.
    const float x = minX + dx * tree.xFraction;
    const float y = minY + dy * tree.yFraction;
    const float trunkMiddle = base + dh * tree.size / 200.0f;
    const FaceSink::Colour trunk = {trunkColour[0], trunkColour[1], trunkColour[2], trunkColour[3]};
    for (int f = 0; f < 6; ++f) {
        FaceSink::Corner corners[4];
        for (int i = 0; i < 4; ++i) {
            const float* c = UnitCube::corners[UnitCube::faces[f][i]];
            // GLUT's solid shapes carry no texture coordinates: the ground
            // quad's last ones stay current.
            corners[i] = {x + trunkWidth * c[0], y + trunkWidth * c[1],
                          trunkMiddle + tree.size * c[2], 0.0f, 1.0f};
        }
        sink.AddQuad(0, trunk, UnitCube::normals[f], corners);
    }
    const float crownMiddle = trunkMiddle + dh * 2.0f * tree.size / 200.0f;
    const FaceSink::Colour crown = {0.0f, crownGreen - tree.shade, 0.0f, crownAlpha};
    const SphereMesh& sphere = CrownSphere();
    const std::vector<int>& triangles = sphere.Triangles();
    for (size_t k = 0; k < triangles.size(); k += 3) {
        FaceSink::Corner corners[3];
        float normals[3][3];
        for (int i = 0; i < 3; ++i) {
            const auto& p = sphere.Points()[static_cast<size_t>(triangles[k + i])];
            corners[i] = {x + tree.crownWidth * p[0], y + tree.crownWidth * p[1],
                          crownMiddle + tree.size * p[2], 0.0f, 1.0f};
            // The scaled sphere's normal: the unit normal through the
            // inverse of the scale.
            const float nx = p[0] / tree.crownWidth;
            const float ny = p[1] / tree.crownWidth;
            const float nz = p[2] / tree.size;
            const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
            normals[i][0] = nx / length;
            normals[i][1] = ny / length;
            normals[i][2] = nz / length;
        }
        sink.AddTriangle(textureTop, crown, normals, corners);
    }
}

void Park::DrawTree(const Tree& tree) const {
    const float size = tree.size;
    // The park's object space is its unit square times its height, so world
    // sizes are divided by the park's extents. Parks are 100 high, so a z of
    // size / 200 is half a trunk: the trunk stands on the ground and the
    // crown sits above it.
    gl::PushMatrix();
    gl::Translatef(tree.xFraction, tree.yFraction, size / 200.0f);

    gl::PushMatrix();
    gl::Color4fv(trunkColour);
    gl::Scalef(trunkWidth / dx, trunkWidth / dy, size / dh);
    UnitCube::Draw();
    gl::PopMatrix();

    EnableTextures();
    gl::BindTexture(GL_TEXTURE_2D, textureTop);
    gl::Translatef(0.0f, 0.0f, 2.0f * size / 200.0f);

    gl::PushMatrix();
    gl::Color4f(0.0f, crownGreen - tree.shade, 0.0f, crownAlpha);
    gl::Scalef(tree.crownWidth / dx, tree.crownWidth / dy, size / dh);
    CrownSphere().Draw();
    gl::PopMatrix();

    gl::Disable(GL_TEXTURE_2D);
    gl::PopMatrix();
}
