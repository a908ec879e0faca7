#include "cube_geometry.h"

#include <GL/gl.h>

// Each corner has one colour wherever it occurs: red where z = +h, green where x = +h,
// blue where y = +h. The strip gives the four sides; two quads the top and bottom.
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
