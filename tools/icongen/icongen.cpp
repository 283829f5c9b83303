// icongen: draws the game's icon at every size into the directory given as
// the only argument, in the icon theme's layout, e.g. `icongen build/icons`.

#include "GeneratorMain.h"
#include "GullIcon.h"

int main(const int argc, char** argv) {
    return RunGenerator(argc, argv, "icongen", icongen::GullIcon::WriteAll);
}
