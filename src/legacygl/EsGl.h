#pragma once

// The layer: the game's OpenGL 1.1, GLU and GLUT drawing calls (the subset
// that legacygl/Gl.h declares) carried out with OpenGL ES 2.0 calls alone,
// so that the same drawing code runs on a desktop driver and on WebGL.
//
// What ES 2 lacks, the layer keeps itself, per GL context (per GLUT window):
// the matrix stacks; the current colour, normal and texture coordinate;
// immediate mode and client arrays, gathered into triangles (quads and
// polygons split, lines wider than a pixel and points larger than one drawn
// as triangles); display lists, recorded as commands and vertex buffers and
// replayed in few draws; lighting, flat shading, the texture environment,
// the alpha test and the clip plane, as uniforms of one shader program
// (EsProgram); the attribute stacks; the raster position and GLUT's bitmap
// fonts (GlutGlyphs.h) and solid shapes; the queries the game makes.

// Every drawing call from now on goes through the layer (--gles).
void UseEsGl();
bool UsingEsGl();
// Back to the driver's own (UseNativeGl): the layer lets go of the program
// and buffers it left bound.
void StopEsGl();

// For GLUT's window calls: the layer finishes what it holds back (the
// glyphs of a string, drawn together) before a window shows its frame, and
// forgets a window's state when the window is destroyed.
void EsBeforeSwap();
void EsWindowDestroyed(int window);
// A window that is an area of a surface it shares with the others (the
// browser's one canvas, where the desktop opens a window of its own): its
// area from the surface's bottom left. Each window then keeps its own
// drawing state as it would with a context of its own: the layer sets the
// driver's state anew whenever drawing moves to another window, places the
// window's viewports and reads in its area and keeps its clears there.
void EsWindowArea(int window, int x, int y, int width, int height);
// Forgets the state of every context: the next call makes it anew in the
// context current then (tests that move between contexts).
void EsForgetContexts();
