#include "bare_cube_scene.h"

#include "view/cube_geometry.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr int kLayers = 64;
constexpr int kRows = 128;
constexpr int kColumns = 128;
constexpr double kCellPitch = 0.0175;
constexpr GLfloat kVolumeDistance = 5.0f;  // eye distance 4.5 plus half an object size

}  // namespace

void SetUpBareView(int width, int height)
{
    glClearDepth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 3.0, 7.0);
    glMatrixMode(GL_MODELVIEW);
}

void DrawBareFrame(const std::vector<unsigned char>& cells, float angleY)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -kVolumeDistance);
    glRotatef(angleY, 0.0f, 1.0f, 0.0f);

    // Through a pointer of our own: read through the vector, the cells' address would be
    // loaded again for every cell, since any GL call might have changed the vector. The
    // view reads its grid, a member array, at no such cost.
    const unsigned char* grid = cells.data();
    for (int layer = 0; layer < kLayers; ++layer)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                if (grid[(layer * kRows + row) * kColumns + column] != 1)
                    continue;
                glPushMatrix();
                glTranslatef(static_cast<GLfloat>((column - 64) * kCellPitch),
                             static_cast<GLfloat>(-(layer - 32) * kCellPitch),
                             static_cast<GLfloat>((row - 64) * kCellPitch));
                DrawCube();
                glPopMatrix();
            }

    glPopMatrix();
    glFinish();
}
