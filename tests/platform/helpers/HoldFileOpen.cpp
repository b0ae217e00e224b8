// Holds the file named by its one argument open without sharing it, as another program may hold
// a track file, until its input ends.

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        return 64;
    }
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    while (std::getchar() != EOF) {
    }
    CloseHandle(file);
    return 0;
}
