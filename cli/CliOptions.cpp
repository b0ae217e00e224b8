#include "cli/CliOptions.h"

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
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--newest-first") {
            options.newestFirst = true;
        } else if (argument == "--read-all-world-files") {
            options.readAllWorldFiles = true;
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
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    return true;
}

std::string CliOptions::usage() {
    return "Usage: veltrano-cli [--lang en|de] [--fill-level 0-4] [--change-all] [--dry-run]\n"
           "                    [--newest-first] [--read-all-world-files] [ROUTE_DIR]\n"
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
           "  --help             show this text\n"
           "  --version          show the version\n"
           "\n"
           "The protocol goes to stdout, oldest line first, when the run has ended.\n"
           "Exit status: 0 run completed, 1 run ended on a file error, 2 route folder\n"
           "unusable or no world file, 64 bad command line.\n";
}

}  // namespace veltrano
