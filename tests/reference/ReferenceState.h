#pragma once

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace veltrano::reference {

// The run's settings as the window holds them when the run button is released.
struct ReferenceSettings {
    std::string language = "english";  // gstrLanguage: "deutsch" or anything else
    int fillLevel = 0;                 // gvarFuellstand, 0 to 4
    int changeAll = 0;                 // value of chkChangeAll: 1 ticked, 0 not
    std::u16string protocolBoxText;    // what txtAnzeige holds at the start
    std::u16string earlierProtocol;    // gstrProtokoll at the start
};

// The shared variables of a run, under their own names, and the services the phases call.
// The protocol is one text; every entry is put in front of it by concatenation.
struct ReferenceState {
    ReferenceState(FileSystem& files, const Clock& clockToUse)
        : fileSystem(files), clock(clockToUse) {}

    FileSystem& fileSystem;
    const Clock& clock;

    std::string gstrRoutePath;
    std::u16string gstrRouteName;
    std::string gstrLanguage;
    std::u16string gstrSaveFolder;
    int gvarFuellstand = 0;
    std::vector<std::u16string> garrFuellstandCode{u"0", u"1", u"2", u"4", u"8"};
    int chkChangeAll = 0;
    std::u16string gstrProtokoll;
    double gdblTdbPickupCount = 0;
    std::vector<std::u16string> garrWorldFiles{u""};
    std::vector<std::u16string> garrPickupWorldFile{u""};
    std::vector<std::u16string> garrPickupType{u""};
    std::vector<std::u16string> garrPickupTrItemId{u""};
    std::vector<std::u16string> garrPickupCapacity{u""};
    // Yield points passed; the reference has no window, so a yield only counts.
    long long yields = 0;

    bool german() const { return gstrLanguage == "deutsch"; }
    std::u16string text(const char16_t* germanText, const char16_t* englishText) const {
        return german() ? germanText : englishText;
    }
    void prepend(const std::u16string& entry) { gstrProtokoll = entry + gstrProtokoll; }
    void yield() { ++yields; }
    // A "*** ..." line: it ends in CR LF, or during the track database pass starts with it,
    // since the count line above it has no line end of its own.
    void problem(const std::u16string& line, bool duringCatalogue = false) {
        prepend(duringCatalogue ? u"\r\n" + line : line + u"\r\n");
    }
};

}  // namespace veltrano::reference
