#pragma once

// The game's OpenGL: the OpenGL 1.1, GLU and GLUT calls the game draws with,
// and no others. Drawing code includes this header and never the system's GL
// headers, so a call that is not declared here does not compile. Each call
// goes through one table (GlTable), which start-up fills with the driver's
// own functions (UseNativeGl) or with our layer that draws them through
// OpenGL ES 2.0; the game's code is the same either way. GLUT's window and
// input calls (glut::CreateWindow, glut::DisplayFunc, ...) are the
// platform's own, declared here so that nothing else of GLUT is reached.

// The types and values of OpenGL 1.1 and GLUT, as their headers spell them.
typedef unsigned int GLenum;
typedef unsigned char GLboolean;
typedef unsigned int GLbitfield;
typedef int GLint;
typedef unsigned char GLubyte;
typedef unsigned int GLuint;
typedef int GLsizei;
typedef float GLfloat;
typedef double GLdouble;

#define GL_ALPHA 0x1906
#define GL_ALPHA_TEST 0x0BC0
#define GL_BACK 0x0405
#define GL_BLEND 0x0BE2
#define GL_CLAMP 0x2900
#define GL_CLIENT_PIXEL_STORE_BIT 0x00000001
#define GL_CLIP_PLANE0 0x3000
#define GL_COLOR_BUFFER_BIT 0x00004000
#define GL_COLOR_MATERIAL 0x0B57
#define GL_COMPILE 0x1300
#define GL_CULL_FACE 0x0B44
#define GL_CURRENT_BIT 0x00000001
#define GL_DEPTH_BUFFER_BIT 0x00000100
#define GL_DEPTH_TEST 0x0B71
#define GL_ENABLE_BIT 0x00002000
#define GL_FILL 0x1B02
#define GL_FLAT 0x1D00
#define GL_FLOAT 0x1406
#define GL_FRONT 0x0404
#define GL_GREATER 0x0204
#define GL_LIGHT0 0x4000
#define GL_LIGHTING 0x0B50
#define GL_LINEAR 0x2601
#define GL_LINEAR_MIPMAP_NEAREST 0x2701
#define GL_LINES 0x0001
#define GL_LINE_LOOP 0x0002
#define GL_LINE_STRIP 0x0003
#define GL_MODELVIEW 0x1700
#define GL_MODULATE 0x2100
#define GL_NEAREST 0x2600
#define GL_NORMALIZE 0x0BA1
#define GL_ONE_MINUS_SRC_ALPHA 0x0303
#define GL_PACK_ALIGNMENT 0x0D05
#define GL_PIXEL_MODE_BIT 0x00000020
#define GL_POINTS 0x0000
#define GL_POLYGON 0x0009
#define GL_POSITION 0x1203
#define GL_PROJECTION 0x1701
#define GL_PROJECTION_MATRIX 0x0BA7
#define GL_QUADS 0x0007
#define GL_RED 0x1903
#define GL_REPEAT 0x2901
#define GL_RGB 0x1907
#define GL_SMOOTH 0x1D01
#define GL_SPOT_DIRECTION 0x1204
#define GL_SPOT_EXPONENT 0x1205
#define GL_SRC_ALPHA 0x0302
#define GL_TEXTURE_2D 0x0DE1
#define GL_TEXTURE_BIT 0x00040000
#define GL_TEXTURE_ENV 0x2300
#define GL_TEXTURE_ENV_MODE 0x2200
#define GL_TEXTURE_MAG_FILTER 0x2800
#define GL_TEXTURE_MIN_FILTER 0x2801
#define GL_TEXTURE_WRAP_S 0x2802
#define GL_TEXTURE_WRAP_T 0x2803
#define GL_TRIANGLES 0x0004
#define GL_TRIANGLE_STRIP 0x0005
#define GL_UNPACK_ALIGNMENT 0x0CF5
#define GL_UNSIGNED_BYTE 0x1401
#define GL_VERTEX_ARRAY 0x8074

#define GLUT_ACTION_EXIT 0
#define GLUT_ACTION_ON_WINDOW_CLOSE 0x01F9
#define GLUT_CURSOR_CROSSHAIR 0x0009
#define GLUT_CURSOR_DESTROY 0x0003
#define GLUT_CURSOR_FULL_CROSSHAIR 0x0066
#define GLUT_CURSOR_LEFT_ARROW 0x0001
#define GLUT_CURSOR_NONE 0x0065
#define GLUT_CURSOR_RIGHT_ARROW 0x0000
#define GLUT_DEPTH 0x0010
#define GLUT_DOUBLE 0x0002
#define GLUT_DOWN 0x0000
#define GLUT_KEY_DOWN 0x0067
#define GLUT_KEY_F12 0x000C
#define GLUT_KEY_LEFT 0x0064
#define GLUT_KEY_PAGE_DOWN 0x0069
#define GLUT_KEY_RIGHT 0x0066
#define GLUT_KEY_UP 0x0065
#define GLUT_LEFT_BUTTON 0x0000
#define GLUT_RGB 0x0000
#define GLUT_WINDOW_HEIGHT 0x0067
#define GLUT_WINDOW_WIDTH 0x0066
#define GLUT_WINDOW_X 0x0064
#define GLUT_WINDOW_Y 0x0065

// The drawing calls, one entry each.
struct GlTable {
    void (*AlphaFunc)(GLenum func, GLfloat ref);
    void (*Begin)(GLenum mode);
    void (*BindTexture)(GLenum target, GLuint texture);
    void (*BlendFunc)(GLenum sfactor, GLenum dfactor);
    void (*CallList)(GLuint list);
    void (*Clear)(GLbitfield mask);
    void (*ClearColor)(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
    void (*ClipPlane)(GLenum plane, const GLdouble* equation);
    void (*Color3f)(GLfloat red, GLfloat green, GLfloat blue);
    void (*Color3fv)(const GLfloat* v);
    void (*Color4f)(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
    void (*Color4fv)(const GLfloat* v);
    void (*DeleteLists)(GLuint list, GLsizei range);
    void (*DeleteTextures)(GLsizei n, const GLuint* textures);
    void (*Disable)(GLenum cap);
    void (*DisableClientState)(GLenum cap);
    void (*DrawElements)(GLenum mode, GLsizei count, GLenum type, const void* indices);
    void (*Enable)(GLenum cap);
    void (*EnableClientState)(GLenum cap);
    void (*End)();
    void (*EndList)();
    GLuint (*GenLists)(GLsizei range);
    void (*GenTextures)(GLsizei n, GLuint* textures);
    void (*GetFloatv)(GLenum pname, GLfloat* params);
    void (*GetTexParameteriv)(GLenum target, GLenum pname, GLint* params);
    GLboolean (*IsEnabled)(GLenum cap);
    void (*Lightf)(GLenum light, GLenum pname, GLfloat param);
    void (*Lightfv)(GLenum light, GLenum pname, const GLfloat* params);
    void (*LineWidth)(GLfloat width);
    void (*LoadIdentity)();
    void (*LoadMatrixf)(const GLfloat* m);
    void (*MatrixMode)(GLenum mode);
    void (*NewList)(GLuint list, GLenum mode);
    void (*Normal3f)(GLfloat nx, GLfloat ny, GLfloat nz);
    void (*Normal3fv)(const GLfloat* v);
    void (*Ortho)(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble nearVal,
                  GLdouble farVal);
    void (*PixelStorei)(GLenum pname, GLint param);
    void (*PointSize)(GLfloat size);
    void (*PolygonMode)(GLenum face, GLenum mode);
    void (*PopAttrib)();
    void (*PopClientAttrib)();
    void (*PopMatrix)();
    void (*PushAttrib)(GLbitfield mask);
    void (*PushClientAttrib)(GLbitfield mask);
    void (*PushMatrix)();
    void (*RasterPos2f)(GLfloat x, GLfloat y);
    void (*ReadBuffer)(GLenum mode);
    void (*ReadPixels)(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                       void* pixels);
    void (*Rotatef)(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
    void (*Scalef)(GLfloat x, GLfloat y, GLfloat z);
    void (*ShadeModel)(GLenum mode);
    void (*TexCoord2f)(GLfloat s, GLfloat t);
    void (*TexCoord2fv)(const GLfloat* v);
    void (*TexEnvi)(GLenum target, GLenum pname, GLint param);
    void (*TexImage2D)(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                       GLsizei height, GLint border, GLenum format, GLenum type,
                       const void* pixels);
    void (*TexParameteri)(GLenum target, GLenum pname, GLint param);
    void (*Translatef)(GLfloat x, GLfloat y, GLfloat z);
    void (*Vertex2f)(GLfloat x, GLfloat y);
    void (*Vertex3f)(GLfloat x, GLfloat y, GLfloat z);
    void (*Vertex3fv)(const GLfloat* v);
    void (*VertexPointer)(GLint size, GLenum type, GLsizei stride, const void* pointer);
    void (*Viewport)(GLint x, GLint y, GLsizei width, GLsizei height);
    GLint (*GluBuild2DMipmaps)(GLenum target, GLint internalFormat, GLsizei width, GLsizei height,
                               GLenum format, GLenum type, const void* data);
    void (*GluLookAt)(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX,
                      GLdouble centerY, GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ);
    void (*GluOrtho2D)(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top);
    void (*GluPerspective)(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
    void (*GlutBitmapCharacter)(int font, int character);
    void (*GlutSolidSphere)(GLdouble radius, GLint slices, GLint stacks);
    void (*GlutSolidCube)(GLdouble size);
    // Whether this thread has a current context to draw into.
    bool (*HasContext)();
};

// The table every call goes through.
extern GlTable glTable;

namespace gl {

inline void AlphaFunc(const GLenum func, const GLfloat ref) {
    glTable.AlphaFunc(func, ref);
}
inline void Begin(const GLenum mode) {
    glTable.Begin(mode);
}
inline void BindTexture(const GLenum target, const GLuint texture) {
    glTable.BindTexture(target, texture);
}
inline void BlendFunc(const GLenum sfactor, const GLenum dfactor) {
    glTable.BlendFunc(sfactor, dfactor);
}
inline void CallList(const GLuint list) {
    glTable.CallList(list);
}
inline void Clear(const GLbitfield mask) {
    glTable.Clear(mask);
}
inline void ClearColor(const GLfloat red, const GLfloat green, const GLfloat blue,
                       const GLfloat alpha) {
    glTable.ClearColor(red, green, blue, alpha);
}
inline void ClipPlane(const GLenum plane, const GLdouble* equation) {
    glTable.ClipPlane(plane, equation);
}
inline void Color3f(const GLfloat red, const GLfloat green, const GLfloat blue) {
    glTable.Color3f(red, green, blue);
}
inline void Color3fv(const GLfloat* v) {
    glTable.Color3fv(v);
}
inline void Color4f(const GLfloat red, const GLfloat green, const GLfloat blue,
                    const GLfloat alpha) {
    glTable.Color4f(red, green, blue, alpha);
}
inline void Color4fv(const GLfloat* v) {
    glTable.Color4fv(v);
}
inline void DeleteLists(const GLuint list, const GLsizei range) {
    glTable.DeleteLists(list, range);
}
inline void DeleteTextures(const GLsizei n, const GLuint* textures) {
    glTable.DeleteTextures(n, textures);
}
inline void Disable(const GLenum cap) {
    glTable.Disable(cap);
}
inline void DisableClientState(const GLenum cap) {
    glTable.DisableClientState(cap);
}
inline void DrawElements(const GLenum mode, const GLsizei count, const GLenum type,
                         const void* indices) {
    glTable.DrawElements(mode, count, type, indices);
}
inline void Enable(const GLenum cap) {
    glTable.Enable(cap);
}
inline void EnableClientState(const GLenum cap) {
    glTable.EnableClientState(cap);
}
inline void End() {
    glTable.End();
}
inline void EndList() {
    glTable.EndList();
}
inline GLuint GenLists(const GLsizei range) {
    return glTable.GenLists(range);
}
inline void GenTextures(const GLsizei n, GLuint* textures) {
    glTable.GenTextures(n, textures);
}
inline void GetFloatv(const GLenum pname, GLfloat* params) {
    glTable.GetFloatv(pname, params);
}
inline void GetTexParameteriv(const GLenum target, const GLenum pname, GLint* params) {
    glTable.GetTexParameteriv(target, pname, params);
}
inline GLboolean IsEnabled(const GLenum cap) {
    return glTable.IsEnabled(cap);
}
inline void Lightf(const GLenum light, const GLenum pname, const GLfloat param) {
    glTable.Lightf(light, pname, param);
}
inline void Lightfv(const GLenum light, const GLenum pname, const GLfloat* params) {
    glTable.Lightfv(light, pname, params);
}
inline void LineWidth(const GLfloat width) {
    glTable.LineWidth(width);
}
inline void LoadIdentity() {
    glTable.LoadIdentity();
}
inline void LoadMatrixf(const GLfloat* m) {
    glTable.LoadMatrixf(m);
}
inline void MatrixMode(const GLenum mode) {
    glTable.MatrixMode(mode);
}
inline void NewList(const GLuint list, const GLenum mode) {
    glTable.NewList(list, mode);
}
inline void Normal3f(const GLfloat nx, const GLfloat ny, const GLfloat nz) {
    glTable.Normal3f(nx, ny, nz);
}
inline void Normal3fv(const GLfloat* v) {
    glTable.Normal3fv(v);
}
inline void Ortho(const GLdouble left, const GLdouble right, const GLdouble bottom,
                  const GLdouble top, const GLdouble nearVal, const GLdouble farVal) {
    glTable.Ortho(left, right, bottom, top, nearVal, farVal);
}
inline void PixelStorei(const GLenum pname, const GLint param) {
    glTable.PixelStorei(pname, param);
}
inline void PointSize(const GLfloat size) {
    glTable.PointSize(size);
}
inline void PolygonMode(const GLenum face, const GLenum mode) {
    glTable.PolygonMode(face, mode);
}
inline void PopAttrib() {
    glTable.PopAttrib();
}
inline void PopClientAttrib() {
    glTable.PopClientAttrib();
}
inline void PopMatrix() {
    glTable.PopMatrix();
}
inline void PushAttrib(const GLbitfield mask) {
    glTable.PushAttrib(mask);
}
inline void PushClientAttrib(const GLbitfield mask) {
    glTable.PushClientAttrib(mask);
}
inline void PushMatrix() {
    glTable.PushMatrix();
}
inline void RasterPos2f(const GLfloat x, const GLfloat y) {
    glTable.RasterPos2f(x, y);
}
inline void ReadBuffer(const GLenum mode) {
    glTable.ReadBuffer(mode);
}
inline void ReadPixels(const GLint x, const GLint y, const GLsizei width, const GLsizei height,
                       const GLenum format, const GLenum type, void* pixels) {
    glTable.ReadPixels(x, y, width, height, format, type, pixels);
}
inline void Rotatef(const GLfloat angle, const GLfloat x, const GLfloat y, const GLfloat z) {
    glTable.Rotatef(angle, x, y, z);
}
inline void Scalef(const GLfloat x, const GLfloat y, const GLfloat z) {
    glTable.Scalef(x, y, z);
}
inline void ShadeModel(const GLenum mode) {
    glTable.ShadeModel(mode);
}
inline void TexCoord2f(const GLfloat s, const GLfloat t) {
    glTable.TexCoord2f(s, t);
}
inline void TexCoord2fv(const GLfloat* v) {
    glTable.TexCoord2fv(v);
}
inline void TexEnvi(const GLenum target, const GLenum pname, const GLint param) {
    glTable.TexEnvi(target, pname, param);
}
inline void TexImage2D(const GLenum target, const GLint level, const GLint internalFormat,
                       const GLsizei width, const GLsizei height, const GLint border,
                       const GLenum format, const GLenum type, const void* pixels) {
    glTable.TexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}
inline void TexParameteri(const GLenum target, const GLenum pname, const GLint param) {
    glTable.TexParameteri(target, pname, param);
}
inline void Translatef(const GLfloat x, const GLfloat y, const GLfloat z) {
    glTable.Translatef(x, y, z);
}
inline void Vertex2f(const GLfloat x, const GLfloat y) {
    glTable.Vertex2f(x, y);
}
inline void Vertex3f(const GLfloat x, const GLfloat y, const GLfloat z) {
    glTable.Vertex3f(x, y, z);
}
inline void Vertex3fv(const GLfloat* v) {
    glTable.Vertex3fv(v);
}
inline void VertexPointer(const GLint size, const GLenum type, const GLsizei stride,
                          const void* pointer) {
    glTable.VertexPointer(size, type, stride, pointer);
}
inline void Viewport(const GLint x, const GLint y, const GLsizei width, const GLsizei height) {
    glTable.Viewport(x, y, width, height);
}

inline bool HasContext() {
    return glTable.HasContext();
}

} // namespace gl

namespace glu {

inline GLint Build2DMipmaps(const GLenum target, const GLint internalFormat, const GLsizei width,
                            const GLsizei height, const GLenum format, const GLenum type,
                            const void* data) {
    return glTable.GluBuild2DMipmaps(target, internalFormat, width, height, format, type, data);
}
inline void LookAt(const GLdouble eyeX, const GLdouble eyeY, const GLdouble eyeZ,
                   const GLdouble centerX, const GLdouble centerY, const GLdouble centerZ,
                   const GLdouble upX, const GLdouble upY, const GLdouble upZ) {
    glTable.GluLookAt(eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ);
}
inline void Ortho2D(const GLdouble left, const GLdouble right, const GLdouble bottom,
                    const GLdouble top) {
    glTable.GluOrtho2D(left, right, bottom, top);
}
inline void Perspective(const GLdouble fovy, const GLdouble aspect, const GLdouble zNear,
                        const GLdouble zFar) {
    glTable.GluPerspective(fovy, aspect, zNear, zFar);
}

} // namespace glu

namespace glut {

// The two bitmap fonts the game writes with.
enum Font : int { Fixed8By13, Helvetica12 };

inline void BitmapCharacter(const Font font, const int character) {
    glTable.GlutBitmapCharacter(font, character);
}
inline void SolidSphere(const GLdouble radius, const GLint slices, const GLint stacks) {
    glTable.GlutSolidSphere(radius, slices, stacks);
}
inline void SolidCube(const GLdouble size) {
    glTable.GlutSolidCube(size);
}

void Init(int* argc, char** argv);
void InitDisplayMode(unsigned int mode);
void InitWindowSize(int width, int height);
void SetOption(GLenum what, int value);
int CreateWindow(const char* title);
int CreateSubWindow(int window, int x, int y, int width, int height);
void DestroyWindow(int window);
void SetWindow(int window);
int GetWindow();
void FullScreen();
void SetCursor(int cursor);
void PositionWindow(int x, int y);
void ReshapeWindow(int width, int height);
int Get(GLenum what);
void PostRedisplay();
void SwapBuffers();
void MainLoop();
void DisplayFunc(void (*callback)());
void IdleFunc(void (*callback)());
void ReshapeFunc(void (*callback)(int, int));
void KeyboardFunc(void (*callback)(unsigned char, int, int));
void SpecialFunc(void (*callback)(int, int, int));
void MouseFunc(void (*callback)(int, int, int, int));
void MotionFunc(void (*callback)(int, int));
void PassiveMotionFunc(void (*callback)(int, int));

} // namespace glut
