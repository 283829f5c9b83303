#include "shell/Platform.h"

#include <cstdlib>

void PlayerFilesChanged() {
    // Written straight to disk: nothing to keep elsewhere.
}

void EndProcess(const int status) {
    std::exit(status);
}
