#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// A program run by a test, with its standard error captured for checking messages.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    // Kills a child that is still running, so a failing test leaves nothing behind.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // Non-blocking; once true, exit_code() is valid.
    bool Exited();
    bool WaitForExit(std::chrono::milliseconds limit);
    // -1 when the child was ended by a signal.
    int exit_code() const { return exit_code_; }
    std::string ErrorOutput() const;

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    int exit_code_ = -1;
    std::FILE* error_output_;
};

struct ProcessResult {
    bool exited = false;  // false when it had to be killed at the time limit
    int exit_code = -1;
    std::string error_output;
    std::chrono::milliseconds elapsed{0};
};

// Runs the program until it exits or `limit` passes. `wait`, when given, does the waiting
// instead, answering what the program asks of the test meanwhile, and must return by then.
ProcessResult RunProcess(const std::vector<std::string>& argv, std::chrono::milliseconds limit,
                         const std::function<void(ChildProcess&)>& wait = nullptr);
