#pragma once

// White 8x13 bitmap text at (x, y) of the 2D overlay; "\n" starts a new line
// 13 pixels lower. Lighting, texturing and depth are off while it draws.
constexpr int textLineHeight = 13;
void DrawText(float x, float y, const char* text);
