// Every call of a full run that can fail on a real disk is made to fail, one at a time, in
// both languages: each ends in one clear protocol line (or the route check's message), the
// run ends in order, and the track files are old or new as a whole, never a mix.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "tests/faults/FaultyFileSystem.h"
#include "tests/faults/GeneratedRoute.h"
#include "tests/faults/InjectedRun.h"
#include "tests/faults/RouteInvariant.h"
#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

namespace veltrano::test {
namespace {

const std::string kRouteId = "FAULTROUTE";

// Three world files with pickups (larger than one read block), one compressed, one missing;
// track files larger than one read block too, so every read of every kind has a second one.
RouteShape sweepShape() {
    RouteShape shape;
    shape.routeId = kRouteId;
    shape.pickups = 5;
    shape.pickupsPerTile = 2;
    shape.fillerItemsPerPickup = 40;
    shape.fillerObjectsPerWorldFile = 500;
    shape.compressedTile = true;
    shape.missingTile = true;
    return shape;
}

// The operating system's messages, in English whatever the locale, as the lines quote them.
std::string causeOf(int errorNumber) {
    static const std::map<int, std::string> causes = {
        {EACCES, "Permission denied"},       {EIO, "Input/output error"},
        {ENOSPC, "No space left on device"}, {EROFS, "Read-only file system"},
        {EDQUOT, "Disk quota exceeded"},     {EBUSY, "Device or resource busy"},
    };
    return causes.at(errorNumber);
}

// A realistic error for each operation.
int errorFor(FileOperation operation) {
    switch (operation) {
        case FileOperation::ListFolder:
        case FileOperation::OpenInput:
            return EACCES;
        case FileOperation::CreateFolder:
        case FileOperation::Write:
            return ENOSPC;
        case FileOperation::CreateFile:
            return EDQUOT;
        case FileOperation::Rename:
            return EROFS;
        case FileOperation::Remove:
            return EBUSY;
        default:
            return EIO;
    }
}

struct RoutePaths {
    RoutePaths(const std::string& folder, bool german)
        : route(folder),
          trk(folder + "/Route.trk"),
          tit(folder + "/" + kRouteId + ".tit"),
          tdb(folder + "/" + kRouteId + ".tdb"),
          world(folder + "/WORLD"),
          backup(folder + "/" +
                 (german ? "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                         : "_Saved_tdb_und_tit_files_before_pickup_correction")) {}

    std::string route, trk, tit, tdb, world, backup;
};

// The protocol lines of a failed step, exactly as the run writes them.
struct Lines {
    bool german;

    std::string read(const std::string& path, const std::string& cause) const {
        return german ? "*** Datei " + path + " kann nicht gelesen werden: " + cause
                      : "*** Cannot read file " + path + ": " + cause;
    }
    std::string backup(const std::string& path, const std::string& cause) const {
        return german ? "*** Sicherung von " + path + " fehlgeschlagen: " + cause +
                            ". Die Datei bleibt unverändert."
                      : "*** Backup of " + path + " failed: " + cause +
                            ". The file is left unchanged.";
    }
    std::string write(const std::string& path, const std::string& cause) const {
        return german ? "*** Datei " + path + " kann nicht geschrieben werden: " + cause +
                            ". Die Datei bleibt unverändert."
                      : "*** Cannot write file " + path + ": " + cause +
                            ". The file is left unchanged.";
    }
    std::string restored(const std::string& path) const {
        return german ? "*** " + path + " wurde aus der Sicherung wiederhergestellt."
                      : "*** " + path + " was restored from its backup.";
    }
    std::string restoreFailed(const std::string& path, const std::string& cause) const {
        return german ? "*** Datei " + path + " kann nicht geschrieben werden: " + cause + "."
                      : "*** Cannot write file " + path + ": " + cause + ".";
    }
};

enum class Kind { Unusable, Harmless, FileError };

struct Expectation {
    Kind kind = Kind::FileError;
    std::string role;         // which step of the run the failing call belongs to
    std::string messagePart;  // Unusable: what the route check's message says
    std::vector<std::string> problems;
    bool catalogueLine = false;  // the line stands after the count line of phase 1
    bool titStaysNew = false;    // the .tit could not be put back either
};

std::string parentOf(const std::string& path) {
    return fs::path(path).parent_path().string();
}

// Which step a recorded call belongs to, and so what its failure must lead to.
class CallClassifier {
  public:
    CallClassifier(const std::vector<FileCall>& calls, const RoutePaths& paths, bool german)
        : m_calls(calls), m_paths(paths), m_lines{german}, m_german(german) {
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].operation == FileOperation::OpenInput && calls[i].path == paths.tdb) {
                m_tdbOpens.push_back(i);
            }
        }
    }

    Expectation expect(std::size_t k, int errorNumber, bool diskStaysFull) const {
        const FileCall& call = m_calls.at(k);
        const std::string cause = causeOf(errorNumber);
        const std::string operation = operationName(call.operation);
        Expectation expectation;

        if (m_tdbOpens.empty() || k < m_tdbOpens.front()) {
            return beforeThePhases(k, cause);
        }
        if (call.operation == FileOperation::ListFolder) {
            // Only the search for left-overs of a killed run lists folders now; it is best
            // effort and leaves the run alone.
            expectation.kind = Kind::Harmless;
            expectation.role = operation + " for left-over temporary files";
            return expectation;
        }

        std::string track;  // the track file the failing step works for
        const bool reading =
            call.operation == FileOperation::OpenInput || call.operation == FileOperation::Read;
        if (reading && parentOf(call.path) == m_paths.world) {
            expectation.role = operation + " world file";
            expectation.problems = {m_lines.read(call.path, cause)};
            return expectation;
        }
        if (reading && (call.path == m_paths.tit || call.path == m_paths.tdb)) {
            track = call.path;
            const std::string name = fs::path(track).extension().string();
            if (isBackupRead(k)) {
                expectation.role = operation + " " + name + " for its backup";
                expectation.problems = {m_lines.backup(track, cause)};
            } else {
                expectation.catalogueLine = track == m_paths.tdb && readingOf(k) == 0;
                expectation.role =
                    operation + " " + name + (expectation.catalogueLine ? " (phase 1)" : "");
                expectation.problems = {m_lines.read(track, cause)};
            }
        } else if (call.operation == FileOperation::CreateFolder && call.path == m_paths.backup) {
            track = trackOfNextBackup(k);
            expectation.role = operation + " backup folder";
            expectation.problems = {m_lines.backup(track, cause)};
        } else if (parentOf(call.path) == m_paths.backup) {
            track = trackOfBackupName(fs::path(call.path).filename().string());
            expectation.role = operation + " backup of " + fs::path(track).extension().string();
            expectation.problems = {m_lines.backup(track, cause)};
        } else if (call.path == FileSystem::temporaryPathFor(m_paths.tit) ||
                   call.path == m_paths.tit) {
            track = m_paths.tit;
            expectation.role = operation + " new .tit";
            expectation.problems = {m_lines.write(track, cause)};
        } else if (call.path == FileSystem::temporaryPathFor(m_paths.tdb) ||
                   call.path == m_paths.tdb) {
            track = m_paths.tdb;
            expectation.role = operation + " new .tdb";
            expectation.problems = {m_lines.write(track, cause)};
        } else {
            ADD_FAILURE() << "a call of no known step: " << operation << " " << call.path;
            return expectation;
        }

        // Both or neither: a .tit already replaced goes back when the .tdb cannot follow.
        if (track == m_paths.tdb && titReplacedBefore(k)) {
            if (diskStaysFull) {
                expectation.problems.push_back(m_lines.restoreFailed(m_paths.tit, cause));
                expectation.titStaysNew = true;
            } else {
                expectation.problems.push_back(m_lines.restored(m_paths.tit));
            }
            expectation.role += " after the .tit was replaced";
        }
        return expectation;
    }

  private:
    Expectation beforeThePhases(std::size_t k, const std::string& cause) const {
        const FileCall& call = m_calls[k];
        Expectation expectation;
        expectation.kind = Kind::Unusable;
        const std::string operation = operationName(call.operation);
        if (call.operation == FileOperation::ListFolder && call.path == m_paths.route &&
            isLastRouteListingBefore(k, m_tdbOpens.front())) {
            expectation.kind = Kind::Harmless;
            expectation.role = operation + " for left-over temporary files";
        } else if (call.path == m_paths.trk) {
            expectation.role = operation + " .trk";
            expectation.messagePart = m_german ? "- Route.trk kann nicht gelesen werden: " + cause
                                               : "- Route.trk cannot be read: " + cause;
        } else if (call.operation == FileOperation::ListFolder && call.path == m_paths.route) {
            expectation.role = operation + " route folder";
            expectation.messagePart = m_german ? "- *.trk nicht vorhanden" : "- *.trk is missed";
        } else if (call.operation == FileOperation::ListFolder && call.path == m_paths.world) {
            expectation.role = operation + " WORLD";
            expectation.messagePart = m_german ? "Keine .w-Dateien im WORLD Verzeichnis"
                                               : "Can't find any .w file in WORLD directory!";
        } else {
            ADD_FAILURE() << "a call of no known step: " << operation << " " << call.path;
        }
        return expectation;
    }

    bool isLastRouteListingBefore(std::size_t k, std::size_t end) const {
        for (std::size_t i = k + 1; i < end; ++i) {
            if (m_calls[i].operation == FileOperation::ListFolder &&
                m_calls[i].path == m_paths.route) {
                return false;
            }
        }
        return true;
    }

    // Which reading of its file call `k` belongs to, from 0: each opening starts one.
    std::size_t readingOf(std::size_t k) const {
        std::size_t openings = 0;
        for (std::size_t i = 0; i <= k; ++i) {
            openings += m_calls[i].operation == FileOperation::OpenInput &&
                        m_calls[i].path == m_calls[k].path;
        }
        return openings - 1;
    }

    // The .tdb is read for phase 1, for its pass and for its backup; the .tit for its pass
    // and for its backup.
    bool isBackupRead(std::size_t k) const {
        return readingOf(k) > (m_calls[k].path == m_paths.tdb ? 1u : 0u);
    }

    std::string trackOfBackupName(const std::string& name) const {
        return name.find(kRouteId + ".tit") != std::string::npos ? m_paths.tit : m_paths.tdb;
    }

    std::string trackOfNextBackup(std::size_t k) const {
        for (std::size_t i = k + 1; i < m_calls.size(); ++i) {
            if (m_calls[i].operation == FileOperation::CreateFile &&
                parentOf(m_calls[i].path) == m_paths.backup) {
                return trackOfBackupName(fs::path(m_calls[i].path).filename().string());
            }
        }
        ADD_FAILURE() << "no backup follows the backup folder";
        return {};
    }

    bool titReplacedBefore(std::size_t k) const {
        for (std::size_t i = 0; i < k; ++i) {
            if (m_calls[i].operation == FileOperation::Rename && m_calls[i].path == m_paths.tit) {
                return true;
            }
        }
        return false;
    }

    const std::vector<FileCall>& m_calls;
    const RoutePaths& m_paths;
    Lines m_lines;
    bool m_german;
    std::vector<std::size_t> m_tdbOpens;
};

// Runs on one route folder that is made anew for every case, at the same path, so the calls
// recorded in an undisturbed run name the files of every later one.
class FaultSweep : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const bool german : {false, true}) {
            freshRoute();
            InjectedRun run = InjectedRun::start(m_folder, german, {});
            ASSERT_EQ(run.exitStatus(), 0) << run.message << run.protocol;
            ASSERT_TRUE(run.problems.empty());
            Clean& clean = m_clean[german];
            clean.calls = run.calls;
            clean.newTit = m_sandbox.readBytes("route/" + kRouteId + ".tit");
            clean.newTdb = m_sandbox.readBytes("route/" + kRouteId + ".tdb");
            ASSERT_NE(clean.newTdb, GeneratedRoute(sweepShape()).tdbBytes());
        }
    }

    void freshRoute() {
        fs::remove_all(m_folder);
        GeneratedRoute(sweepShape()).writeTo(m_folder);
    }

    const std::vector<FileCall>& cleanCalls(bool german) { return m_clean[german].calls; }

    // One run on a fresh route with `faults`, checked against what the failure of recorded
    // call `k` must lead to.
    void runAndCheck(bool german, const std::vector<Fault>& faults, std::size_t k, int error,
                     bool diskStaysFull = false) {
        const Clean& clean = m_clean[german];
        const RoutePaths paths(m_folder, german);
        const Expectation expected =
            CallClassifier(clean.calls, paths, german).expect(k, error, diskStaysFull);
        SCOPED_TRACE(std::string(german ? "de" : "en") + ", call " + std::to_string(k) + ": " +
                     expected.role + " (" + clean.calls[k].path + ")");

        freshRoute();
        const RouteInvariant invariant(m_folder, kRouteId, clean.newTit, clean.newTdb);
        const InjectedRun run = InjectedRun::start(m_folder, german, faults);

        ASSERT_GE(run.faultsFired, 1u) << "the fault never hit a call";
        ++m_faultsInjected;
        m_roles.insert(expected.role);
        EXPECT_EQ(describe(invariant.violations()), "");
        EXPECT_EQ(m_sandbox.list(), std::vector<std::string>{"route"})
            << "written beside the route";

        switch (expected.kind) {
            case Kind::Unusable:
                EXPECT_TRUE(run.unusable);
                EXPECT_EQ(run.endStatus, 2);
                EXPECT_NE(run.message.find(expected.messagePart), std::string::npos) << run.message;
                EXPECT_TRUE(invariant.titIsOld() && invariant.tdbIsOld());
                return;
            case Kind::Harmless:
                EXPECT_EQ(run.exitStatus(), 0) << run.protocol.substr(0, 600);
                EXPECT_TRUE(run.problems.empty());
                EXPECT_TRUE(invariant.titIsNew() && invariant.tdbIsNew());
                EXPECT_TRUE(run.frontIdle);
                return;
            case Kind::FileError:
                break;
        }
        EXPECT_EQ(run.exitStatus(), 1);
        EXPECT_EQ(run.problems, expected.problems);
        EXPECT_TRUE(run.frontIdle);
        // The newest lines stand at the top, right under the end frame.
        std::string top;
        if (expected.catalogueLine) {
            top = "\r\n" + expected.problems.front() + "\r\n";
        } else {
            for (auto line = expected.problems.rbegin(); line != expected.problems.rend(); ++line) {
                top += *line + "\r\n";
            }
        }
        const std::string start = readyFrame(german) + top;
        EXPECT_EQ(run.protocol.substr(0, start.size()), start);
        EXPECT_TRUE(invariant.tdbIsOld());
        EXPECT_TRUE(expected.titStaysNew ? invariant.titIsNew() : invariant.titIsOld());
    }

    void expectRolesCovered(const std::vector<std::string>& required) const {
        for (const std::string& role : required) {
            EXPECT_EQ(m_roles.count(role), 1u) << "no fault hit: " << role << describeRoles();
        }
    }

    std::string describeRoles() const {
        std::string text = "\nsteps hit:";
        for (const std::string& role : m_roles) {
            text += "\n  " + role;
        }
        return text;
    }

    void report(const char* sweep) const {
        std::cout << "[ faults   ] " << sweep << ": " << m_faultsInjected
                  << " runs with an injected fault\n";
        ::testing::Test::RecordProperty("faults_injected", static_cast<int>(m_faultsInjected));
    }

    struct Clean {
        std::string newTit;
        std::string newTdb;
        std::vector<FileCall> calls;
    };

    TempRoute m_sandbox;
    const std::string m_folder = m_sandbox.pathOf("route");
    std::map<bool, Clean> m_clean;
    std::size_t m_faultsInjected = 0;
    std::set<std::string> m_roles;
};

// The n-th call of one operation, for every call the run makes.
TEST_F(FaultSweep, EachCallOfAFullRunFailsInTurn) {
    for (const bool german : {false, true}) {
        const std::vector<FileCall>& calls = cleanCalls(german);
        std::map<FileOperation, std::size_t> seen;
        for (std::size_t k = 0; k < calls.size(); ++k) {
            Fault fault;
            fault.operations = {calls[k].operation};
            fault.n = seen[calls[k].operation]++;
            fault.errorNumber = errorFor(calls[k].operation);
            runAndCheck(german, {fault}, k, fault.errorNumber);
        }
    }
    // Every step the run takes; the .tdb's come after the .tit has been replaced.
    for (const std::string& file : {std::string(".tit"), std::string(".tdb")}) {
        const std::string after = file == ".tdb" ? " after the .tit was replaced" : "";
        for (const std::string& step : {"open " + file, "read " + file}) {
            expectRolesCovered({step + after, step + " for its backup" + after});
        }
        for (const char* operation : {"create", "write", "flush", "close", "rename"}) {
            expectRolesCovered({std::string(operation) + " backup of " + file + after,
                                std::string(operation) + " new " + file + after});
        }
    }
    expectRolesCovered({"open .trk", "read .trk", "list folder route folder", "list folder WORLD",
                        "open .tdb (phase 1)", "read .tdb (phase 1)", "open world file",
                        "read world file", "create folder backup folder",
                        "list folder for left-over temporary files"});
    report("each call in turn");
}

// A file that cannot be touched at all: every call on one path fails, for each path the run
// uses.
TEST_F(FaultSweep, EveryCallOnOnePathFails) {
    for (const bool german : {false, true}) {
        const std::vector<FileCall>& calls = cleanCalls(german);
        std::set<std::string> done;
        for (std::size_t k = 0; k < calls.size(); ++k) {
            for (const std::string& path : {calls[k].path, calls[k].otherPath}) {
                if (path.empty() || !done.insert(path).second) {
                    continue;
                }
                Fault fault;
                fault.trigger = Fault::Trigger::EveryCallOnPath;
                fault.path = path;
                // Removing a half-written file is part of the cleanup, not of the step.
                fault.operations = {
                    FileOperation::ListFolder,   FileOperation::OpenInput,  FileOperation::Read,
                    FileOperation::CreateFolder, FileOperation::CreateFile, FileOperation::Write,
                    FileOperation::Flush,        FileOperation::Close,      FileOperation::Rename};
                fault.errorNumber = EACCES;
                runAndCheck(german, {fault}, k, EACCES);
            }
        }
    }
    report("every call on one path");
}

// The disk fills up at one moment of the run and stays full: every later write of any kind
// fails, the attempt to put the .tit back included.
TEST_F(FaultSweep, DiskThatFillsUpAndStaysFull) {
    for (const bool german : {false, true}) {
        const std::vector<FileCall>& calls = cleanCalls(german);
        std::size_t nth = 0;
        for (std::size_t k = 0; k < calls.size(); ++k) {
            if (!changesDisk(calls[k].operation)) {
                continue;
            }
            Fault fault;
            fault.trigger = Fault::Trigger::FromNthCall;
            fault.n = nth++;
            fault.operations = {FileOperation::CreateFolder, FileOperation::CreateFile,
                                FileOperation::Write,        FileOperation::Flush,
                                FileOperation::Close,        FileOperation::Rename};
            fault.errorNumber = ENOSPC;
            runAndCheck(german, {fault}, k, ENOSPC, true);
        }
    }
    expectRolesCovered({"rename new .tdb after the .tit was replaced"});
    report("disk that stays full");
}

// A half-written temporary file that cannot even be removed stays behind, hidden; the next
// run clears it away and completes.
TEST_F(FaultSweep, TemporaryFileThatCannotBeRemovedIsClearedByTheNextRun) {
    const std::string temporary = FileSystem::temporaryPathFor(m_folder + "/" + kRouteId + ".tit");
    freshRoute();
    const RouteInvariant invariant(m_folder, kRouteId, m_clean[false].newTit,
                                   m_clean[false].newTdb);
    Fault write;
    write.operations = {FileOperation::Write};
    write.trigger = Fault::Trigger::EveryCallOnPath;
    write.path = temporary;
    write.errorNumber = ENOSPC;
    Fault remove = write;
    remove.operations = {FileOperation::Remove};
    remove.errorNumber = EBUSY;

    const InjectedRun failed = InjectedRun::start(m_folder, false, {write, remove});
    EXPECT_EQ(failed.exitStatus(), 1);
    ASSERT_TRUE(fs::exists(temporary)) << "the fault did not keep the temporary file";
    EXPECT_EQ(describe(invariant.violations(true)), "");
    EXPECT_TRUE(invariant.titIsOld() && invariant.tdbIsOld());

    // A temporary file of another process left by a killed run goes too.
    m_sandbox.writeBytes("route/.veltrano-" + kRouteId + ".tdb.99999.tmp", "half");
    const InjectedRun next = InjectedRun::start(m_folder, false, {});
    EXPECT_EQ(next.exitStatus(), 0) << next.protocol.substr(0, 600);
    EXPECT_EQ(describe(invariant.violations()), "");
    EXPECT_TRUE(invariant.titIsNew() && invariant.tdbIsNew());
}

}  // namespace
}  // namespace veltrano::test
