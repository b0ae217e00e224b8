#include "desktop/LanguageCaptions.h"

#include "engine/BackupFolders.h"

namespace veltrano {

namespace {

constexpr LanguageCaptions kGerman{BackupFolders::kGerman,
                                   u"Route ist:",
                                   u"Pickups korrigieren",
                                   u" Klick auf Hilfe Button ",
                                   u"Hilfe",
                                   u" Hilfe ",
                                   u"F\u00fcllstand:",
                                   u" Klick auf Hilfe Button ",
                                   {u"100% ohne Anzeige", u"  0% mit Anzeige", u" 25% mit Anzeige",
                                    u" 50% mit Anzeige", u"100% mit Anzeige"},
                                   u"\u00c4ndere alle Pickups",
                                   u" Klick auf Hilfe Button ",
                                   u" Protokolltext l\u00f6schen ",
                                   u" Programmende ",
                                   u" Liste gefundener und korrigierter Pickups "};

constexpr LanguageCaptions kEnglish{BackupFolders::kEnglish,
                                    u"Route is:",
                                    u"Correct Pickups",
                                    u" Click on Help button ",
                                    u"Help",
                                    u" Help ",
                                    u"Fuel level:",
                                    u" Click on Help button ",
                                    {u"100% without Label", u"  0% with Label", u" 25% with Label",
                                     u" 50% with Label", u"100% with Label"},
                                    u"Change all pickups",
                                    u" Click on Help button ",
                                    u" Clear protokoll text above ",
                                    u" Abbort Program ",
                                    u" List of found and corrected pickups "};

}  // namespace

const LanguageCaptions& LanguageCaptions::german() {
    return kGerman;
}

const LanguageCaptions& LanguageCaptions::english() {
    return kEnglish;
}

}  // namespace veltrano
