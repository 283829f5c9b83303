#include "shell/PlayerFiles.h"

void PlayerFilesChanged() {
    // Written straight to disk: nothing to keep elsewhere.
}
