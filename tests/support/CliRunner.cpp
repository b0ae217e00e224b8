#include "tests/support/CliRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <vector>

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
[[noreturn]] void becomeCli(int out, int err, char* const* argv, const char* folder) {
    const int in = ::open("/dev/null", O_RDONLY);
    if (in >= 0 && ::dup2(in, 0) >= 0 && ::dup2(out, 1) >= 0 && ::dup2(err, 2) >= 0 &&
        (*folder == '\0' || ::chdir(folder) == 0)) {
        ::execv(VELTRANO_CLI_PATH, argv);
    }
    ::_exit(127);
}

}  // namespace

CliResult CliRunner::run(const CliStart& start) {
    std::vector<std::string> words{VELTRANO_CLI_PATH};
    words.insert(words.end(), start.arguments.begin(), start.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
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
        becomeCli(out[1], err[1], argv.data(), start.workingDirectory.c_str());
    }
    ::close(out[1]);
    ::close(err[1]);
    CliResult result;
    drain(out[0], err[0], result.out, result.err);
    int status = 0;
    while (::waitpid(process, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("waitpid failed");
        }
    }
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace veltrano::test
