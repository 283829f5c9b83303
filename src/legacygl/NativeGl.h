#pragma once

struct GlTable;

// The driver's own OpenGL 1.1, GLU and GLUT: every entry of the table is
// the platform's function of that name, so the game draws exactly as it
// would call them itself. This is the table the game starts with.
GlTable NativeGlTable();
void UseNativeGl();
