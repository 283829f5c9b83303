#include "city/TextureSet.h"

uint32_t TextureSet::LoadTexture(const char*, int) { return 0; }
void TextureSet::LoadCityTextures() {}
void TextureSet::LoadSkyTextures() {}
void TextureSet::LoadCarTextures() {}
void TextureSet::LoadPedTextures() {}
