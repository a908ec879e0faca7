#include "program_session.h"

#include "framework/test_seams.h"
#include "framework/win_app.h"
#include "platform/drop_files.h"

#include <GL/gl.h>

namespace {

std::vector<std::string> g_messages;
std::string g_chosenPath;

}  // namespace

CCubeView* View()
{
    return static_cast<CCubeView*>(MainFrame()->GetActiveView());
}

CCubeDoc* Document()
{
    return View()->GetDocument();
}

std::string Caption()
{
    return MainFrame()->GetWindowText().str();
}

bool ViewDrawnAtItsSize()
{
    CRect client;
    View()->GetClientRect(&client);
    return Angle() > 0.0f && View()->m_clientRect.right == client.right &&
           View()->m_clientRect.bottom == client.bottom;
}

VoxelGrid Decoded(const std::vector<unsigned char>& bytes)
{
    VoxelGrid grid;
    grid.Clear();
    for (std::size_t i = 0; i < VoxelGrid::kCells && i < bytes.size(); ++i)
        grid[i] = bytes[i] != 0 ? 1 : 0;
    return grid;
}

void CollectMessages()
{
    AfxSetMessageBoxHook([](const char* text, const char*, UINT) {
        g_messages.emplace_back(text);
        return 1;
    });
}

std::vector<std::string> TakeMessages()
{
    std::vector<std::string> taken;
    taken.swap(g_messages);
    return taken;
}

void OpenThroughFileOpen(const std::string& path)
{
    g_chosenPath = path;
    AfxSetFileChooser([] { return CString(g_chosenPath); });
    MainFrame()->RouteCommand(ID_FILE_OPEN);
}

void DropOnView(const std::vector<std::string>& paths)
{
    HDROP drop = MakeDrop(paths);
    View()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    DragFinish(drop);
}

std::size_t Picture::LitCount(int fullChannel) const
{
    std::size_t lit = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            lit += IsLit(x, y) && (fullChannel < 0 || At(x, y)[fullChannel] >= 250) ? 1 : 0;
    return lit;
}

Picture ReadPicture()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    Picture picture{viewport[2], viewport[3],
                    std::vector<unsigned char>(std::size_t(viewport[2]) * viewport[3] * 3)};
    // Mesa's swap copies the back buffer to the window and leaves it as it was.
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
    return picture;
}

float Angle()
{
    return TheSceneState().wAngleY;
}
