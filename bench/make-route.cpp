// make-route: writes a generated route folder for benchmarks and tests.
#include <charconv>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/RouteGenerator.h"

namespace {

using veltrano::bench::RouteGenerator;
using veltrano::bench::RouteSettings;

constexpr const char* kUsage =
    "usage: make-route [--preset small|large] [--items N] [--pickups N] [--tiles N]\n"
    "                  [--world-file-size BYTES] [--tdb-size BYTES] [--zero-share 0..1]\n"
    "                  [--tdb-encoding E] [--tit-encoding E] [--line-ends crlf|lf]\n"
    "                  [--missing N] [--compressed N] [--world-form text|compressed-binary]\n"
    "                  [--route-id ID] [--seed N] OUT_DIR\n"
    "  E: utf16le (default), utf16be, utf8, 8bit\n"
    "  Options after --preset override the preset's values.\n";

bool parseCount(std::string_view text, std::size_t& value) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

bool parseSeed(std::string_view text, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

bool parseShare(const std::string& text, double& value) {
    char* stop = nullptr;
    value = std::strtod(text.c_str(), &stop);
    return stop != text.c_str() && *stop == '\0' && value >= 0.0 && value <= 1.0;
}

// Applies one option with its value; false when either is not understood.
bool applyOption(const std::string& option, const std::string& value, RouteSettings& settings) {
    if (option == "--preset") {
        std::optional<RouteSettings> preset = RouteSettings::preset(value);
        if (!preset) {
            return false;
        }
        preset->seed = settings.seed;
        preset->routeId = settings.routeId;
        settings = *preset;
        return true;
    }
    if (option == "--items") {
        return parseCount(value, settings.trackItems);
    }
    if (option == "--pickups") {
        return parseCount(value, settings.pickups);
    }
    if (option == "--tiles") {
        return parseCount(value, settings.tiles);
    }
    if (option == "--world-file-size") {
        return parseCount(value, settings.worldFileBytes);
    }
    if (option == "--tdb-size") {
        return parseCount(value, settings.tdbBytes);
    }
    if (option == "--zero-share") {
        return parseShare(value, settings.zeroShare);
    }
    if (option == "--missing") {
        return parseCount(value, settings.missingWorldFiles);
    }
    if (option == "--compressed") {
        return parseCount(value, settings.compressedWorldFiles);
    }
    if (option == "--world-form") {
        settings.binaryWorldFiles = value == "compressed-binary";
        return value == "text" || value == "compressed-binary";
    }
    if (option == "--seed") {
        return parseSeed(value, settings.seed);
    }
    if (option == "--route-id") {
        settings.routeId = value;
        return !value.empty() && value.find_first_of("/\\") == std::string::npos;
    }
    if (option == "--line-ends") {
        settings.crLf = value == "crlf";
        return value == "crlf" || value == "lf";
    }
    if (option == "--tdb-encoding" || option == "--tit-encoding") {
        auto encoding = RouteGenerator::encodingNamed(value);
        if (!encoding) {
            return false;
        }
        (option == "--tdb-encoding" ? settings.tdbEncoding : settings.titEncoding) = *encoding;
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    RouteSettings settings;
    std::string folder;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (argument.rfind("--", 0) == 0) {
            if (i + 1 >= arguments.size() || !applyOption(argument, arguments[i + 1], settings)) {
                std::cerr << "make-route: bad option " << argument << "\n" << kUsage;
                return 64;
            }
            ++i;
        } else if (folder.empty()) {
            folder = argument;
        } else {
            std::cerr << "make-route: more than one folder given\n" << kUsage;
            return 64;
        }
    }
    if (folder.empty()) {
        std::cerr << "make-route: no output folder given\n" << kUsage;
        return 64;
    }
    try {
        RouteGenerator(settings).writeTo(folder);
    } catch (const std::exception& error) {
        std::cerr << "make-route: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
