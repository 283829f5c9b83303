#pragma once

#include <array>
#include <vector>

// SphereMesh: the unit sphere that glut::SolidSphere(1.0, slices, stacks)
// draws, as a mesh of our own: a top point, rings of `slices` points going
// round clockwise seen from above, a bottom point, and one triangle strip per
// stack; every corner is its own normal. One description of the sphere for
// everything that draws one, whether strip by strip or gathered with other
// faces into a batch.
class SphereMesh {
public:
    using Corner = std::array<float, 3>;

    SphereMesh(int slices, int stacks);

    // The strips, each corner with its normal, as glutSolidSphere sends them.
    void Draw() const;

    const std::vector<Corner>& Points() const { return points; }
    // The strips as point indices, as GLUT sends them.
    const std::vector<std::vector<int>>& Strips() const { return strips; }
    // The same surface as separate triangles, three point indices each, that
    // keep the strips' winding and last corners.
    const std::vector<int>& Triangles() const { return triangles; }

private:
    void AddStrip(std::vector<int> strip);

    std::vector<Corner> points;
    std::vector<std::vector<int>> strips;
    std::vector<int> triangles;
};
