#include "cli/CliProgram.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/ExitStatus.h"
#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "app/WorldFileTest.h"
#include "cli/BackupListOutput.h"
#include "cli/ProtocolOutput.h"
#include "cli/TerminalProgramControl.h"
#include "cli/TerminalRunHost.h"
#include "engine/BackupCatalogue.h"
#include "engine/CorrectionRun.h"
#include "engine/RunContext.h"
#include "engine/RunState.h"
#include "engine/TrackFileRestore.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/TextCodec.h"
#include "version.h"

namespace fs = std::filesystem;

namespace veltrano {

namespace {

// The route folder as a full path without a trailing separator. Links are resolved as far as
// the path exists, so the folder is the one the desktop program sees when started in it.
std::optional<std::string> routeFolderPath(const std::string& routeDir, std::string& problem) {
    std::error_code error;
    fs::path path =
        routeDir.empty() ? fs::current_path(error) : fs::absolute(NativePath::of(routeDir), error);
    if (error) {
        problem = error.message();
        return std::nullopt;
    }
    fs::path resolved = fs::weakly_canonical(path, error);
    // Joins use the platform's separator; Windows accepts "/" in the given folder too.
    fs::path folder = (error ? path.lexically_normal() : resolved).make_preferred();
    // A normal path ends in at most one separator. A root keeps it: "C:" alone would name the
    // current folder of drive C.
    if (folder.has_relative_path() && !folder.has_filename()) {
        folder = folder.parent_path();
    }
    return NativePath::utf8(folder);
}

// The run state as the desktop program's start-up and language switch leave it.
void prepareRunState(RunState& state, const CliOptions& options, const std::string& routePath) {
    state.gstrLanguage = options.german ? "deutsch" : "english";
    state.gstrSaveFolder = BackupFolders::forLanguage(options.german);
    state.gvarFuellstand = options.fillLevel;
    state.gstrRoutePath = routePath;
}

}  // namespace

struct CliProgram::CheckedRoute {
    explicit CheckedRoute(std::ostream& errorOutput)
        : listing(fileSystem),
          program(errorOutput),
          routeFolderCheck(state, listing, fileSystem, program) {}

    RunState state;
    FileSystem fileSystem;
    FolderListing listing;
    TerminalProgramControl program;
    RouteFolderCheck routeFolderCheck;
};

int CliProgram::run(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::string error;
    if (!CliOptions::parse(arguments, options, error)) {
        m_errorOutput << "veltrano-cli: " << error << "\n" << CliOptions::usage();
        return ExitStatus::kBadCommandLine;
    }
    switch (options.action) {
        case CliOptions::Action::ShowHelp:
            m_output << CliOptions::helpText();
            return ExitStatus::kCompleted;
        case CliOptions::Action::ShowVersion:
            m_output << "veltrano-cli " << version::kText << "\n";
            return ExitStatus::kCompleted;
        case CliOptions::Action::ListBackups:
            return listBackups(options);
        case CliOptions::Action::Restore:
            return restoreRun(options);
        case CliOptions::Action::Run:
            break;
    }
    return correctPickups(options);
}

std::optional<int> CliProgram::checkRoute(const CliOptions& options, CheckedRoute& route) {
    std::string problem;
    const std::optional<std::string> routePath = routeFolderPath(options.routeDir, problem);
    if (!routePath) {
        m_errorOutput << "veltrano-cli: cannot find the route folder: " << problem << "\n";
        return ExitStatus::kRouteFolderUnusable;
    }
    prepareRunState(route.state, options, *routePath);
    // As at the desktop program's start, without the start-up notice: the terminal user has
    // asked for the run already.
    if (!route.routeFolderCheck.subCheckRouteFolder(false)) {
        return route.program.ended() ? route.program.exitStatus()
                                     : ExitStatus::kRouteFolderUnusable;
    }
    return std::nullopt;
}

int CliProgram::listBackups(const CliOptions& options) {
    CheckedRoute route(m_errorOutput);
    if (const std::optional<int> refused = checkRoute(options, route)) {
        return *refused;
    }
    RunState& state = route.state;
    BackupCatalogue catalogue(route.fileSystem, state.gstrRoutePath, state.gstrRouteName);
    std::string failedFolder;
    const IoResult read = catalogue.read(failedFolder);
    if (!read) {
        m_errorOutput << TextCodec::toUtf8(RunContext::readFailureLine(state, failedFolder, read))
                      << "\n";
        return ExitStatus::kFileError;
    }
    m_output << BackupListOutput::text(catalogue, TextCodec::toUtf8(state.gstrRouteName),
                                       options.german);
    m_output.flush();
    return ExitStatus::kCompleted;
}

int CliProgram::restoreRun(const CliOptions& options) {
    CheckedRoute route(m_errorOutput);
    if (const std::optional<int> refused = checkRoute(options, route)) {
        return *refused;
    }
    Clock clock;
    TerminalRunHost host(route.routeFolderCheck, m_errorOutput);
    const RestoreResult result =
        TrackFileRestore(route.state, host, route.fileSystem, clock, options.dryRun)
            .restore(options.restoreStamp);
    if (result.outcome == RestoreOutcome::NoSuchRun) {
        for (const std::u16string& line : result.problems) {
            m_errorOutput << TextCodec::toUtf8(line) << "\n";
        }
        return ExitStatus::kRouteFolderUnusable;
    }
    printProtocol(options, route.state, result.problems);
    return result.outcome == RestoreOutcome::FileError ? ExitStatus::kFileError
                                                       : ExitStatus::kCompleted;
}

void CliProgram::printProtocol(const CliOptions& options, const RunState& state,
                               const std::vector<std::u16string>& problems) {
    for (const std::u16string& line : problems) {
        m_errorOutput << TextCodec::toUtf8(line) << "\n";
    }
    const std::u16string protocol = state.gstrProtokoll.text();
    m_output << (options.newestFirst ? ProtocolOutput::newestFirst(protocol)
                                     : ProtocolOutput::oldestFirst(protocol));
    m_output.flush();
}

int CliProgram::correctPickups(const CliOptions& options) {
    CheckedRoute route(m_errorOutput);
    if (const std::optional<int> refused = checkRoute(options, route)) {
        return *refused;
    }
    RunState& state = route.state;
    TerminalProgramControl& program = route.program;
    if (!WorldFileTest(state, route.listing, route.fileSystem, program).passes()) {
        return program.ended() ? program.exitStatus() : ExitStatus::kRouteFolderUnusable;
    }

    Clock clock;
    TerminalRunHost host(route.routeFolderCheck, m_errorOutput, options.changeAll,
                         m_errorIsTerminal);
    const RunResult result = CorrectionRun(state, host, route.fileSystem, clock,
                                           RunOptions{options.dryRun, options.readAllWorldFiles})
                                 .run();
    host.endLiveLine();

    if (result.outcome == RunOutcome::RouteFolderUnusable) {
        return ExitStatus::kRouteFolderUnusable;
    }
    printProtocol(options, state, result.problems);

    if (m_errorIsTerminal) {
        m_errorOutput << TextCodec::toUtf8(host.lastStatusLine()) << "\n";
    }
    m_errorOutput.flush();
    return result.outcome == RunOutcome::FileError ? ExitStatus::kFileError
                                                   : ExitStatus::kCompleted;
}

}  // namespace veltrano
