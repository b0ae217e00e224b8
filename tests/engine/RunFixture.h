#pragma once

// Route builders and a fixture for tests that drive whole correction runs: track files with
// PickupItem records, world files with Pickup objects, and the frame lines of the protocol as
// a German desktop with the fixed clock writes them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CorrectionRun.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {

inline const std::string kCrLf = "\r\n";
inline const std::string kRouteId = "TESTROUTE";
inline const std::string kZeroField = "PickupTrItemData ( 0 00000000 )";
inline const char16_t* kGermanSaveFolder = u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur";
inline const char16_t* kEnglishSaveFolder = u"_Saved_tdb_und_tit_files_before_pickup_correction";

inline std::string utf8(const std::u16string& text) {
    return TextCodec::toUtf8(text);
}

// --- protocol frame with the fixed clock (04.12.2026 06:10:23) -----------------------------
inline std::string equalsLine() {
    return std::string(151, '=');
}
inline std::string hyphenLine() {
    return std::string(111, '-');
}
inline std::string startLine() {
    return "--- START 04.12.2026 06:10:23 " + std::string(121, '-');
}
inline std::string endLine(bool german) {
    return german ? "--- ENDE 04.12.2026 06:10:23 " + std::string(122, '-')
                  : "--- END 04.12.2026 06:10:23 " + std::string(123, '-');
}

// --- track files ------------------------------------------------------------------------------
// One PickupItem record as route editors write it, lying in tile (tileX, tileZ).
inline std::string trackRecord(const std::string& id, const std::string& tileX,
                               const std::string& tileZ, const std::string& field = kZeroField) {
    return "\t\tPickupItem (\r\n\t\t\tTrItemId ( " + id +
           " )\r\n\t\t\tTrItemSData ( 1234.5 00000000 )\r\n\t\t\tTrItemRData ( -1234.5 78.9 "
           "-4321 " +
           tileX + " " + tileZ + " )\r\n\t\t\t" + field + "\r\n\t\t)\r\n";
}

inline std::string trackFile(const std::string& records) {
    return "SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrackDB (\r\n\tSerial ( 7 )\r\n"
           "\tTrItemTable ( 9\r\n" +
           records + "\t)\r\n)\r\n";
}

// --- world files (8-bit text) -----------------------------------------------------------------
inline std::string worldObject(const std::string& keyword, const std::vector<std::string>& lines) {
    std::string text = "\t" + keyword + " (\r\n";
    for (const std::string& line : lines) {
        text += "\t\t" + line + "\r\n";
    }
    return text + "\t)\r\n";
}

inline std::string pickupObject(const std::string& type, const std::string& capacity,
                                const std::string& id,
                                const std::string& position = "Position ( 1 2 3 )") {
    return worldObject("Pickup",
                       {"UiD ( 12 )", "PickupType ( " + type + " 0 )", "PickupAnimData ( 0 0 )",
                        "PickupCapacity ( " + capacity + " 0.5 )", "TrItemId ( 0 " + id + " )",
                        "StaticFlags ( 00000000 )", position, "QDirection ( 0 0 0 1 )"});
}

inline std::string worldFile(const std::string& objects) {
    return "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n" + objects + ")\r\n";
}

// A usable route folder with one correction run at hand.
class RunFixture : public ::testing::Test {
  protected:
    RunFixture() {
        route.makeUsableRoute(kRouteId);
        state.gstrRoutePath = route.path();
        useEnglish();
    }

    void useGerman() {
        state.gstrLanguage = "deutsch";
        state.gstrSaveFolder = kGermanSaveFolder;
    }
    void useEnglish() {
        state.gstrLanguage = "english";
        state.gstrSaveFolder = kEnglishSaveFolder;
    }

    // The same records in the .tdb and the .tit, as UTF-16LE with byte-order mark.
    void writeTrackFiles(const std::string& records) const {
        route.writeUtf16(kRouteId + ".tdb", trackFile(records));
        route.writeUtf16(kRouteId + ".tit", trackFile(records));
    }
    void writeWorld(const std::string& name, const std::string& bytes) const {
        route.writeBytes("WORLD/" + name, bytes);
    }

    RunResult run(RunOptions options = {}) {
        return CorrectionRun(state, host, fileSystem, clock, options).run();
    }

    std::string protocol() const { return utf8(state.gstrProtokoll.text()); }
    std::string tdbText() const { return route.readUtf16(kRouteId + ".tdb"); }
    std::string titText() const { return route.readUtf16(kRouteId + ".tit"); }

    TempRoute route;
    RunState state;
    FileSystem fileSystem;
    FixedClock clock;
    FakeRunHost host{state, fileSystem};
};

}  // namespace veltrano::test
