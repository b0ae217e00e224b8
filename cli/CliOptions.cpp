#include "cli/CliOptions.h"

#include "engine/BackupCatalogue.h"

#include <cstddef>
#include <string_view>

namespace veltrano {

namespace {

using Action = CliOptions::Action;

constexpr unsigned bit(Action action) {
    return 1u << static_cast<unsigned>(action);
}
constexpr unsigned kEveryAction =
    bit(Action::Run) | bit(Action::ListBackups) | bit(Action::Restore);
// A restore writes the track files and prints a protocol as a run does; a list does neither.
constexpr unsigned kRunOrRestore = bit(Action::Run) | bit(Action::Restore);

// One option of the command line: how it is spelt, what it asks for, with what it may stand and
// how --help explains it.
struct OptionRow {
    std::string_view name;
    std::string_view values;                  // what its value may be; empty: it takes none
    bool (*accepts)(std::string_view value);  // null: it takes no value
    void (*set)(CliOptions& options, const std::string& value);  // null: only the action
    Action action;  // the action it asks for; Run for a setting of the run
    // The actions (bits) it may be given with; help and version answer at once, before any
    // other option is checked against them.
    unsigned standsWith = 0;
    std::string_view placeholder;  // its value in the help text, after the name
    std::string_view help;         // its lines in the help text, split by '\n'
};

bool isLanguage(std::string_view value) {
    return value == "en" || value == "de";
}

bool isFillLevel(std::string_view value) {
    return value.size() == 1 && value[0] >= '0' && value[0] <= '4';
}

// In the order the help text lists them.
const OptionRow kOptions[] = {
    {"--lang", "en or de", isLanguage,
     [](CliOptions& options, const std::string& value) { options.german = value == "de"; },
     Action::Run, kEveryAction, "en|de", "language of the protocol and messages (default: en)"},
    {"--fill-level", "a value from 0 to 4", isFillLevel,
     [](CliOptions& options, const std::string& value) { options.fillLevel = value[0] - '0'; },
     Action::Run, bit(Action::Run), "0-4",
     "fill level written for water, coal and diesel pickups:\n"
     "0 100% without Label (default), 1 0% with Label,\n"
     "2 25% with Label, 3 50% with Label, 4 100% with Label"},
    {"--change-all", "", nullptr,
     [](CliOptions& options, const std::string&) { options.changeAll = true; }, Action::Run,
     bit(Action::Run), "",
     "rewrite every matched record, not only those whose field\n"
     "still ends in 00000000"},
    {"--dry-run", "", nullptr,
     [](CliOptions& options, const std::string&) { options.dryRun = true; }, Action::Run,
     kRunOrRestore, "", "make the whole run but back up and write nothing"},
    {"--newest-first", "", nullptr,
     [](CliOptions& options, const std::string&) { options.newestFirst = true; }, Action::Run,
     kRunOrRestore, "",
     "print the protocol as the window shows it: newest line\n"
     "first, CR LF line ends"},
    {"--read-all-world-files", "", nullptr,
     [](CliOptions& options, const std::string&) { options.readAllWorldFiles = true; }, Action::Run,
     bit(Action::Run), "",
     "also read world files stored as UTF-16 text, compressed\n"
     "text, binary or compressed binary, each decoded in memory\n"
     "into an 8-bit twin; a file that does not decode whole\n"
     "still counts as compressed"},
    {"--list-backups", "", nullptr, nullptr, Action::ListBackups, bit(Action::ListBackups), "",
     "list the runs whose copies lie in the route's backup\n"
     "folders (both languages), oldest first: stamp, files\n"
     "with their sizes, folder"},
    {"--restore", "the stamp of a run, yymmdd-hhmmss", BackupCatalogue::isStamp,
     [](CliOptions& options, const std::string& value) { options.restoreStamp = value; },
     Action::Restore, bit(Action::Restore), "STAMP",
     "put the track files back as they were just before the run\n"
     "with this stamp (yymmdd-hhmmss, as --list-backups shows\n"
     "it); the current files are backed up first, so another\n"
     "--restore undoes it; with --dry-run only shows what\n"
     "would be put back"},
    {"--help", "", nullptr, nullptr, Action::ShowHelp, 0, "", "show this text"},
    {"--version", "", nullptr, nullptr, Action::ShowVersion, 0, "", "show the version"},
};

// The help text's column where the explanations start; a longer name stands on a line of its own.
constexpr std::size_t kHelpColumn = 21;

// "  term   first line", the further lines indented to the same column.
std::string helpEntry(const std::string& term, std::string_view help) {
    std::string entry = "  " + term;
    entry += entry.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - entry.size(), ' ')
                                             : "\n" + std::string(kHelpColumn, ' ');
    for (const char c : help) {
        entry += c;
        if (c == '\n') {
            entry += std::string(kHelpColumn, ' ');
        }
    }
    return entry + "\n";
}

bool takesValue(const OptionRow& row) {
    return row.accepts != nullptr;
}

// "--name", or "--name=value" (refused later for an option without a value).
const OptionRow* findOption(const std::string& argument) {
    const std::string_view name = std::string_view(argument).substr(0, argument.find('='));
    for (const OptionRow& row : kOptions) {
        if (name == row.name) {
            return &row;
        }
    }
    return nullptr;
}

// The value of the option at `index`: after its "=", or the next argument (then `index`
// moves on to it). An option without a value must not be given one.
bool readValue(const OptionRow& row, const std::vector<std::string>& arguments, std::size_t& index,
               std::string& value, std::string& error) {
    const std::string& argument = arguments[index];
    if (!takesValue(row)) {
        if (argument.size() == row.name.size()) {
            return true;
        }
        error = std::string(row.name) + " takes no value";
        return false;
    }
    if (argument.size() > row.name.size()) {
        value = argument.substr(row.name.size() + 1);
    } else if (index + 1 < arguments.size()) {
        value = arguments[++index];
    } else {
        error = std::string(row.name) + " needs " + std::string(row.values);
        return false;
    }
    if (!row.accepts(value)) {
        error =
            std::string(row.name) + " takes " + std::string(row.values) + ", not '" + value + "'";
        return false;
    }
    return true;
}

// An option that asks for an action stands only with those that may be given with it.
bool standTogether(const OptionRow& first, const OptionRow& second) {
    return (first.action == Action::Run || (second.standsWith & bit(first.action)) != 0) &&
           (second.action == Action::Run || (first.standsWith & bit(second.action)) != 0);
}

// Each option once, and only with those it stands with: anything else would be ignored.
bool admit(const OptionRow& row, const std::vector<const OptionRow*>& given, std::string& error) {
    for (const OptionRow* earlier : given) {
        if (earlier == &row) {
            error = std::string(row.name) + " is given twice";
            return false;
        }
        if (!standTogether(*earlier, row)) {
            error =
                std::string(row.name) + " cannot be combined with " + std::string(earlier->name);
            return false;
        }
    }
    return true;
}

bool takeRouteDir(const std::string& argument, bool& routeDirGiven, CliOptions& options,
                  std::string& error) {
    if (routeDirGiven) {
        error = "more than one route folder given: " + options.routeDir + " and " + argument;
        return false;
    }
    if (argument.empty()) {
        error = "the route folder is an empty name";
        return false;
    }
    options.routeDir = argument;
    routeDirGiven = true;
    return true;
}

bool answersAtOnce(Action action) {
    return action == Action::ShowHelp || action == Action::ShowVersion;
}

// The option at `index` and its value, checked against those given before it.
bool readOption(const std::vector<std::string>& arguments, std::size_t& index,
                std::vector<const OptionRow*>& given, CliOptions& options, std::string& error) {
    const OptionRow* row = findOption(arguments[index]);
    if (row == nullptr) {
        error = "unknown option " + arguments[index];
        return false;
    }
    std::string value;
    if (!readValue(*row, arguments, index, value, error)) {
        return false;
    }
    // --help and --version answer after any sound start of a command line.
    if (!answersAtOnce(row->action) && !admit(*row, given, error)) {
        return false;
    }
    given.push_back(row);
    if (row->action != Action::Run) {
        options.action = row->action;
    }
    if (row->set != nullptr) {
        row->set(options, value);
    }
    return true;
}

}  // namespace

bool CliOptions::parse(const std::vector<std::string>& arguments, CliOptions& options,
                       std::string& error) {
    options = CliOptions{};
    std::vector<const OptionRow*> given;
    bool routeDirGiven = false;
    bool onlyOperands = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (!onlyOperands && argument == "--") {
            onlyOperands = true;
            continue;
        }
        const bool isOption = !onlyOperands && argument.size() > 1 && argument[0] == '-';
        if (!(isOption ? readOption(arguments, index, given, options, error)
                       : takeRouteDir(argument, routeDirGiven, options, error))) {
            return false;
        }
        if (answersAtOnce(options.action)) {
            return true;
        }
    }
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
    std::string text =
        usage() +
        "       veltrano [--read-all-world-files | --undo-last-run]  (desktop program)\n"
        "\n"
        "Repairs the PickupTrItemData field of the PickupItem records in the route's .tit\n"
        "and .tdb files from the Pickup objects in its world files. Each track file is\n"
        "copied into a backup folder of the route before it is replaced.\n"
        "\n" +
        helpEntry("ROUTE_DIR", "the route folder (default: the current directory)");
    for (const OptionRow& row : kOptions) {
        const std::string placeholder(row.placeholder);
        text += helpEntry(std::string(row.name) + (placeholder.empty() ? "" : " " + placeholder),
                          row.help);
    }
    return text +
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
