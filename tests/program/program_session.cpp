#include "program_session.h"

#include "framework/testing/toolkit_session.h"
#include "framework/win_app.h"
#include "platform/drop_files.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> g_messages;
std::string g_folder;
std::string g_chosenPath;

int CollectMessage(const char* text, const char*, UINT)
{
    g_messages.emplace_back(text);
    return 1;
}

CString ChooseFile()
{
    return CString(g_chosenPath);
}

}  // namespace

CFrameWnd* MainFrame()
{
    return static_cast<CFrameWnd*>(AfxGetMainWnd());
}

CCubeView* View()
{
    return static_cast<CCubeView*>(MainFrame()->GetActiveView());
}

CCubeDoc* Document()
{
    return View()->GetDocument();
}

std::vector<std::string> TakeMessages()
{
    std::vector<std::string> taken;
    taken.swap(g_messages);
    return taken;
}

void Pump(int milliseconds)
{
    AfxTestRunEventLoop(milliseconds);
}

std::string TemporaryFolder()
{
    return g_folder;
}

std::string WriteFile(const std::string& name, const std::vector<unsigned char>& bytes)
{
    const std::string path = g_folder + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void OpenThroughFileOpen(const std::string& path)
{
    g_chosenPath = path;
    CWinApp::SetFileChooser(&ChooseFile);
    MainFrame()->RouteCommand(ID_FILE_OPEN);
}

void DropOnView(const std::vector<std::string>& paths)
{
    HDROP drop = MakeDrop(paths);
    View()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    DragFinish(drop);
}

std::size_t Picture::LitCount() const
{
    std::size_t lit = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            lit += IsLit(x, y) ? 1 : 0;
    return lit;
}

Picture ReadPicture()
{
    Picture picture;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    picture.width = viewport[2];
    picture.height = viewport[3];
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    // Mesa's swap copies the back buffer to the window and leaves it as it was.
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
    return picture;
}

void SavePicture(const Picture& picture, const std::string& name)
{
    std::ofstream out(name + ".ppm", std::ios::binary);
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    // Read-back rows run bottom-up; a picture file's run top-down.
    for (int y = picture.height - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(picture.At(0, y)), picture.width * 3);
}

float Angle()
{
    return TheSceneState().wAngleY;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    char folder[] = "/tmp/dorvane-test-XXXXXX";
    g_folder = mkdtemp(folder);
    chmod(folder, 0755);  // so that tests run as a user without rights reach their files
    setenv("XDG_CONFIG_HOME", g_folder.c_str(), 1);
    if (!AfxTestStartToolkit(argc, argv)) {
        std::fprintf(stderr, "These tests need an X display ($DISPLAY).\n");
        return 1;
    }
    AfxSetMessageBoxHook(&CollectMessage);
    CWinApp::SetFileChooser(&ChooseFile);
    if (!AfxGetApp()->InitInstance()) {
        std::fprintf(stderr, "The program did not start.\n");
        return 1;
    }
    MainFrame()->MoveWindow(0, 0, 640, 480);
    Pump(300);
    const int result = RUN_ALL_TESTS();
    MainFrame()->SendMessage(WM_CLOSE);
    AfxGetApp()->ExitInstance();
    AfxTestStopToolkit();
    return result;
}
