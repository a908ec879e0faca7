// The recent-file list in the profile: kept newest first, four at most, read and written
// back safely whatever state the profile file is in.
#include "framework_session.h"

#include "framework/profile.h"
#include "framework/win_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(Profile, KeepsTheNewestFourAndMovesAReopenedFileToTheFront)
{
    CRecentFileList list(4);
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/c"})
        list.Add(path);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
}

TEST(Profile, RoundTripsAnyPathAndKeepsOtherSettings)
{
    const std::string path = TestFolder() + "/round/trip.conf";
    ::mkdir((TestFolder() + "/round").c_str(), 0700);
    Write(path, "[Other]\nkey=value\n[Recent File List]\nFile1=/old\n");
    CRecentFileList list(4);
    for (const char* file : {"/plain", "/with space", "/with\nnewline", "/per%cent %0A"})
        list.Add(file);
    std::string error;
    ASSERT_TRUE(list.WriteList(path, &error)) << error;
    EXPECT_EQ(Read(path).rfind("[Other]\nkey=value\n", 0), 0u);
    CRecentFileList again(4);
    again.ReadList(path);
    EXPECT_EQ(again.Files(), list.Files());
}

TEST(Profile, AProfileThatCannotBeReadGivesAnEmptyList)
{
    const std::string folder = TestFolder();
    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"not text", std::string("\0\xff\xfe[Recent File List\n\x01=", 22)},
        {"no section", "File1=/not/in/a/section\n"},
        {"bad lines", "[Recent File List]\nFile=/x\nFile0=/y\nFile9=/z\nnonsense\nFile2=\n"},
    };
    for (const auto& c : cases) {
        Write(folder + "/bad.conf", c.content);
        CRecentFileList list(4);
        list.ReadList(folder + "/bad.conf");
        EXPECT_TRUE(list.Files().empty()) << c.what;
    }
    CRecentFileList missing(4);
    missing.ReadList(folder + "/none.conf");
    EXPECT_TRUE(missing.Files().empty());

    // A pipe is never waited on, at start-up or at exit, and a folder reads as nothing.
    const std::string pipe = folder + "/pipe.conf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, folder}) {
        CRecentFileList list(4);
        list.ReadList(path);
        EXPECT_TRUE(list.Files().empty()) << path;
    }
    CRecentFileList list(4);
    list.Add("/new");
    std::string error;
    EXPECT_TRUE(list.WriteList(pipe, &error)) << error;
    EXPECT_EQ(Read(pipe), "[Recent File List]\nFile1=/new\n");
}

TEST(Profile, AFailedWriteSaysWhyAndLeavesTheOldProfileWhole)
{
    const std::string folder = TestFolder() + "/locked";
    ::mkdir(folder.c_str(), 0700);
    const std::string path = folder + "/Test.conf";
    Write(path, "[Recent File List]\nFile1=/kept\n");
    ::chmod(folder.c_str(), 0500);
    CRecentFileList list(4);
    list.Add("/new");
    std::string error;
    // As a user without rights: root writes anywhere.
    const bool asRoot = ::geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const bool written = list.WriteList(path, &error);
    if (asRoot) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    ::chmod(folder.c_str(), 0700);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(Read(path), "[Recent File List]\nFile1=/kept\n");

    // A file where a folder should be.
    Write(TestFolder() + "/plainfile", "x");
    EXPECT_FALSE(list.WriteList(TestFolder() + "/plainfile/Test.conf", &error));
    EXPECT_FALSE(error.empty());
}

namespace {

// Sets or clears environment variables for one test and puts them back afterwards.
class Environment {
public:
    void Set(const char* name, const char* value)
    {
        if (m_saved.find(name) == m_saved.end()) {
            const char* old = std::getenv(name);
            m_saved[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~Environment()
    {
        for (const auto& [name, value] : m_saved)
            Set(name.c_str(), value ? value->c_str() : nullptr);
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

}  // namespace

TEST(Profile, LivesInTheConfigurationFolderTheEnvironmentNames)
{
    const struct {
        const char* xdgConfigHome;  // nullptr: unset
        const char* home;
        const char* expected;  // "": no profile at all
    } cases[] = {
        {"/x/config", "/home/u", "/x/config/Dorvane/Dorvane.conf"},
        {"/x/config", nullptr, "/x/config/Dorvane/Dorvane.conf"},
        {nullptr, "/home/u", "/home/u/.config/Dorvane/Dorvane.conf"},
        {"", "/home/u", "/home/u/.config/Dorvane/Dorvane.conf"},
        {"relative/config", "/home/u", "/home/u/.config/Dorvane/Dorvane.conf"},
        {"./config", "/home/u", "/home/u/.config/Dorvane/Dorvane.conf"},
        {"relative/config", nullptr, ""},
        {nullptr, nullptr, ""},
        {"", "", ""},
        {nullptr, "relative/home", ""},
        {"~/config", "~", ""},
    };
    for (const auto& c : cases) {
        Environment environment;
        environment.Set("XDG_CONFIG_HOME", c.xdgConfigHome);
        environment.Set("HOME", c.home);
        EXPECT_EQ(AfxProfilePath("Dorvane"), c.expected)
            << "XDG_CONFIG_HOME=" << (c.xdgConfigHome ? c.xdgConfigHome : "(unset)")
            << " HOME=" << (c.home ? c.home : "(unset)");
    }
}

TEST(Profile, WithNoConfigurationFolderTheApplicationWritesNothing)
{
    // Started in an empty folder, so a profile written relative to it would show.
    const std::string folder = TestFolder() + "/started-here";
    ::mkdir(folder.c_str(), 0700);
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(folder.c_str()), 0);
    const std::string app = AfxGetAppName();
    const std::string sharedFallback = "/tmp/" + app;
    struct stat before;
    const bool fallbackExisted = ::stat(sharedFallback.c_str(), &before) == 0;
    {
        Environment environment;
        environment.Set("XDG_CONFIG_HOME", "relative");
        environment.Set("HOME", nullptr);
        CWinApp* application = AfxGetApp();
        application->LoadStdProfileSettings(4);
        application->AddToRecentFileList("/some/volume.vol");
        application->SaveStdProfileSettings();
    }
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_EQ(::rmdir(folder.c_str()), 0) << "something was written in " << folder;
    struct stat after;
    if (!fallbackExisted) {
        EXPECT_NE(::stat(sharedFallback.c_str(), &after), 0) << sharedFallback << " was made";
    }
}
