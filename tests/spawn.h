// SPDX-License-Identifier: ISC
#pragma once
// Runs the built binary as a separate process, capturing what it writes.
#include "support.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Result {
    int status;  // the exit status, or 128 + the signal that ended the process
    std::string out, err;
};

// The programs under test: those built beside the tests, or builds of the
// same programs for another processor that RERER_TEST_BIN and
// RERER_TEST_FAST_BIN name, run through RERER_TEST_WRAPPER.
inline const char *program(const char *variable, const char *built) noexcept
{
    const char *path = std::getenv(variable);
    return path != nullptr ? path : built;
}
inline const char *const tool_bin = program("RERER_TEST_BIN", RERER_BIN);
inline const char *const fast_bin = program("RERER_TEST_FAST_BIN", RERER_FAST_BIN);

struct Spawn {
    std::string path;
    std::vector<std::string> argv;  // element 0 included; may be empty
    std::string redirect{};         // applied by a shell, such as ">&-"
    std::string before{};           // shell commands run first, such as "ulimit -f 8;"
    bool as_nobody = false;         // drop root's privileges first
};

// A command that RERER_TEST_WRAPPER in the environment names, such as a
// valgrind or qemu command line, runs the binary. It gives the binary its
// own program name, and an empty argument vector, which it cannot pass on,
// becomes one of the program name alone: both get the usage text. The
// wrapper finds the tests' own standard error on descriptor 9 (valgrind
// --log-fd=9), so the binary's streams stay its own.
inline bool wrap(Spawn &s)
{
    const char *wrapper = std::getenv("RERER_TEST_WRAPPER");
    if (wrapper == nullptr)
        return false;
    std::istringstream words(wrapper);
    std::vector<std::string> argv{std::istream_iterator<std::string>(words), {}};
    argv.push_back(s.path);
    if (!s.argv.empty())
        argv.insert(argv.end(), s.argv.begin() + 1, s.argv.end());
    s.argv = std::move(argv);
    s.path = s.argv[0];
    return true;
}

// Runs S in DIR; BEFORE_WAIT gets the process id while it runs.
template <typename F> Result spawn(const TestDir &dir, Spawn s, F before_wait)
{
    static const TestDir capture;
    const bool wrapped = wrap(s);
    if (!s.redirect.empty() || !s.before.empty()) {  // the shell runs PATH with ARGV after element 0
        s.argv.at(0) = s.path;
        s.argv.insert(s.argv.begin(), {"sh", "-c", s.before + " exec \"$0\" \"$@\" " + s.redirect});
        s.path = "/bin/sh";
    }
    auto ptrs = pointers(s.argv);
    const auto out = capture.path / "out";
    const auto err = capture.path / "err";
    const pid_t pid = fork();
    if (pid == 0) {
        // The run starts as from a shell prompt, whatever the tests inherited:
        // a job started in the background ignores SIGINT, for one.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        for (int sig = 1; sig < NSIG; sig++)
            std::signal(sig, SIG_DFL);
        if (wrapped)
            dup2(2, 9);
        const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (s.as_nobody && getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(126);
        if (chdir(dir.path.c_str()) == 0 && dup2(o, 1) == 1 && dup2(e, 2) == 2) {
            close(o);
            close(e);
            execvp(s.path.c_str(), ptrs.data());
        }
        _exit(127);
    }
    before_wait(pid);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), capture.read("out"), capture.read("err")};
}

inline Result spawn(const TestDir &dir, Spawn s)
{
    return spawn(dir, std::move(s), [](pid_t) {});
}

// Runs BIN with ARGS.
inline Result run(const TestDir &dir, const std::string &bin, std::vector<std::string> args)
{
    args.insert(args.begin(), bin);
    return spawn(dir, {bin, std::move(args)});
}
