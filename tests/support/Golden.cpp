#include "tests/support/Golden.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "platform/TextCodec.h"
#include "tests/support/WorldFileForms.h"

namespace fs = std::filesystem;

namespace veltrano::test {

namespace {

// The headings buildRoute applies.
constexpr std::array<std::string_view, 7> kRouteHeadings{
    "text", "utf16", "world", "folder", "remove", "link-outside", "edit"};

std::string unescaped(std::string line) {
    for (std::size_t at = line.find("\\x"); at != std::string::npos && at + 3 < line.size();
         at = line.find("\\x", at + 1)) {
        line.replace(at, 4, 1, static_cast<char>(std::stoi(line.substr(at + 2, 2), nullptr, 16)));
    }
    return line;
}

WorldFileForm formNamed(const std::string& name) {
    for (int i = 0; i < kWorldFileForms; ++i) {
        if (replacedAll(nameOf(static_cast<WorldFileForm>(i)), " ", "-") == name) {
            return static_cast<WorldFileForm>(i);
        }
    }
    throw std::invalid_argument("no world file form " + name);
}

bool isWholeLine(const std::string& text, std::size_t at, std::size_t size) {
    return (at == 0 || text[at - 1] == '\n') &&
           (at + size == text.size() || text[at + size] == '\r' || text[at + size] == '\n');
}

void buildEntry(const TempRoute& route, const TempRoute& outside, const GoldenSection& section,
                const std::string& name) {
    const std::string& kind = section.head.at(0);
    if (kind == "text") {
        route.writeBytes(name, section.body);
    } else if (kind == "utf16") {
        route.writeUtf16(name, section.body);
    } else if (kind == "world") {
        route.writeBytes(name, storedAs(formNamed(section.head.at(1)), section.body));
    } else if (kind == "folder") {
        fs::remove(route.pathOf(name));
        route.makeFolder(name);
    } else if (kind == "remove") {
        fs::remove(route.pathOf(name));
    } else if (kind == "link-outside") {
        fs::rename(route.pathOf(name), outside.pathOf(name));
        fs::create_symlink(outside.pathOf(name), route.pathOf(name));
    } else if (const std::string bytes = route.readBytes(name); bytes.starts_with("\xFF\xFE")) {
        route.writeUtf16(
            name, edited(TextCodec::toUtf8(TextCodec::decodeWholeFile(bytes)), section.body));
    } else {
        route.writeBytes(name, edited(bytes, section.body));
    }
}

}  // namespace

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string readGolden(const std::string& relative) {
    std::ifstream in(std::string(VELTRANO_GOLDEN_DIR) + "/" + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> goldenCases(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry :
         fs::directory_iterator(std::string(VELTRANO_GOLDEN_DIR) + "/" + folder)) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string caseName(const ::testing::TestParamInfo<std::string>& row) {
    std::string name = row.param;
    std::ranges::replace_if(
        name, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
    return name;
}

std::string replacedAll(std::string text, const std::string& what, const std::string& by) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + by.size())) {
        text.replace(at, what.size(), by);
    }
    return text;
}

::testing::AssertionResult sameLines(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> want = splitLines(expected);
    const std::vector<std::string> got = splitLines(actual);
    const auto [w, g] = std::ranges::mismatch(want, got);
    if (w == want.end() && g == got.end()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "line " << w - want.begin() + 1
           << " differs\n  expected: " << (w == want.end() ? "(end)" : "\"" + *w + "\"")
           << "\n  actual:   " << (g == got.end() ? "(end)" : "\"" + *g + "\"");
}

std::vector<GoldenSection> caseSections(const std::string& relative,
                                        std::initializer_list<std::string_view> known) {
    std::vector<GoldenSection> sections;
    for (const std::string& line : splitLines(readGolden(relative))) {
        if (line.rfind("@@", 0) == 0) {
            GoldenSection section;
            std::istringstream words(line.substr(2));
            for (std::string word; words >> word;) {
                section.head.push_back(word);
            }
            const std::string kind = section.head.empty() ? "" : section.head[0];
            if (std::ranges::find(known, kind) == known.end() &&
                std::ranges::find(kRouteHeadings, kind) == kRouteHeadings.end()) {
                throw std::invalid_argument(relative + ": unknown heading \"@@ " + kind + "\"");
            }
            sections.push_back(section);
        } else if (sections.empty() && !line.empty()) {
            throw std::invalid_argument(relative + ": text before the first heading");
        } else if (!sections.empty()) {
            sections.back().body += unescaped(line) + "\r\n";
            sections.back().lines += line + "\n";
        }
    }
    return sections;
}

bool buildRoute(const TempRoute& route, const TempRoute& outside, const GoldenSection& section) {
    const std::string& kind = section.head.at(0);
    if (std::ranges::find(kRouteHeadings, kind) == kRouteHeadings.end()) {
        return false;
    }
    for (std::size_t i = kind == "world" ? 2 : 1; i < section.head.size(); ++i) {
        buildEntry(route, outside, section, section.head[i]);
    }
    return true;
}

std::string edited(std::string text, const std::string& edits) {
    std::size_t at = 0;
    bool replacing = false;
    for (const std::string& edit : splitLines(edits)) {
        const std::string line = edit.substr(std::min<std::size_t>(edit.size(), 2));
        if (edit.starts_with('+') && std::exchange(replacing, false)) {
            text.insert(at, line);
            continue;
        }
        std::size_t found = at;
        while ((found = text.find(line, found)) != std::string::npos &&
               !isWholeLine(text, found, line.size())) {
            ++found;
        }
        if (found == std::string::npos || !(edit.starts_with('-') || edit.starts_with('='))) {
            throw std::invalid_argument("cannot apply the edit \"" + edit + "\"");
        }
        replacing = edit.starts_with('-');
        at = replacing ? found : found + line.size();
        text.erase(at, replacing ? line.size() : 0);
    }
    return text;
}

std::string routeTree(const TempRoute& route) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(route.path())) {
        // UTF-8 on every system, as the case files are written.
        const std::u8string name = entry.path().lexically_relative(route.path()).generic_u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) {
        text += name + "\n";
    }
    return text;
}

}  // namespace veltrano::test
