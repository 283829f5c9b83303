// What the GL driver charges for pixels alone, in the game's window: a frame
// that clears, draws N quads covering the whole window and swaps. The game's
// frame can cost no less than the layers of pixels it draws, whatever its
// number of calls: on Mesa's software renderer (llvmpipe) this is the floor
// under the timedemo's figures. Arguments: layers, textured, window width
// and height.
//   FillRate/0/0/800/800    clear and swap only
//   FillRate/1/0/800/800    one untextured layer
//   FillRate/1/1/800/800    one layer with a city texture, filtered as in the
//                           game: the floor of a frame
//   FillRate/4/1/800/800    four textured layers, nearest first: three are
//                           hidden and cost only their depth test
//   FillRate/1/1/1920/1080  the floor of a full-screen frame
// Run from the build directory under xvfb-run, with a screen at least as
// large as the window (see BenchSupport.h).

#include "BenchSupport.h"

#include "city/TextureSet.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

namespace {

void FillRate(benchmark::State& state) {
    EnsureGame();
    static TextureSet textures;
    static const uint32_t texture = textures.LoadTexture("textures/texture.raw", 0);
    const int layers = static_cast<int>(state.range(0));
    const bool textured = state.range(1) != 0;
    if (!ResizeWindow(static_cast<int>(state.range(2)), static_cast<int>(state.range(3)))) {
        state.SkipWithError("the window cannot take that size (is the screen large enough?)");
        return;
    }

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    glColor3f(1.0f, 1.0f, 1.0f);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glBegin(GL_QUADS);
        for (int layer = 0; layer < layers; ++layer) {
            // Each layer behind the one before; a texture repeated four
            // times across, about as dense as a facade seen from nearby.
            const float z = -0.5f + 0.1f * static_cast<float>(layer);
            glTexCoord2f(0.0f, 0.0f);
            glVertex3f(-1.0f, -1.0f, z);
            glTexCoord2f(4.0f, 0.0f);
            glVertex3f(1.0f, -1.0f, z);
            glTexCoord2f(4.0f, 4.0f);
            glVertex3f(1.0f, 1.0f, z);
            glTexCoord2f(0.0f, 4.0f);
            glVertex3f(-1.0f, 1.0f, z);
        }
        glEnd();
        glutSwapBuffers();
    }
    glFinish();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

} // namespace

BENCHMARK(FillRate)
    ->Args({0, 0, mainWindowSize, mainWindowSize})
    ->Args({1, 0, mainWindowSize, mainWindowSize})
    ->Args({1, 1, mainWindowSize, mainWindowSize})
    ->Args({4, 1, mainWindowSize, mainWindowSize})
    ->Args({0, 0, 1920, 1080})
    ->Args({1, 1, 1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
