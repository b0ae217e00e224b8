#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliProgram.h"
#include "platform/CommandLine.h"
#include "platform/Terminal.h"

int main(int argc, char* argv[]) {
    // Dates, times and the decimal separator of the protocol follow the user's locale.
    std::setlocale(LC_ALL, "");

    veltrano::Terminal::prepareOutput();

    const std::vector<std::string> arguments = veltrano::CommandLine::arguments(argc, argv);
    veltrano::CliProgram program(std::cout, std::cerr,
                                 veltrano::Terminal::standardErrorIsTerminal());
    return program.run(arguments);
}
