#pragma once

#include "legacygl/EsProgram.h"
#include "legacygl/Gl.h"
#include "legacygl/Mat4.h"

#include <GLES2/gl2.h>

#include <functional>
#include <memory>
#include <unordered_map>
#include <variant>
#include <vector>

// EsContext: the state of OpenGL 1.1 that the layer keeps for one GL
// context (one GLUT window), and the drawing the calls come down to. The
// layer's entry points (EsGl.cpp) change this state; geometry between Begin
// and End, and what client arrays name, becomes triangles, lines or points
// (Emit) that are drawn at once or, while a display list is compiled, kept
// in the list.

// A vertex as the game gives it: its position and the current attributes.
struct Corner {
    float position[4];
    float normal[3];
    float color[4];
    float texCoord[2];
};

struct TextureInfo {
    bool alpha = false;       // GL_ALPHA: the texture modulates alpha only
    GLint minFilter = 0x2702; // GL_NEAREST_MIPMAP_LINEAR, the default
    GLint magFilter = GL_LINEAR;
    GLint wrapS = GL_REPEAT;
    GLint wrapT = GL_REPEAT;
};

// The capabilities the game switches, those the layer keeps to itself and
// those it passes on to ES 2 (blend, depth test, face culling).
struct Capabilities {
    bool lighting = false;
    bool light0 = false;
    bool colorMaterial = false;
    bool normalize = false;
    bool texture2D = false;
    bool alphaTest = false;
    bool clipPlane0 = false;
    bool blend = false;
    bool depthTest = false;
    bool cullFace = false;
};

// What PushAttrib saves, whatever bits it was given; PopAttrib puts back
// the groups that were asked for.
struct SavedAttributes {
    GLbitfield mask = 0;
    Corner current{};
    Capabilities enabled;
    GLenum alphaFunction = GL_ALWAYS;
    float alphaReference = 0.0f;
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    float clearColor[4] = {0, 0, 0, 0};
    GLuint boundTexture = 0;
    GLint textureEnvironment = GL_MODULATE;
    GLenum readBuffer = GL_BACK;
    // The viewport as the game set it, inside the window's area.
    bool viewportSet = false;
    GLint viewport[4] = {0, 0, 0, 0};
    // Where the window lies on a surface it shares (see EsWindowArea): its
    // viewports and reads are moved by `origin`, its clears kept to `area`.
    bool hasArea = false;
    GLint area[4] = {0, 0, 0, 0};
};

struct SavedClientAttributes {
    GLbitfield mask = 0;
    GLint packAlignment = 4;
    GLint unpackAlignment = 4;
};

// A run of a list's vertices drawn with one call.
struct ListDraw {
    GLenum mode = GL_TRIANGLES; // or GL_LINES, GL_POINTS
    int first = 0;
    int count = 0;
    // Attributes not set in the list before its geometry: the current ones
    // when the list is called.
    bool colorFromCurrent = false;
    bool normalFromCurrent = false;
    bool texCoordFromCurrent = false;
};

struct EsContext;
// One step of a display list: a draw of its vertices, or a call that
// changes the state, carried out when the list is called.
using ListStep = std::variant<ListDraw, std::function<void(EsContext&)>>;

// A display list: its steps in the order they were given, and the vertices
// its geometry left, in one buffer of the context once the list is ended.
struct DisplayList {
    std::vector<ListStep> steps;
    std::vector<EsVertex> vertices;
    unsigned int buffer = 0; // the vertices as EsProgram lays them out
};

struct EsContext {
    EsProgram program;
    unsigned int streamBuffer = 0;
    std::vector<char> staging; // the vertices of a draw, laid out for the buffer

    GLenum matrixMode = GL_MODELVIEW;
    std::vector<Mat4> modelview{Mat4{}};
    std::vector<Mat4> projection{Mat4{}};
    Corner current{{0, 0, 0, 1}, {0, 0, 1}, {1, 1, 1, 1}, {0, 0}};
    Capabilities enabled;
    GLenum shadeModel = GL_SMOOTH;
    float lineWidth = 1.0f;
    float pointSize = 1.0f;
    float lightPosition[4] = {0, 0, 1, 0};
    float spotDirection[3] = {0, 0, -1};
    float spotExponent = 0.0f;
    float spotCutoff = 180.0f;
    float clipPlane[4] = {0, 0, 0, 0};
    GLenum alphaFunction = GL_ALWAYS;
    float alphaReference = 0.0f;
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    float clearColor[4] = {0, 0, 0, 0};
    std::unordered_map<GLuint, TextureInfo> textures;
    GLuint boundTexture = 0;
    GLint textureEnvironment = GL_MODULATE;
    GLint packAlignment = 4;
    GLint unpackAlignment = 4;
    GLenum readBuffer = GL_BACK;
    // The viewport as the game set it, inside the window's area.
    bool viewportSet = false;
    GLint viewport[4] = {0, 0, 0, 0};
    // Where the window lies on a surface it shares (see EsWindowArea): its
    // viewports and reads are moved by `origin`, its clears kept to `area`.
    bool hasArea = false;
    GLint area[4] = {0, 0, 0, 0};

    bool vertexArray = false;
    GLint arraySize = 4;
    GLsizei arrayStride = 0;
    const float* arrayPointer = nullptr;

    bool inBegin = false;
    GLenum primitive = GL_TRIANGLES;
    std::vector<Corner> corners;

    std::unordered_map<GLuint, std::unique_ptr<DisplayList>> lists;
    GLuint nextListName = 1;
    std::unique_ptr<DisplayList> compiling;
    GLuint compilingName = 0;
    // What the list being compiled has set itself so far.
    bool listSetColor = false;
    bool listSetNormal = false;
    bool listSetTexCoord = false;
    Corner currentBeforeList{}; // compiling changes nothing current
    int callDepth = 0;

    std::vector<SavedAttributes> attributeStack;
    std::vector<SavedClientAttributes> clientAttributeStack;

    bool rasterValid = true;
    float raster[3] = {0, 0, 0}; // window coordinates and depth
    float rasterColor[4] = {1, 1, 1, 1};
    unsigned int glyphTextures[2] = {0, 0};
    int pendingFont = -1;
    std::vector<EsVertex> pendingGlyphs; // drawn together before anything else

    Mat4& Top() { return matrixMode == GL_PROJECTION ? projection.back() : modelview.back(); }
    std::vector<Mat4>& Stack() { return matrixMode == GL_PROJECTION ? projection : modelview; }

    // The state of a draw as the fixed-function pipeline would see it now.
    EsDrawState DrawState() const;
    // Geometry of the game's: drawn now, or kept in the list being compiled.
    void Emit(GLenum primitive, const std::vector<Corner>& given);
    // Draws vertices in the state in force, `mode` GL_TRIANGLES, GL_LINES or
    // GL_POINTS; wide lines and large points are pushed out into triangles.
    void Draw(GLenum mode, const std::vector<EsVertex>& vertices, EsDrawState state);
    void DrawBuffered(GLenum mode, const DisplayList& list, int first, int count,
                      const EsDrawState& state);
    void CallList(GLuint name);
    void FlushGlyphs();
    // On a shared surface: the driver's state that this context set, set
    // again when drawing comes back to its window, and the viewport and
    // clear area placed in its window's area.
    void Resume();
    void PlaceViewport() const;
};

// Vertices as a buffer holds them: the array of their own attributes, then,
// `withExtra`, the array of what flat shading and pushed-out lines read.
void LayOut(const std::vector<EsVertex>& vertices, bool withExtra, std::vector<char>& out);

// The context of the window that is current, made when first asked for;
// what it holds back is drawn first unless `keepPending`.
EsContext& CurrentEsContext(bool keepPending = false);
// Forgets the state of a destroyed window, or of every window.
void ForgetEsContext(int window);
// The window's area on the surface it shares with others, from the bottom
// left (EsWindowArea).
void SetEsWindowArea(int window, const GLint area[4]);
void ForgetEsContexts();
