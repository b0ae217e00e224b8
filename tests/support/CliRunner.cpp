#include "tests/support/CliRunner.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace veltrano::test {

namespace {

// Reads both pipes to their end, whichever the program writes to first.
void drain(int out, int err, std::string& outText, std::string& errText) {
    pollfd pipes[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
    std::string* texts[2] = {&outText, &errText};
    char buffer[65536];
    while (pipes[0].fd >= 0 || pipes[1].fd >= 0) {
        if (::poll(pipes, 2, -1) < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd < 0 || pipes[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(pipes[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                texts[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(pipes[i].fd);
                pipes[i].fd = -1;
            }
        }
    }
}

// Runs in the child between fork and exec: only calls that are safe there.
[[noreturn]] void becomeCli(const CliStart& start, int out, int err, char* const* argv) {
    const int in = ::open("/dev/null", O_RDONLY);
    bool ready = in >= 0 && ::dup2(in, 0) >= 0 && ::dup2(out, 1) >= 0 && ::dup2(err, 2) >= 0;
    ready =
        ready && (start.workingDirectory.empty() || ::chdir(start.workingDirectory.c_str()) == 0);
    if (ready && start.fileSizeLimit >= 0) {
        // Ignored, the signal lets write(2) report EFBIG instead of ending the process.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(start.fileSizeLimit);
        ready = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    if (ready && start.unprivileged && ::geteuid() == 0) {
        ready = ::setgroups(0, nullptr) == 0 && ::setgid(CliRunner::kNobody) == 0 &&
                ::setuid(CliRunner::kNobody) == 0;
    }
    if (ready) {
        ::execv(start.program.empty() ? VELTRANO_CLI_PATH : start.program.c_str(), argv);
    }
    ::_exit(ready ? 127 : 126);
}

}  // namespace

pid_t CliRunner::launch(const CliStart& start) {
    std::vector<std::string> words{VELTRANO_CLI_PATH};
    words.insert(words.end(), start.arguments.begin(), start.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    // Pipes, not files: a file size limit of the program must not cut its own output.
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t process = ::fork();
    if (process < 0) {
        throw std::runtime_error("fork failed");
    }
    if (process == 0) {
        becomeCli(start, out[1], err[1], argv.data());
    }
    ::close(out[1]);
    ::close(err[1]);
    m_pipes[process] = {out[0], err[0]};
    return process;
}

CliResult CliRunner::finish(pid_t process) {
    CliResult result;
    const auto pipes = m_pipes.at(process);
    m_pipes.erase(process);
    drain(pipes.first, pipes.second, result.out, result.err);
    int status = 0;
    rusage usage{};
    while (::wait4(process, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("wait4 failed");
        }
    }
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.maxResidentKb = usage.ru_maxrss;
    return result;
}

CliResult CliRunner::run(const CliStart& start) {
    return finish(launch(start));
}

}  // namespace veltrano::test
