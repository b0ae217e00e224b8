#include "desktop/DesktopArguments.h"

#include <algorithm>
#include <vector>

#include "platform/TextCodec.h"

namespace veltrano {

namespace {

constexpr std::u16string_view kReadAllWorldFiles = u"--read-all-world-files";

}  // namespace

std::optional<RunOptions> DesktopArguments::parse(std::span<const std::u16string> commandLine) {
    RunOptions options;
    const std::size_t programName = std::min<std::size_t>(1, commandLine.size());
    for (const std::u16string& argument : commandLine.subspan(programName)) {
        if (argument != kReadAllWorldFiles) {
            return std::nullopt;
        }
        options.readAllWorldFiles = true;
    }
    return options;
}

std::optional<RunOptions> DesktopArguments::parse(std::span<char* const> commandLine) {
    std::vector<std::u16string> wide;
    for (const char* argument : commandLine) {
        wide.push_back(TextCodec::fromUtf8(argument));
    }
    return parse(std::span<const std::u16string>(wide));
}

std::u16string DesktopArguments::usage(std::u16string_view programName) {
    std::u16string text = u"Usage: ";
    text += programName;
    text += u" [";
    text += kReadAllWorldFiles;
    text +=
        u"]\r\n\r\nStart it in the route folder. With --read-all-world-files the runs also read "
        u"world files stored as UTF-16 text, compressed or binary.";
    return text;
}

}  // namespace veltrano
