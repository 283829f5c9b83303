#pragma once

struct EsContext;

// glRasterPos2f: the position in window coordinates and its colour, or none
// when it falls outside the view volume.
void EsRasterPos(EsContext& context, float x, float y);
// glutBitmapCharacter: the glyph at the raster position, which moves on by
// its advance; nothing while the raster position is not valid.
void EsBitmapCharacter(EsContext& context, int font, int character);
