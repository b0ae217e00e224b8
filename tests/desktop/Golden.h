#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace veltrano::test {

// Compares `actual` with tests/golden/desktop/<name>.txt and names the first line that differs.
// VELTRANO_UPDATE_GOLDEN=1 writes the file instead, for a reviewed change of behaviour.
inline void expectGolden(const std::string& name, const std::string& actual) {
    const char* source = std::getenv("VELTRANO_SOURCE_DIR");
    const std::string path =
        std::string(source ? source : ".") + "/tests/golden/desktop/" + name + ".txt";
    if (std::getenv("VELTRANO_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "no golden file " << path;
    std::stringstream expected(std::string(std::istreambuf_iterator<char>(file), {}));
    std::stringstream got(actual);
    std::string want;
    std::string have;
    for (int number = 1;; ++number) {
        const bool moreWanted = static_cast<bool>(std::getline(expected, want));
        const bool moreHad = static_cast<bool>(std::getline(got, have));
        if (!moreWanted && !moreHad) {
            return;
        }
        ASSERT_TRUE(moreWanted && moreHad && want == have)
            << name << ": line " << number
            << " differs\n  expected: " << (moreWanted ? want : "<end>")
            << "\n  actual:   " << (moreHad ? have : "<end>");
    }
}

}  // namespace veltrano::test
