// sndgen: writes the game's sounds into the directory given as the only
// argument, e.g. `sndgen build/sounds`.

#include "GeneratorMain.h"
#include "SoundGenerator.h"

int main(const int argc, char** argv) {
    return RunGenerator(argc, argv, "sndgen", sndgen::WriteAllSounds);
}
