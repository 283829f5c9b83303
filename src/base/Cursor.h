#pragma once

// The pointer's shape over the main window (a GLUT cursor). The menus and
// the tick ask for shapes; only while the shell has a window for them do
// they reach GLUT, so a game run without a window asks nothing of it.
namespace Cursor {

// Shapes go to GLUT from now on (true), or nowhere (false).
void UseWindow(bool hasWindow);
void Set(int glutCursor);

} // namespace Cursor
