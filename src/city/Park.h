#pragma once

#include "city/MapObject.h"

#include <vector>

// Park: a grass quad over a rectangle of lot cells with a few random trees,
// each a brown trunk under a coarse green crown. The trees are drawn anew
// each time the list is compiled, so every window gets its own; the park
// keeps the trees of each window's list for the city's batch.
class Park : public MapObject {
public:
    Park() { kind = KindPark; }
    void SetupDisplaylist() override;
    void AddFaces(FaceSink& sink) const override;

private:
    // One tree, in the park's object space and in world units.
    struct Tree {
        float size;      // trunk height
        float xFraction; // where it stands in the park
        float yFraction;
        float shade; // how much darker than the brightest crown
        float crownWidth;
    };

    void DrawTree(const Tree& tree) const;
    void AddTree(FaceSink& sink, const Tree& tree) const;

    float dx = 0.0f;
    float dy = 0.0f;
    float dh = 0.0f;
    std::vector<Tree> trees[DisplayListTable::windowCount];
};
