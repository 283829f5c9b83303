#pragma once

#include "geometry/Point.h"

#include <cstdint>
#include <memory>
#include <vector>

class Car;
class Ped;

// CrowdBatch: all the pedestrians, or all the cars, in a few draws. Each
// actor's faces are placed on the CPU through the same transforms its own
// drawing sends to GL (normals through the inverse of the scale, which is
// what GL_NORMALIZE makes of them), and the faces of every actor that share
// a texture go in one draw, with the model matrix reset (the camera lives in
// the projection matrix): a few draws for the whole crowd instead of a
// matrix and a dozen draws per actor.
class CrowdBatch {
public:
    // Animates each ped as its own drawing does, in list order.
    void DrawPeds(const std::vector<std::unique_ptr<Ped>>& peds);
    void DrawCars(const std::vector<std::unique_ptr<Car>>& cars) const;

private:
    struct Quad {
        uint32_t texture;
        const float* colour;
        float normal[3];
        Point corners[4];
    };
    // Kept from frame to frame, so that a frame allocates nothing.
    std::vector<Quad> quads;
};
