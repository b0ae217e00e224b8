#pragma once

#include <string>
#include <vector>

#include "engine/BackupFolders.h"
#include "engine/Protocol.h"

namespace veltrano {

// The state that a correction run and its phases share, under the names the route builders'
// documentation uses. Owned by the front (main window or terminal) and passed to every run.
//
// The run arrays have lowest index 0; element 0 is created empty and never used, entries
// stand at 1 to the upper bound (size() - 1). The four per-pickup arrays always share one
// upper bound: the number of world pickups found so far in the run.
struct RunState {
    bool gblnRunning = false;
    double gdblStartTime = 0.0;
    Protocol gstrProtokoll;
    std::string gstrLanguage = "english";  // "deutsch" selects German, anything else English
    std::string gstrRoutePath;             // the route folder, without a trailing separator
    std::u16string gstrRouteName;          // the RouteID, base name of the .tdb and .tit
    std::u16string gstrSaveFolder = BackupFolders::kEnglish;
    int gvarFuellstand = 0;  // fill-level list index 0 to 4
    std::vector<std::u16string> garrFuellstandCode{u"0", u"1", u"2", u"4", u"8"};
    double gdblTdbPickupCount = 0.0;
    std::vector<std::u16string> garrWorldFiles{u""};
    std::vector<std::u16string> garrPickupWorldFile{u""};
    std::vector<std::u16string> garrPickupType{u""};
    std::vector<std::u16string> garrPickupTrItemId{u""};
    std::vector<std::u16string> garrPickupCapacity{u""};

    bool isGerman() const { return gstrLanguage == "deutsch"; }
    // The German or the English text, chosen by the current language.
    const char16_t* text(const char16_t* german, const char16_t* english) const {
        return isGerman() ? german : english;
    }
};

}  // namespace veltrano
