#include "city/Tile.h"

#include "legacygl/Gl.h"

void Tile::SetupDisplaylist() {
    PlaceOnce();
    if (!BeginList()) {
        return;
    }
    gl::Enable(GL_CULL_FACE);
    DrawGroundQuad();
    gl::EndList();
}
