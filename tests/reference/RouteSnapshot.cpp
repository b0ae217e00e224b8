#include "tests/reference/RouteSnapshot.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace veltrano::reference {

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A short, printable view of the bytes around a position.
std::string around(const std::string& bytes, std::size_t at) {
    const std::size_t from = at > 40 ? at - 40 : 0;
    std::string view;
    for (char c : bytes.substr(from, 100)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F) {
            view += c;
        } else if (u != 0) {
            view += "\\x" + std::string(1, "0123456789abcdef"[u >> 4]) +
                    std::string(1, "0123456789abcdef"[u & 15]);
        }
    }
    return view;
}

}  // namespace

RouteSnapshot RouteSnapshot::take(const std::string& folder) {
    RouteSnapshot snapshot;
    for (auto it = fs::recursive_directory_iterator(folder);
         it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = fs::relative(it->path(), folder).generic_string();
        if (it->is_directory()) {
            snapshot.folders.insert(relative);
        } else {
            snapshot.files[relative] = readBytes(it->path());
        }
    }
    return snapshot;
}

void RouteSnapshot::writeInto(const std::string& folder) const {
    for (const auto& entry : fs::directory_iterator(folder)) {
        fs::remove_all(entry.path());
    }
    for (const std::string& relative : folders) {
        fs::create_directories(fs::path(folder) / relative);
    }
    for (const auto& [relative, bytes] : files) {
        const fs::path path = fs::path(folder) / relative;
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }
}

std::string RouteSnapshot::difference(const RouteSnapshot& expected, const RouteSnapshot& actual) {
    if (expected.folders != actual.folders) {
        std::string text = "folders differ: expected";
        for (const std::string& name : expected.folders) {
            text += " " + name;
        }
        text += "; actual";
        for (const std::string& name : actual.folders) {
            text += " " + name;
        }
        return text;
    }
    for (const auto& [name, bytes] : expected.files) {
        auto other = actual.files.find(name);
        if (other == actual.files.end()) {
            return "file " + name + " is missing";
        }
        if (other->second != bytes) {
            std::size_t at = 0;
            while (at < bytes.size() && at < other->second.size() &&
                   bytes[at] == other->second[at]) {
                ++at;
            }
            return "file " + name + " differs at byte " + std::to_string(at) + ": expected ..." +
                   around(bytes, at) + "... actual ..." + around(other->second, at) + "...";
        }
    }
    for (const auto& [name, bytes] : actual.files) {
        if (expected.files.count(name) == 0) {
            return "file " + name + " is not expected";
        }
    }
    return {};
}

}  // namespace veltrano::reference
