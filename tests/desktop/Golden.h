#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace veltrano::test {

// Compares `actual` with tests/golden/desktop/<name>.txt and names the first line that differs
// (a missing file differs at line 1).
// VELTRANO_UPDATE_GOLDEN=1 writes the file instead, for a reviewed change of behaviour.
inline void expectGolden(const std::string& name, const std::string& actual) {
    const char* source = std::getenv("VELTRANO_SOURCE_DIR");
    const std::string path =
        std::string(source ? source : ".") + "/tests/golden/desktop/" + name + ".txt";
    if (std::getenv("VELTRANO_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream expected(path, std::ios::binary);
    std::istringstream got(actual);
    std::string want;
    std::string have;
    for (int number = 1;; ++number) {
        const bool wanted = !!std::getline(expected, want);
        const bool had = !!std::getline(got, have);
        ASSERT_TRUE(wanted == had && want == have)
            << name << ": line " << number << " differs\n  expected: " << (wanted ? want : "<end>")
            << "\n  actual:   " << (had ? have : "<end>");
        if (!wanted) {
            return;
        }
    }
}

}  // namespace veltrano::test
