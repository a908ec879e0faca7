// The recent-file list in the profile: kept newest first, four at most, read and written
// back through whatever stands in the profile's place, and never written over a profile
// that cannot be read. Each run is made in a child process, so that what it changes (the
// environment, the working folder, the user) goes with it.
#include "framework_session.h"

#include "framework/profile.h"
#include "framework/test_seams.h"
#include "framework/win_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool Write(const std::string& path, const std::string& text)
{
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << text);
}

// A set-up step in a child that fails ends the child, so that its case fails rather than
// test nothing.
void Must(bool done)
{
    if (!done)
        ::_exit(3);
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What is in a place: a link and what it leads to, a folder, a pipe, nothing, or a file's
// text without its blank lines (its size when large). Blank lines between groups are
// layout, which GLib releases write differently; the groups, keys and order are what count.
std::string Describe(const std::string& path, bool follow = false)
{
    struct stat status;
    if ((follow ? ::stat(path.c_str(), &status) : ::lstat(path.c_str(), &status)) != 0)
        return "nothing";
    if (S_ISLNK(status.st_mode))
        return "link, " + Describe(path, true);
    if (!S_ISREG(status.st_mode))
        return S_ISDIR(status.st_mode) ? "folder" : "pipe";
    if (status.st_size > 4096)
        return std::to_string(status.st_size) + " bytes";
    std::string line, kept;
    for (std::istringstream lines(Read(path)); std::getline(lines, line);)
        kept += line.empty() ? "" : line + "\n";
    return kept;
}

// What a step run in a child process returns, through a file anyone may write.
std::string InChild(const std::function<std::string()>& step)
{
    const std::string out = TestFolder() + "/child.out";
    if (!Write(out, "") || ::chmod(out.c_str(), 0666) != 0)
        return "no file for the child's result";
    const pid_t child = ::fork();
    if (child == 0) {
        std::ofstream file(out, std::ios::binary);
        ::_exit(file << step() << std::flush ? 0 : 1);
    }
    int status = 1;
    return ::waitpid(child, &status, 0) == child && status == 0 ? Read(out) : "the child failed";
}

void SetEnvironment(const char* name, const char* value)  // nullptr: unset
{
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
}

// Root passes every permission: a case for a user without rights hands the profile and
// its folder to nobody and goes on as nobody.
void AsNobody(const std::string& folder, const std::string& profile)
{
    if (::geteuid() == 0 && (::chown(folder.c_str(), 65534, 65534) != 0 ||
                             ::chown(profile.c_str(), 65534, 65534) != 0 || ::setgroups(0, nullptr) != 0 ||
                             ::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0))
        ::_exit(2);
}

std::string g_said;  // what the message boxes said, one line each

}  // namespace

TEST(Profile, KeepsTheNewestFourAndReadsAnyPathBack)
{
    CRecentFileList list(4);
    for (const char* path : {"/a", "/b", "/with\nnewline\r", "/c", "/per%cent %0A\\n", "/c"})
        list.Add(path);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/c", "/per%cent %0A\\n", "/with\nnewline\r", "/b"}));
    const std::string path = TestFolder() + "/round/trip.conf";
    std::string error;
    ASSERT_TRUE(list.WriteList(path, &error)) << error;
    CRecentFileList again(4);
    again.ReadList(path);
    EXPECT_EQ(again.Files(), list.Files());
}

// A run of the program: the list read at start-up, a file opened, the list written back
// at exit. What stands in the profile's place afterwards, and the one message, if any.
TEST(Profile, WhateverStandsInItsPlaceIsWrittenThroughOrLeftAsItIsAndSaidOnce)
{
    const std::string old = "[Recent File List]\nFile1=/old\n", fresh = "[Recent File List]\nFile1=/new\n";
    const std::string huge = old + "#" + std::string(2 << 20, 'x') + "\n";
    using Place = const std::string&;
    const struct {
        const char* what;
        std::function<void(Place folder, Place profile)> setUp;  // in the working folder
        const char* said;                                        // part of the one message shown; "": none
        std::string after;
    } cases[] = {
        {"nothing yet", [](Place, Place) {}, "", fresh},
        {"empty", [](Place, Place p) { Must(Write(p, "")); }, "", fresh},
        {"other settings, other keys and escapes",
         [](Place, Place p) {
             Must(Write(p, "[Other]\nkey=value\n[Recent File List]\nFile=/x\nFile2=/per%25cent%0Aline\n"));
         },
         "", "[Other]\nkey=value\n[Recent File List]\nFile=/x\nFile2=/per%25cent%0Aline\nFile1=/new\n"},
        {"a link into the dotfiles",
         [&](Place, Place p) {
             Must(Write("dotfiles/a.conf", old) && ::symlink("../dotfiles/a.conf", p.c_str()) == 0);
         },
         "", "link, [Recent File List]\nFile1=/new\nFile2=/old\n"},
        {"a link to a file not there",
         [](Place, Place p) { Must(::symlink("../dotfiles/a.conf", p.c_str()) == 0); }, "", "link, " + fresh},
        {"a link into a folder not there",
         [](Place, Place p) { Must(::symlink("../missing/a.conf", p.c_str()) == 0); },
         "in a folder that is not there", "link, nothing"},
        {"a link to a folder", [](Place, Place p) { Must(::symlink("../dotfiles", p.c_str()) == 0); },
         "it is a folder", "link, folder"},
        {"a folder", [](Place, Place p) { Must(::mkdir(p.c_str(), 0755) == 0); }, "it is a folder", "folder"},
        {"a pipe", [](Place, Place p) { Must(::mkfifo(p.c_str(), 0644) == 0); }, "not a regular file",
         "pipe"},
        {"unreadable",
         [&](Place d, Place p) { Must(Write(p, old) && ::chmod(p.c_str(), 0200) == 0), AsNobody(d, p); },
         "permission to read it is denied", old},
        {"in a folder that cannot be written",
         [&](Place d, Place p) { Must(Write(p, old) && ::chmod(d.c_str(), 0500) == 0), AsNobody(d, p); },
         "Permission denied", old},
        {"too large", [&](Place, Place p) { Must(Write(p, huge)); }, "larger than 1 MiB",
         std::to_string(huge.size()) + " bytes"},
        {"not a settings file", [](Place, Place p) { Must(Write(p, "File1=/x\n")); }, "not a settings file",
         "File1=/x\n"},
        {"a file where its folder should be",
         [](Place d, Place) { Must(::rmdir(d.c_str()) == 0 && Write(d, "x")); }, "Cannot create the folder",
         "nothing"},
        // No configuration folder: nothing is written, not even beside the working folder.
        {"no folder named",
         [](Place, Place) { SetEnvironment("XDG_CONFIG_HOME", "."), SetEnvironment("HOME", nullptr); }, "",
         "nothing"},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string root = TestFolder() + "/place" + std::to_string(++row), app = AfxGetAppName();
        const std::string folder = root + "/" + app, profile = folder + "/" + app + ".conf";
        for (const std::string& made : {root, root + "/dotfiles", folder})
            ASSERT_EQ(::mkdir(made.c_str(), 0755), 0) << made;
        const std::string said = InChild([&] {
            SetEnvironment("XDG_CONFIG_HOME", root.c_str());
            if (::chdir(root.c_str()) != 0)
                return std::string("no working folder");
            c.setUp(folder, profile);
            AfxSetMessageBoxHook([](const char* text, const char*, UINT) {
                g_said += std::string(text) + "\n";
                return IDOK;
            });
            AfxGetApp()->LoadStdProfileSettings(4);
            AfxGetApp()->AddToRecentFileList("/new");
            AfxGetApp()->SaveStdProfileSettings();
            return g_said;
        });
        EXPECT_EQ(Describe(profile), c.after) << c.what;
        const bool saysOnce =
            said.find(c.said) != std::string::npos && std::count(said.begin(), said.end(), '\n') == 1;
        EXPECT_TRUE(c.said[0] == '\0' ? said.empty() : saysOnce) << c.what << ": " << said;
    }
}

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
        {"relative/config", "/home/u", "/home/u/.config/Dorvane/Dorvane.conf"},
        {nullptr, nullptr, ""},
        {nullptr, "relative/home", ""},
    };
    for (const auto& c : cases) {
        const std::string path = InChild([&] {
            SetEnvironment("XDG_CONFIG_HOME", c.xdgConfigHome), SetEnvironment("HOME", c.home);
            return AfxProfilePath("Dorvane");
        });
        EXPECT_EQ(path, c.expected) << "XDG_CONFIG_HOME=" << (c.xdgConfigHome ? c.xdgConfigHome : "(unset)")
                                    << " HOME=" << (c.home ? c.home : "(unset)");
    }
}
