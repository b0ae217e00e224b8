#include "CliRun.h"

#include <filesystem>

#include "tests/support/Golden.h"
#include "tests/support/TempRoute.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>

#include <cstdlib>
#endif

namespace veltrano::test {

namespace {

#ifdef _WIN32
// A word in quotes, as the C runtime of the started program splits its command line; no word
// of the tests holds a quote or ends in a backslash, which would need escapes.
std::wstring quoted(const std::string& word) {
    return L"\"" + std::filesystem::path(word).wstring() + L"\"";
}

HANDLE inheritable(const std::wstring& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int started(const std::vector<std::string>& arguments, const std::string& folder,
            const TempRoute& outputs) {
    std::wstring commandLine = L"veltrano-cli.exe";
    for (const std::string& word : arguments) {
        commandLine += L" " + quoted(word);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = inheritable(std::filesystem::path(outputs.pathOf("out")).wstring(),
                                     GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = inheritable(std::filesystem::path(outputs.pathOf("err")).wstring(),
                                    GENERIC_WRITE, CREATE_ALWAYS);
    const std::wstring directory = std::filesystem::path(folder).wstring();
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    if (CreateProcessW(std::filesystem::path(VELTRANO_CLI_PATH).c_str(), commandLine.data(),
                       nullptr, nullptr, TRUE, 0, nullptr,
                       folder.empty() ? nullptr : directory.c_str(), &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process.hProcess, &status)) {
            TerminateProcess(process.hProcess, 1);
            status = static_cast<DWORD>(-1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        CloseHandle(handle);
    }
    return static_cast<int>(status);
}
#else
// A word as the shell reads it back unchanged.
std::string quoted(const std::string& word) {
    return "'" + replacedAll(word, "'", "'\\''") + "'";
}

int started(const std::vector<std::string>& arguments, const std::string& folder,
            const TempRoute& outputs) {
    std::string command =
        (folder.empty() ? "" : "cd " + quoted(folder) + " && ") + quoted(VELTRANO_CLI_PATH);
    for (const std::string& word : arguments) {
        command += " " + quoted(word);
    }
    command +=
        " < /dev/null > " + quoted(outputs.pathOf("out")) + " 2> " + quoted(outputs.pathOf("err"));
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

}  // namespace

CliResult runCli(const std::vector<std::string>& arguments, const std::string& folder) {
    const TempRoute outputs;
    const int status = started(arguments, folder, outputs);
    return {status, outputs.readBytes("out"), outputs.readBytes("err")};
}

}  // namespace veltrano::test
