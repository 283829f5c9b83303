#pragma once

// Whether this thread has a current GL context: none before the window
// exists (the process-wide objects are built before main) and none at all
// in a game run without a window (--verify). Code that would make GL
// objects at such a time asks first.
bool GlContextCurrent();
