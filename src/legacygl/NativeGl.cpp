#include "legacygl/NativeGl.h"

#include "legacygl/EsGl.h"
#include "legacygl/Gl.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

namespace {

void BitmapCharacter(const int font, const int character) {
    glutBitmapCharacter(font == glut::Helvetica12 ? GLUT_BITMAP_HELVETICA_12 : GLUT_BITMAP_8_BY_13,
                        character);
}

bool HasContext() {
    return glXGetCurrentContext() != nullptr;
}

constexpr GlTable Native() {
    GlTable table{};
    table.AlphaFunc = glAlphaFunc;
    table.Begin = glBegin;
    table.BindTexture = glBindTexture;
    table.BlendFunc = glBlendFunc;
    table.CallList = glCallList;
    table.Clear = glClear;
    table.ClearColor = glClearColor;
    table.ClipPlane = glClipPlane;
    table.Color3f = glColor3f;
    table.Color3fv = glColor3fv;
    table.Color4f = glColor4f;
    table.Color4fv = glColor4fv;
    table.DeleteLists = glDeleteLists;
    table.DeleteTextures = glDeleteTextures;
    table.Disable = glDisable;
    table.DisableClientState = glDisableClientState;
    table.DrawElements = glDrawElements;
    table.Enable = glEnable;
    table.EnableClientState = glEnableClientState;
    table.End = glEnd;
    table.EndList = glEndList;
    table.GenLists = glGenLists;
    table.GenTextures = glGenTextures;
    table.GetFloatv = glGetFloatv;
    table.GetTexParameteriv = glGetTexParameteriv;
    table.IsEnabled = glIsEnabled;
    table.Lightf = glLightf;
    table.Lightfv = glLightfv;
    table.LineWidth = glLineWidth;
    table.LoadIdentity = glLoadIdentity;
    table.LoadMatrixf = glLoadMatrixf;
    table.MatrixMode = glMatrixMode;
    table.NewList = glNewList;
    table.Normal3f = glNormal3f;
    table.Normal3fv = glNormal3fv;
    table.Ortho = glOrtho;
    table.PixelStorei = glPixelStorei;
    table.PointSize = glPointSize;
    table.PolygonMode = glPolygonMode;
    table.PopAttrib = glPopAttrib;
    table.PopClientAttrib = glPopClientAttrib;
    table.PopMatrix = glPopMatrix;
    table.PushAttrib = glPushAttrib;
    table.PushClientAttrib = glPushClientAttrib;
    table.PushMatrix = glPushMatrix;
    table.RasterPos2f = glRasterPos2f;
    table.ReadBuffer = glReadBuffer;
    table.ReadPixels = glReadPixels;
    table.Rotatef = glRotatef;
    table.Scalef = glScalef;
    table.ShadeModel = glShadeModel;
    table.TexCoord2f = glTexCoord2f;
    table.TexCoord2fv = glTexCoord2fv;
    table.TexEnvi = glTexEnvi;
    table.TexImage2D = glTexImage2D;
    table.TexParameteri = glTexParameteri;
    table.Translatef = glTranslatef;
    table.Vertex2f = glVertex2f;
    table.Vertex3f = glVertex3f;
    table.Vertex3fv = glVertex3fv;
    table.VertexPointer = glVertexPointer;
    table.Viewport = glViewport;
    table.GluBuild2DMipmaps = gluBuild2DMipmaps;
    table.GluLookAt = gluLookAt;
    table.GluOrtho2D = gluOrtho2D;
    table.GluPerspective = gluPerspective;
    table.GlutBitmapCharacter = BitmapCharacter;
    table.GlutSolidSphere = glutSolidSphere;
    table.GlutSolidCube = glutSolidCube;
    table.HasContext = HasContext;
    return table;
}

} // namespace

// Filled before any constructor runs: the game's globals may ask for a
// context while they are built.
constinit GlTable glTable = Native();

GlTable NativeGlTable() {
    return Native();
}

void UseNativeGl() {
    StopEsGl();
    glTable = NativeGlTable();
}
