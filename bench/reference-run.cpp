// reference-run: one correction run of the reference (the literal, slow algorithms) on a route
// folder, with the settings veltrano-cli takes. Prints the elapsed seconds; with --protocol the
// protocol is written to a file as UTF-8, newest entry first, exactly as the run kept it.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/HeapTuning.h"
#include "platform/TextCodec.h"
#include "tests/reference/ReferenceRun.h"

int main(int argc, char** argv) {
    using namespace veltrano;
    // The same heap as veltrano-cli, so the comparison is one of algorithms only.
    HeapTuning::keepLargeBuffersInHeap();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    reference::ReferenceSettings settings;
    std::string route;
    std::string protocolFile;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--lang" && hasValue) {
            settings.language = arguments[++i] == "de" ? "deutsch" : "english";
        } else if (argument == "--fill-level" && hasValue) {
            settings.fillLevel = std::stoi(arguments[++i]) % 5;
        } else if (argument == "--change-all") {
            settings.changeAll = 1;
        } else if (argument == "--protocol" && hasValue) {
            protocolFile = arguments[++i];
        } else if (route.empty() && argument.rfind("--", 0) != 0) {
            route = argument;
        } else {
            std::cerr << "usage: reference-run [--lang en|de] [--fill-level 0-4] [--change-all]\n"
                         "                     [--protocol FILE] ROUTE_DIR\n";
            return 64;
        }
    }
    if (route.empty()) {
        std::cerr << "reference-run: no route folder given\n";
        return 64;
    }
    // The folder as veltrano-cli builds it, so both protocols name the same paths.
    std::string routePath =
        std::filesystem::weakly_canonical(std::filesystem::absolute(route)).string();
    while (routePath.size() > 1 && routePath.back() == FileSystem::separator()) {
        routePath.pop_back();
    }

    FileSystem fileSystem;
    Clock clock;
    const auto start = std::chrono::steady_clock::now();
    const reference::ReferenceOutcome outcome =
        reference::ReferenceRun(routePath, fileSystem, clock, settings).run();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    if (!protocolFile.empty()) {
        std::ofstream out(protocolFile, std::ios::binary | std::ios::trunc);
        out << TextCodec::toUtf8(outcome.protocol);
    }
    std::cout << elapsed.count() << " s, " << outcome.yields << " yield points"
              << (outcome.fileError ? ", ended on a file error" : "") << "\n";
    return outcome.fileError ? 1 : 0;
}
