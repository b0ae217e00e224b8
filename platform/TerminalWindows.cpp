// The standard streams on Windows: binary, UTF-8, and a console that reads escape sequences.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/Terminal.h"

namespace veltrano {

bool Terminal::standardErrorIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

void Terminal::prepareOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(console, &mode)) {
        SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
}

}  // namespace veltrano
