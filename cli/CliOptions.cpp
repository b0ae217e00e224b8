#include "cli/CliOptions.h"

#include "engine/BackupCatalogue.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace veltrano {

namespace {

// "--name=value" gives its value; "--name" takes the next argument. Empty when the argument
// is not this option at all.
std::optional<std::string> optionValue(const std::vector<std::string>& arguments,
                                       std::size_t& index, std::string_view name, bool& missing) {
    const std::string& argument = arguments[index];
    if (argument == name) {
        if (index + 1 >= arguments.size()) {
            missing = true;
            return std::nullopt;
        }
        return arguments[++index];
    }
    if (argument.size() > name.size() && argument.compare(0, name.size(), name) == 0 &&
        argument[name.size()] == '=') {
        return argument.substr(name.size() + 1);
    }
    return std::nullopt;
}

bool isValueOption(const std::string& argument, std::string_view name) {
    return argument == name ||
           (argument.size() > name.size() && argument.compare(0, name.size(), name) == 0 &&
            argument[name.size()] == '=');
}

}  // namespace

bool CliOptions::parse(const std::vector<std::string>& arguments, CliOptions& options,
                       std::string& error) {
    options = CliOptions{};
    bool routeDirGiven = false;
    bool onlyOperands = false;
    std::string runOnlyOption;  // the last option that only a correction run takes

    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool looksLikeOption = !onlyOperands && argument.size() > 1 && argument[0] == '-';

        if (!looksLikeOption) {
            if (routeDirGiven) {
                error =
                    "more than one route folder given: " + options.routeDir + " and " + argument;
                return false;
            }
            if (argument.empty()) {
                error = "the route folder is an empty name";
                return false;
            }
            options.routeDir = argument;
            routeDirGiven = true;
            continue;
        }

        if (argument == "--") {
            onlyOperands = true;
        } else if (argument == "--help") {
            options.action = Action::ShowHelp;
            return true;
        } else if (argument == "--version") {
            options.action = Action::ShowVersion;
            return true;
        } else if (argument == "--change-all") {
            options.changeAll = true;
            runOnlyOption = argument;
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--newest-first") {
            options.newestFirst = true;
        } else if (argument == "--read-all-world-files") {
            options.readAllWorldFiles = true;
            runOnlyOption = argument;
        } else if (argument == "--list-backups") {
            if (!setAction(options, Action::ListBackups, error)) {
                return false;
            }
        } else if (isValueOption(argument, "--restore")) {
            bool missing = false;
            std::optional<std::string> value = optionValue(arguments, index, "--restore", missing);
            if (missing || !BackupCatalogue::isStamp(*value)) {
                error = "--restore takes the stamp of a run, yymmdd-hhmmss" +
                        (missing ? std::string() : ", not '" + *value + "'");
                return false;
            }
            if (!setAction(options, Action::Restore, error)) {
                return false;
            }
            options.restoreStamp = *value;
        } else if (isValueOption(argument, "--lang")) {
            bool missing = false;
            std::optional<std::string> value = optionValue(arguments, index, "--lang", missing);
            if (missing) {
                error = "--lang needs a value: en or de";
                return false;
            }
            if (*value != "en" && *value != "de") {
                error = "--lang takes en or de, not '" + *value + "'";
                return false;
            }
            options.german = *value == "de";
        } else if (isValueOption(argument, "--fill-level")) {
            bool missing = false;
            std::optional<std::string> value =
                optionValue(arguments, index, "--fill-level", missing);
            if (missing) {
                error = "--fill-level needs a value from 0 to 4";
                return false;
            }
            if (value->size() != 1 || (*value)[0] < '0' || (*value)[0] > '4') {
                error = "--fill-level takes a value from 0 to 4, not '" + *value + "'";
                return false;
            }
            options.fillLevel = (*value)[0] - '0';
            runOnlyOption = "--fill-level";
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    if (options.action != Action::Run && !runOnlyOption.empty()) {
        error = runOnlyOption + " belongs to a correction run, not to " +
                (options.action == Action::Restore ? "--restore" : "--list-backups");
        return false;
    }
    return true;
}

bool CliOptions::setAction(CliOptions& options, Action action, std::string& error) {
    if (options.action != Action::Run) {
        error = "--list-backups and --restore cannot be combined, nor given twice";
        return false;
    }
    options.action = action;
    return true;
}

std::string CliOptions::usage() {
    return "Usage: veltrano-cli [--lang en|de] [--fill-level 0-4] [--change-all] [--dry-run]\n"
           "                    [--newest-first] [--read-all-world-files] [ROUTE_DIR]\n"
           "       veltrano-cli [--lang en|de] --list-backups [ROUTE_DIR]\n"
           "       veltrano-cli [--lang en|de] [--dry-run] [--newest-first] --restore STAMP\n"
           "                    [ROUTE_DIR]\n"
           "       veltrano-cli --help | --version\n";
}

std::string CliOptions::helpText() {
    return usage() +
           "\n"
           "Repairs the PickupTrItemData field of the PickupItem records in the route's .tit\n"
           "and .tdb files from the Pickup objects in its world files. Each track file is\n"
           "copied into a backup folder of the route before it is replaced.\n"
           "\n"
           "  ROUTE_DIR          the route folder (default: the current directory)\n"
           "  --lang en|de       language of the protocol and messages (default: en)\n"
           "  --fill-level 0-4   fill level written for water, coal and diesel pickups:\n"
           "                     0 100% without Label (default), 1 0% with Label,\n"
           "                     2 25% with Label, 3 50% with Label, 4 100% with Label\n"
           "  --change-all       rewrite every matched record, not only those whose field\n"
           "                     still ends in 00000000\n"
           "  --dry-run          make the whole run but back up and write nothing\n"
           "  --newest-first     print the protocol as the window shows it: newest line\n"
           "                     first, CR LF line ends\n"
           "  --read-all-world-files\n"
           "                     also read world files stored as UTF-16 text or compressed\n"
           "                     text (binary ones still count as compressed)\n"
           "  --list-backups     list the runs whose copies lie in the route's backup\n"
           "                     folders (both languages), oldest first: stamp, files\n"
           "                     with their sizes, folder\n"
           "  --restore STAMP    put the track files back as they were just before the run\n"
           "                     with this stamp (yymmdd-hhmmss, as --list-backups shows\n"
           "                     it); the current files are backed up first, so another\n"
           "                     --restore undoes it; with --dry-run only shows what\n"
           "                     would be put back\n"
           "  --help             show this text\n"
           "  --version          show the version\n"
           "\n"
           "Undo the last run: veltrano-cli --list-backups shows the runs, the last line\n"
           "is the last run; veltrano-cli --restore <its stamp> puts the files back.\n"
           "\n"
           "The protocol goes to stdout, oldest line first, when the run has ended.\n"
           "Exit status: 0 run (or restore) completed, 1 ended on a file error, 2 route\n"
           "folder unusable, no world file, or no run with that stamp, 64 bad command\n"
           "line.\n";
}

}  // namespace veltrano
