#include "cube_scene.h"
#include "scene_constants.h"

#include "document/grid_shape.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// One cell's cube: six faces from 18 vertices in a quad strip and two quads. Each corner
// has one colour wherever it occurs: red where z = +h, green where x = +h, blue where
// y = +h. The strip gives the four sides; two quads the top and bottom.
// clang-format off
void DrawCube()
{
    const GLfloat h = kCubeHalfEdge;
    glBegin(GL_QUAD_STRIP);
    glColor3f(1.0f, 0.0f, 1.0f); glVertex3f(-h, h, h);
    glColor3f(1.0f, 0.0f, 0.0f); glVertex3f(-h, -h, h);
    glColor3f(1.0f, 1.0f, 1.0f); glVertex3f(h, h, h);
    glColor3f(1.0f, 1.0f, 0.0f); glVertex3f(h, -h, h);
    glColor3f(0.0f, 1.0f, 1.0f); glVertex3f(h, h, -h);
    glColor3f(0.0f, 1.0f, 0.0f); glVertex3f(h, -h, -h);
    glColor3f(0.0f, 0.0f, 1.0f); glVertex3f(-h, h, -h);
    glColor3f(0.0f, 0.0f, 0.0f); glVertex3f(-h, -h, -h);
    glColor3f(1.0f, 0.0f, 1.0f); glVertex3f(-h, h, h);
    glColor3f(1.0f, 0.0f, 0.0f); glVertex3f(-h, -h, h);
    glEnd();

    glBegin(GL_QUADS);
    glColor3f(1.0f, 0.0f, 1.0f); glVertex3f(-h, h, h);
    glColor3f(1.0f, 1.0f, 1.0f); glVertex3f(h, h, h);
    glColor3f(0.0f, 1.0f, 1.0f); glVertex3f(h, h, -h);
    glColor3f(0.0f, 0.0f, 1.0f); glVertex3f(-h, h, -h);
    glEnd();

    glBegin(GL_QUADS);
    glColor3f(1.0f, 0.0f, 0.0f); glVertex3f(-h, -h, h);
    glColor3f(1.0f, 1.0f, 0.0f); glVertex3f(h, -h, h);
    glColor3f(0.0f, 1.0f, 0.0f); glVertex3f(h, -h, -h);
    glColor3f(0.0f, 0.0f, 0.0f); glVertex3f(-h, -h, -h);
    glEnd();
}
// clang-format on

}  // namespace

void SetSceneProjection(double aspect)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
}

void DrawSceneFrame(const unsigned char* cells, float angleY, float eyeDistance)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(-eyeDistance - kAxisBeyondEye));
    glRotatef(angleY, 0.0f, 1.0f, 0.0f);

    for (int layer = 0; layer < GridShape::kLayers; ++layer)
        for (int row = 0; row < GridShape::kRows; ++row)
            for (int column = 0; column < GridShape::kColumns; ++column) {
                if (cells[GridShape::Index(layer, row, column)] != 1)
                    continue;
                glPushMatrix();
                glTranslatef(static_cast<GLfloat>((column - GridShape::kAxisColumn) * kCellPitch),
                             static_cast<GLfloat>(-(layer - GridShape::kCentreLayer) * kCellPitch),
                             static_cast<GLfloat>((row - GridShape::kAxisRow) * kCellPitch));
                DrawCube();
                glPopMatrix();
            }

    glPopMatrix();
    glFinish();
}
