#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliProgram.h"
#include "cli/ProtocolOutput.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/TempRoute.h"
#include "tests/support/WorldFileForms.h"

namespace fs = std::filesystem;

namespace veltrano {
namespace {

const std::string kEquals(151, '=');
const std::string kEnglishBackups = "_Saved_tdb_und_tit_files_before_pickup_correction";
const std::string kGermanBackups = "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur";

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
// std::system runs cmd.exe there: double quotes, and no argument of these tests holds one.
std::string shellQuoted(const std::string& text) {
    return "\"" + text + "\"";
}
const std::string kChangeFolder = "cd /d ";
const std::string kNoInput = " <NUL";
int exitStatusOf(int status) {
    return status;
}
#else
std::string shellQuoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}
const std::string kChangeFolder = "cd ";
const std::string kNoInput = " </dev/null";
int exitStatusOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Replaces the date and time of the frame lines, the only parts that differ between runs.
std::string withoutTimes(std::string text) {
    for (const std::string frame : {"--- START ", "--- END "}) {
        for (auto at = text.find(frame); at != std::string::npos; at = text.find(frame, at + 1)) {
            text.replace(at, text.find('\n', at) - at, frame);
        }
    }
    return text;
}

class CliRunTest : public ::testing::Test {
  protected:
    // Runs the built program in `workingDirectory` (the scratch folder by default), with stdout
    // and stderr to files: neither is a terminal, as in a script.
    CliRun runCli(const std::vector<std::string>& arguments, std::string workingDirectory = "") {
        if (workingDirectory.empty()) {
            workingDirectory = scratch.path();
        }
        // Made absolute where the test runs: under Wine a POSIX path names a folder of the
        // current drive, which the "cd" changes.
        std::string command = kChangeFolder + shellQuoted(workingDirectory) + " && " +
                              shellQuoted(fs::absolute(VELTRANO_CLI_PATH).string());
        for (const auto& argument : arguments) {
            command += " " + shellQuoted(argument);
        }
        command += " >" + shellQuoted(scratch.pathOf("out")) + " 2>" +
                   shellQuoted(scratch.pathOf("err")) + kNoInput;
        const int status = std::system(command.c_str());
        CliRun run;
        run.status = exitStatusOf(status);
        run.out = scratch.readBytes("out");
        run.err = scratch.readBytes("err");
        return run;
    }

    void copyDemoRoute() {
        fs::copy(VELTRANO_DEMO_ROUTE, route.path(), fs::copy_options::recursive);
    }

    // Every file of the route folder and its subfolders with its bytes.
    std::vector<std::pair<std::string, std::string>> snapshot() const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : fs::recursive_directory_iterator(route.path())) {
            const std::string relative = fs::relative(entry.path(), route.path()).string();
            files.emplace_back(relative, entry.is_regular_file() ? route.readBytes(relative) : "");
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    test::TempRoute route;
    test::TempRoute scratch;
};

TEST_F(CliRunTest, UnusableFolderEndsWithItsMessageOnStderrOnly) {
    const CliRun run = runCli({route.path()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Some trouble with the files of the route:\r\n\r\n- *.trk is missed\r\n"
              "- *.tit is missed\r\n- *.tdb is missed\r\n- WORLD directory is missed\r\n"
              "\r\nProgram will be cancelled now!\r\n\r\n");

    const CliRun german = runCli({"--lang", "de", route.path()});
    EXPECT_EQ(german.status, 2);
    EXPECT_NE(german.err.find("Probleme mit den Dateien der Strecke:\r\n"), std::string::npos);
}

TEST_F(CliRunTest, RouteWithoutWorldFileEndsWithStatus2) {
    route.makeUsableRoute("R1");
    route.writeBytes("WORLD/w-000001+000002.W", "not a world file by its name");
    const CliRun run = runCli({route.path()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Can't find any .w file in WORLD directory! Program will be cancelled!"),
              std::string::npos);
    EXPECT_TRUE(route.list(".") ==
                (std::vector<std::string>{"R1.tdb", "R1.tit", "Route.trk", "WORLD"}));
}

TEST_F(CliRunTest, DemoRouteRunReadsOldestFirstAndChangesTheZeroFields) {
    copyDemoRoute();
    const std::string originalTit = route.readBytes("Demo.tit");
    const std::string originalTdb = route.readBytes("Demo.tdb");

    // No folder given: the current directory is the route.
    const CliRun run = runCli({}, route.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], kEquals);
    EXPECT_EQ(lines[2].rfind("--- START ", 0), 0u);
    EXPECT_EQ(lines.back(), kEquals);
    EXPECT_EQ(lines[lines.size() - 2].rfind("--- END ", 0), 0u);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);

    // What the run reports, in the order it happened.
    const std::vector<std::string> expectedInOrder = {
        "Look up for pickups in tdb file\n6 pickups found in tdb file.\n",
        "    1.         Fuel-water found in w-005678+014567.w at Position ( 12.5 0.2 -301.7 )\n",
        "    4.       Freight-coal found in w-005677+014567.w at Position ( -594.9",
        "World file w-005679+014567.w not found!\n",
        " World file w-005678+014566.w is compressed, therefore not readable!\n",
        "    3.        Fuel-diesel in w-005677+014567.w with PickupTrItemData ( 0 00000000 ) "
        "changed to PickupTrItemData ( 30000 00000380 )\n",
        "\nready!\n",
    };
    std::size_t position = 0;
    for (const std::string& text : expectedInOrder) {
        const std::size_t found = run.out.find(text, position);
        ASSERT_NE(found, std::string::npos) << text << "\n" << run.out;
        position = found + text.size();
    }
    EXPECT_EQ(run.out.find("No need to make any change."), std::string::npos);

    EXPECT_NE(route.readUtf16("Demo.tit").find("PickupTrItemData ( 20000 00000280 )"),
              std::string::npos);
    EXPECT_NE(route.readUtf16("Demo.tdb").find("PickupTrItemData ( 5000 00000300 )"),
              std::string::npos);
    // The record that was filled in already is left alone without --change-all.
    EXPECT_NE(route.readUtf16("Demo.tdb").find("PickupTrItemData ( 35000 00000100 )"),
              std::string::npos);
    const std::vector<std::string> backups = route.list(kEnglishBackups);
    ASSERT_EQ(backups.size(), 2u);
    for (const std::string& backup : backups) {
        const bool ofTdb = backup.ends_with("_Demo.tdb");
        EXPECT_TRUE(ofTdb || backup.ends_with("_Demo.tit")) << backup;
        EXPECT_EQ(route.readBytes(kEnglishBackups + "/" + backup),
                  ofTdb ? originalTdb : originalTit);
    }

    // The second run finds the fields repaired and touches nothing.
    const auto afterFirstRun = snapshot();
    const CliRun second = runCli({route.path() + "/"});
    EXPECT_EQ(second.status, 0);
    EXPECT_NE(second.out.find("\n No need to make any change.\n"), std::string::npos);
    EXPECT_EQ(snapshot(), afterFirstRun);
}

TEST_F(CliRunTest, GermanRunWithFillLevelAndChangeAll) {
    copyDemoRoute();
    const CliRun run = runCli({"--lang", "de", "--fill-level", "3", "--change-all", route.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nfertig!\n"), std::string::npos);
    const std::string tdb = route.readUtf16("Demo.tdb");
    EXPECT_NE(tdb.find("PickupTrItemData ( 20000 00004280 )"), std::string::npos);
    EXPECT_NE(tdb.find("PickupTrItemData ( 40000 00000100 )"), std::string::npos);
    EXPECT_EQ(route.list(kGermanBackups).size(), 2u);
    EXPECT_FALSE(route.exists(kEnglishBackups));
}

TEST_F(CliRunTest, DryRunChangesNoByteAndReportsTheSameChanges) {
    copyDemoRoute();
    const auto before = snapshot();
    const CliRun run = runCli({"--dry-run", route.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(snapshot(), before);
    EXPECT_NE(run.out.find(" Dry run: no file was changed.\n\nready!\n"), std::string::npos);
    EXPECT_NE(run.out.find("changed to PickupTrItemData ( 20000 00000280 )"), std::string::npos);
}

TEST_F(CliRunTest, ReadAllWorldFilesScansUtf16AndCompressedWorldFilesAsTheirEightBitTwins) {
    copyDemoRoute();
    const CliRun eightBit = runCli({"--dry-run", route.path()});
    ASSERT_EQ(eightBit.status, 0);
    ASSERT_NE(eightBit.out.find(" found in w-"), std::string::npos);
    // The demo's world files stored as a route may keep them, one form after the other.
    const test::WorldFileForm forms[] = {
        test::WorldFileForm::Utf16Le, test::WorldFileForm::CompressedUtf16Le,
        test::WorldFileForm::Utf16Be, test::WorldFileForm::CompressedEightBit};
    std::size_t next = 0;
    for (const std::string& name : route.list("WORLD")) {
        const std::string relative = "WORLD/" + name;
        route.writeBytes(relative, test::storedAs(forms[next++ % 4], route.readBytes(relative)));
    }
    const auto before = snapshot();

    const CliRun decoded = runCli({"--read-all-world-files", "--dry-run", route.path()});
    EXPECT_EQ(decoded.status, 0);
    EXPECT_EQ(decoded.err, "");
    EXPECT_EQ(withoutTimes(decoded.out), withoutTimes(eightBit.out));
    EXPECT_EQ(snapshot(), before);

    const CliRun asBefore = runCli({"--dry-run", route.path()});
    EXPECT_EQ(asBefore.status, 0);
    EXPECT_EQ(asBefore.out.find(" found in w-"), std::string::npos);
    EXPECT_NE(asBefore.out.find(" is compressed, therefore not readable!\n"), std::string::npos);
}

TEST_F(CliRunTest, NewestFirstIsTheProtocolAsTheBoxShowsIt) {
    copyDemoRoute();
    test::TempRoute twin;
    fs::copy(VELTRANO_DEMO_ROUTE, twin.path(), fs::copy_options::recursive);

    const CliRun oldestFirst = runCli({route.path()});
    const CliRun newestFirst = runCli({"--newest-first", twin.path()});
    ASSERT_EQ(newestFirst.status, 0);
    EXPECT_EQ(newestFirst.out.rfind(kEquals + "\r\n--- END ", 0), 0u);
    EXPECT_EQ(newestFirst.out.substr(newestFirst.out.size() - 155), kEquals + "\r\n\r\n");

    // CR LF throughout, and turned line by line it is the default output of the same route.
    for (std::size_t at = newestFirst.out.find('\n'); at != std::string::npos;
         at = newestFirst.out.find('\n', at + 1)) {
        ASSERT_EQ(newestFirst.out[at - 1], '\r') << at;
    }
    const std::string reversed = ProtocolOutput::oldestFirst(TextCodec::fromUtf8(newestFirst.out));
    EXPECT_EQ(withoutTimes(reversed), withoutTimes(oldestFirst.out));
}

TEST_F(CliRunTest, FileErrorEndsWithStatus1AndItsLineOnStderr) {
    route.writeBytes("Route.trk", "Tr_RouteFile (\r\n\tRouteID ( Gone )\r\n)\r\n");
    route.writeUtf16("Here.tdb", "TrackDB (\r\n)\r\n");
    route.writeUtf16("Here.tit", "TrItemTable (\r\n)\r\n");
    route.writeBytes("WORLD/w-000001+000002.w", "SIMISA@@@@@@@@@@JINX0w0t______\r\n");

    const CliRun run = runCli({route.path() + "/"});
    EXPECT_EQ(run.status, 1);
    const std::string line = "*** Cannot read file " +
                             FileSystem::join(fs::canonical(route.path()).string(), "Gone.tdb") +
                             ": ";
    EXPECT_EQ(run.err.rfind(line, 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    // The run still ends in order: its protocol has the line and the END frame.
    EXPECT_NE(run.out.find(line), std::string::npos);
    EXPECT_NE(run.out.find("\nready!\n"), std::string::npos);
}

TEST_F(CliRunTest, BadCommandLineOfTheProgram) {
    const CliRun run = runCli({"--fill-level", "5", route.path()});
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Usage: veltrano-cli"), std::string::npos);
}

// On a terminal the status line is live on stderr and the duration stays as the last line.
TEST_F(CliRunTest, TerminalShowsTheDurationAtTheEnd) {
    copyDemoRoute();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(CliProgram(out, err, true).run({"--dry-run", route.path()}), 0);
    const std::string shown = err.str();
    EXPECT_NE(shown.find("\r\x1b[KLook up for pickups in tdb file"), std::string::npos);
    const std::size_t last = shown.rfind("\r\x1b[K");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(shown.substr(last + 4, 10), "Duration: ");
    EXPECT_EQ(shown.substr(shown.size() - 3), " s\n");
    EXPECT_NE(out.str().find("\nready!\n"), std::string::npos);
}

}  // namespace
}  // namespace veltrano
