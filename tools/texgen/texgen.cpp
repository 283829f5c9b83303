// texgen: writes the game's raw textures into the directory given as the only
// argument, e.g. `texgen build/textures`.

#include "GeneratorMain.h"
#include "TextureGenerator.h"

int main(const int argc, char** argv) {
    return RunGenerator(argc, argv, "texgen", texgen::WriteAllTextures);
}
