#pragma once

#include "city/MapObject.h"

// Building: a textured box over a rectangle of lot cells, one texture per
// side and one for the roof. With height 0 its sides collapse and it is the
// flat plate of a road crossing.
class Building : public MapObject {
public:
    Building() { kind = KindBuilding; }
    void SetupDisplaylist() override;
    void AddFaces(FaceSink& sink) const override;
};
