#include "legacygl/SphereMesh.h"

#include "legacygl/Gl.h"

#include <cmath>
#include <numbers>

SphereMesh::SphereMesh(const int slices, const int stacks) {
    // Angles in float steps and products of float sines, the way GLUT works
    // them out, so the points come out the same to the last bit.
    const float around = -2.0f * std::numbers::pi_v<float> / static_cast<float>(slices);
    const float polar = std::numbers::pi_v<float> / static_cast<float>(stacks);
    points.push_back({0.0f, 0.0f, 1.0f});
    for (int i = 1; i < stacks; ++i) {
        const double polarAngle = polar * static_cast<float>(i);
        const float ringSine = static_cast<float>(std::sin(polarAngle));
        const float ringCosine = static_cast<float>(std::cos(polarAngle));
        for (int j = 0; j < slices; ++j) {
            const double angle = around * static_cast<float>(j);
            points.push_back({static_cast<float>(std::cos(angle)) * ringSine,
                              static_cast<float>(std::sin(angle)) * ringSine, ringCosine});
        }
    }
    points.push_back({0.0f, 0.0f, -1.0f});
    const int bottom = static_cast<int>(points.size()) - 1;
    // Every strip closes on the pair it started with.
    const auto ring = [slices](const auto pair) {
        std::vector<int> strip;
        for (int j = 0; j <= slices; ++j) {
            const auto [first, second] = pair(j % slices);
            strip.insert(strip.end(), {first, second});
        }
        return strip;
    };
    AddStrip(ring([](const int j) { return std::pair{j + 1, 0}; }));
    for (int i = 0; i < stacks - 2; ++i) {
        const int offset = 1 + i * slices;
        AddStrip(ring([offset, slices](const int j) {
            return std::pair{offset + j + slices, offset + j};
        }));
    }
    const int offset = 1 + (stacks - 2) * slices;
    AddStrip(ring([bottom, offset](const int j) { return std::pair{bottom, offset + j}; }));
}

void SphereMesh::AddStrip(std::vector<int> strip) {
    // Every second triangle of a strip is sent turned: swapping its first two
    // corners keeps the winding and the last corner.
    for (size_t k = 0; k + 2 < strip.size(); ++k) {
        if (k % 2 == 0) {
            triangles.insert(triangles.end(), {strip[k], strip[k + 1], strip[k + 2]});
        } else {
            triangles.insert(triangles.end(), {strip[k + 1], strip[k], strip[k + 2]});
        }
    }
    strips.push_back(std::move(strip));
}

void SphereMesh::Draw() const {
    for (const std::vector<int>& strip : strips) {
        gl::Begin(GL_TRIANGLE_STRIP);
        for (const int index : strip) {
            gl::Normal3fv(points[static_cast<size_t>(index)].data());
            gl::Vertex3fv(points[static_cast<size_t>(index)].data());
        }
        gl::End();
    }
}
