#include "city/Tile.h"

#include <GL/gl.h>

void Tile::SetupDisplaylist() {
    PlaceOnce();
    if (!BeginList()) {
        return;
    }
    glEnable(GL_CULL_FACE);
    DrawGroundQuad();
    glEndList();
}
