#include "desktop/DesktopArguments.h"

#include "platform/TextCodec.h"

namespace veltrano {

namespace {

constexpr std::u16string_view kReadAllWorldFiles = u"--read-all-world-files";
constexpr std::u16string_view kUndoLastRun = u"--undo-last-run";

}  // namespace

std::optional<DesktopArguments> DesktopArguments::parse(
    const std::vector<std::string>& commandLine) {
    DesktopArguments arguments;
    for (const std::string& argument : commandLine) {
        const std::u16string option = TextCodec::fromUtf8(argument);
        if (option == kReadAllWorldFiles) {
            arguments.runOptions.readAllWorldFiles = true;
        } else if (option == kUndoLastRun) {
            arguments.undoLastRun = true;
        } else {
            return std::nullopt;
        }
    }
    // An undo makes no run, so a run's option with it would be ignored.
    if (arguments.undoLastRun && arguments.runOptions.readAllWorldFiles) {
        return std::nullopt;
    }
    return arguments;
}

std::u16string DesktopArguments::usage(std::u16string_view programName) {
    std::u16string text = u"Usage: ";
    text += programName;
    text += u" [";
    text += kReadAllWorldFiles;
    text += u" | ";
    text += kUndoLastRun;
    text +=
        u"]\r\n\r\nStart it in the route folder. With --read-all-world-files the runs also read "
        u"world files stored as UTF-16 text, compressed or binary. With --undo-last-run it puts "
        u"the route's track files back as they were before its last run.";
    return text;
}

}  // namespace veltrano
