#include "test_program.h"

#include "toolkit_session.h"

#include "framework/win_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace {

std::string g_folder;

}  // namespace

std::string TestFolder()
{
    return g_folder;
}

std::string WriteTestFile(const std::string& name, const std::vector<unsigned char>& bytes)
{
    const std::string path = g_folder + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        ADD_FAILURE() << "cannot write " << path;
    return path;
}

CFrameWnd* MainFrame()
{
    return static_cast<CFrameWnd*>(AfxGetMainWnd());
}

bool WaitFor(const std::function<bool()>& done)
{
    return AfxTestRunEventLoopUntil(done, 30000);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    char folder[] = "/tmp/dorvane-test-XXXXXX";
    // Readable by all, so that tests run as a user without rights reach their files.
    if (mkdtemp(folder) == nullptr || chmod(folder, 0755) != 0 || setenv("XDG_CONFIG_HOME", folder, 1) != 0) {
        std::perror("The tests' folder in /tmp");
        return 1;
    }
    g_folder = folder;
    if (!AfxTestStartToolkit(argc, argv)) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "These tests need an X display; DISPLAY=\"%s\" opens none.\n",
                     display ? display : "");
        return 1;
    }
    if (!StartTestProgram()) {
        std::fprintf(stderr, "The program did not start.\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    if (MainFrame() != nullptr)
        MainFrame()->SendMessage(WM_CLOSE);
    AfxGetApp()->ExitInstance();
    AfxTestStopToolkit();
    return result;
}
