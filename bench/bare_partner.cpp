#include "bare_partner.h"

#include <cstdio>
#include <cstdlib>
#include <limits.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string BesideThisProgram(const std::string& name)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return name;
    const std::string path(self, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + name;
}

}  // namespace

bool BarePartner::Start(int width, int height, int alphaBits, int depthBits, int stencilBits)
{
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0)
        return false;
    const std::string program = BesideThisProgram("bench_bare_glx");
    std::vector<std::string> words = {program,
                                      std::to_string(width),
                                      std::to_string(height),
                                      std::to_string(alphaBits),
                                      std::to_string(depthBits),
                                      std::to_string(stencilBits)};
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    const int failed = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_to = ::fdopen(toChild[1], "w");
    m_from = ::fdopen(fromChild[0], "r");
    if (failed) {
        m_pid = 0;
        return false;
    }
    char line[64];
    return std::fgets(line, sizeof line, m_from) != nullptr && std::string(line) == "ready\n";
}

BarePartner::~BarePartner()
{
    if (m_to != nullptr)
        std::fclose(m_to);  // the partner ends at the end of its input
    if (m_from != nullptr)
        std::fclose(m_from);
    if (m_pid != 0)
        ::waitpid(m_pid, nullptr, 0);
}

bool BarePartner::Tell(const std::string& line)
{
    return std::fputs((line + "\n").c_str(), m_to) >= 0 && std::fflush(m_to) == 0;
}

std::string BarePartner::Answer()
{
    char answer[64];
    return std::fgets(answer, sizeof answer, m_from) != nullptr ? std::string(answer) : std::string();
}

double BarePartner::Frames(std::size_t index, int count)
{
    double ms = -1.0;
    if (!Tell("frames " + std::to_string(index) + " " + std::to_string(count)) ||
        std::sscanf(Answer().c_str(), "%lf", &ms) != 1)
        return -1.0;
    return ms;
}

long BarePartner::PeakKiB()
{
    return Tell("peak") ? std::atol(Answer().c_str()) : 0;
}
