#pragma once

#include "city/MapObject.h"

// Tile: one flat textured quad on the ground over a rectangle of road or
// sidewalk cells; the texture is stretched once over the whole rectangle.
class Tile : public MapObject {
public:
    Tile() { kind = KindTile; }
    void SetupDisplaylist() override;
    void AddFaces(FaceSink& sink) const override { AddGroundQuad(sink); }
};
