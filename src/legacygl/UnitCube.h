#pragma once

// UnitCube: the cube of edge 1 around the origin that glut::SolidCube(1.0)
// draws, as data of our own: its corners, and its faces as corner indices
// counter-clockwise from outside with their normals. One description of the
// cube for drawing it on its own and for gathering its faces into a batch.
struct UnitCube {
    static constexpr float corners[8][3] = {{.5f, .5f, .5f},   {-.5f, .5f, .5f},  {-.5f, -.5f, .5f},
                                            {.5f, -.5f, .5f},  {.5f, -.5f, -.5f}, {.5f, .5f, -.5f},
                                            {-.5f, .5f, -.5f}, {-.5f, -.5f, -.5f}};
    static constexpr int faces[6][4] = {{0, 1, 2, 3}, {0, 3, 4, 5}, {0, 5, 6, 1},
                                        {1, 6, 7, 2}, {7, 4, 3, 2}, {4, 7, 6, 5}};
    static constexpr float normals[6][3] = {{0, 0, 1},  {1, 0, 0},  {0, 1, 0},
                                            {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};

    // The six faces, each as two triangles as GLUT sends them.
    static void Draw();
};
