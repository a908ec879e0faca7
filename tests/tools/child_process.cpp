#include "child_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

ChildProcess::ChildProcess(const std::vector<std::string>& argv) : error_output_(std::tmpfile())
{
    std::vector<char*> pointers;
    for (const std::string& argument : argv)
        pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (error_output_ != nullptr)
        posix_spawn_file_actions_adddup2(&actions, fileno(error_output_), STDERR_FILENO);
    if (posix_spawn(&pid_, pointers[0], &actions, nullptr, pointers.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess()
{
    if (started() && !Exited()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (error_output_ != nullptr)
        std::fclose(error_output_);
}

bool ChildProcess::Exited()
{
    if (exited_ || !started())
        return exited_;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_)
        return false;
    exited_ = true;
    exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!Exited()) {
        if (!started() || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string ChildProcess::ErrorOutput() const
{
    if (error_output_ == nullptr)
        return {};
    std::string text;
    std::rewind(error_output_);
    char buffer[4096];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, error_output_))
        text.append(buffer, count);
    return text;
}

ProcessResult RunProcess(const std::vector<std::string>& argv, std::chrono::milliseconds limit,
                         const std::function<void(ChildProcess&)>& wait)
{
    const auto start = std::chrono::steady_clock::now();
    ChildProcess child(argv);
    ProcessResult result;
    if (wait)
        wait(child);
    result.exited = child.WaitForExit(wait ? std::chrono::milliseconds(0) : limit);
    result.elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    result.exit_code = child.exit_code();
    result.error_output = child.ErrorOutput();
    return result;
}
