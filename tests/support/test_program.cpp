#include "test_program.h"

#include "toolkit_session.h"

#include "framework/win_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

namespace {

// With --test-file=NAME last, only the tests written in NAME.cpp run (ctest runs each file
// so); FALSE when that file has none.
bool ChooseTestFile(int& argc, char** argv)
{
    const std::string option = "--test-file=";
    if (argc < 2 || std::string(argv[argc - 1]).rfind(option, 0) != 0)
        return true;
    const std::string file = std::string(argv[--argc]).substr(option.size()) + ".cpp";
    std::string filter;
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    for (int i = 0; i < unit.total_test_suite_count(); ++i)
        for (int j = 0; j < unit.GetTestSuite(i)->total_test_count(); ++j) {
            const ::testing::TestInfo& test = *unit.GetTestSuite(i)->GetTestInfo(j);
            if (std::filesystem::path(test.file()).filename() == file)
                filter += std::string(filter.empty() ? "" : ":") + test.test_suite_name() + "." + test.name();
        }
    GTEST_FLAG_SET(filter, filter);
    return !filter.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!ChooseTestFile(argc, argv)) {
        std::fprintf(stderr, "No test here was written in the file %s names.\n", argv[argc]);
        return 1;
    }
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
    EndTestProgram();
    AfxTestStopToolkit();
    return result;
}
