#pragma once

#include <string>
#include <vector>

namespace veltrano {

// What the command line of veltrano-cli asks for.
struct CliOptions {
    enum class Action { Run, ListBackups, Restore, ShowHelp, ShowVersion };

    Action action = Action::Run;
    bool german = false;             // --lang de
    int fillLevel = 0;               // --fill-level, index of the fill-level list 0 to 4
    bool changeAll = false;          // --change-all
    bool dryRun = false;             // --dry-run
    bool newestFirst = false;        // --newest-first
    bool readAllWorldFiles = false;  // --read-all-world-files
    std::string routeDir;            // empty: the current directory
    std::string restoreStamp;        // --restore: "yymmdd-hhmmss" of the run to undo

    // Reads the arguments that follow the program name, left to right, and refuses at the first
    // fault: an unknown option, a missing or bad value, an option given twice or with one it
    // does not go with, a second route folder. --help and --version end the reading. Returns
    // false with `error` set for a bad command line.
    static bool parse(const std::vector<std::string>& arguments, CliOptions& options,
                      std::string& error);

    // The synopsis, for a bad command line (stderr) and the start of the help text.
    static std::string usage();
    static std::string helpText();
};

}  // namespace veltrano
