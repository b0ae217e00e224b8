#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/TempRoute.h"

namespace veltrano::test {

// Expected texts live in tests/golden/, one file per case.
std::string readGolden(const std::string& relative);
// The names of the case files (*.txt) in a folder of tests/golden/, sorted.
std::vector<std::string> goldenCases(const std::string& folder);
// A case's name as a test name: every character but a letter or digit becomes "_".
std::string caseName(const ::testing::TestParamInfo<std::string>& row);

// `text` with every `what` in it replaced by `by`.
std::string replacedAll(std::string text, const std::string& what, const std::string& by);

// The lines of `text` without their line ends (LF or CR LF).
std::vector<std::string> splitLines(const std::string& text);
// Compares line by line (LF or CR LF ends alike) and names the first line that differs.
::testing::AssertionResult sameLines(const std::string& expected, const std::string& actual);

// A case file cut into sections: a line "@@ <head>" opens one, its lines follow.
struct GoldenSection {
    std::vector<std::string> head;  // the words after "@@"
    std::string body;               // the lines, each ending in CR LF, \xNN escapes decoded
    std::string lines;              // the same lines as written, each ending in LF
};
// The case file tests/golden/<relative> in sections. `known` are the headings its runner reads
// besides those buildRoute applies; any other heading, or text before the first, throws naming
// it, so a misspelt heading cannot drop its check and let the case pass.
std::vector<GoldenSection> caseSections(const std::string& relative,
                                        std::initializer_list<std::string_view> known);

// Applies a section that builds the route, to each path it names: "text <path>..." (the bytes),
// "utf16 <path>...", "world <form> <path>..." (a form of tests/support/WorldFileForms with "-" for
// blanks), "folder <path>", "remove <path>", "link-outside <path>" (the file moves to `outside`, a
// link to it takes its place), "edit <path>..." (line edits, see edited(), on the text of a
// UTF-16 file or on the bytes of any other). False for any other section.
bool buildRoute(const TempRoute& route, const TempRoute& outside, const GoldenSection& section);
// `text` with line edits: "- line" then "+ line" replace the next line equal to the first by the
// second, keeping its line end; "= line" moves on past the next line equal to it. An edit that
// finds no line throws naming it.
std::string edited(std::string text, const std::string& edits);
// Every entry under the route folder as a relative path, one a line, sorted.
std::string routeTree(const TempRoute& route);

}  // namespace veltrano::test
