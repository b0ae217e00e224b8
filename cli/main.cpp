#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliProgram.h"
#include "platform/HeapTuning.h"
#include "platform/Terminal.h"

int main(int argc, char* argv[]) {
    // Dates, times and the decimal separator of the protocol follow the user's locale.
    std::setlocale(LC_ALL, "");
    veltrano::HeapTuning::keepLargeBuffersInHeap();

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    constexpr int kStandardError = 2;
    veltrano::CliProgram program(std::cout, std::cerr,
                                 veltrano::Terminal::isTerminal(kStandardError));
    return program.run(arguments);
}
