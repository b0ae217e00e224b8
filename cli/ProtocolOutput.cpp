#include "cli/ProtocolOutput.h"

#include <cstddef>
#include <vector>

#include "platform/TextCodec.h"

namespace veltrano {

std::string ProtocolOutput::oldestFirst(std::u16string_view protocol) {
    // CR LF never occurs inside a multi-byte UTF-8 sequence, so the bytes can be split
    // after converting the whole text once.
    const std::string text = TextCodec::toUtf8(protocol);
    const std::string_view lineEnd = "\r\n";

    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(lineEnd, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(std::string_view(text).substr(start, end - start));
        start = end == text.size() ? end : end + lineEnd.size();
    }

    std::string output;
    output.reserve(text.size());
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        output.append(*line);
        output.push_back('\n');
    }
    return output;
}

std::string ProtocolOutput::newestFirst(std::u16string_view protocol) {
    return TextCodec::toUtf8(protocol);
}

}  // namespace veltrano
