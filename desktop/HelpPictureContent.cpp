#include "desktop/HelpPictureContent.h"

#include <array>

namespace veltrano {

namespace {

using enum HelpSection::Control;

constexpr std::array<const char16_t*, 7> kGermanRun{
    u"Es werden die Pickup-Eintr\u00e4ge in der tdb- und der tit-Datei korrigiert.",
    u"Die falschen Eintr\u00e4ge \"00000000\" werden in entsprechend richtige ge\u00e4ndert.",
    u"Dabei gilt:",
    u"00000280 - Wasserkran",
    u"00000300 - Kohle",
    u"00000380 - Diesel",
    u"Als Treibstoffmenge wird der Wert aus der entsprechnden World-Datei des Pickups "
    u"verwendet."};
constexpr std::array<const char16_t*, 3> kGermanFill{
    u"F\u00fcllmengenanzeige",
    u"Pickups k\u00f6nnen grunds\u00e4tzlich eine reduzierte F\u00fcllmenge haben.",
    u"W\u00e4hlt man \"mit Anzeige\", wird diese F\u00fcllmenmenge im Aufgabeneditor "
    u"angezeigt."};
constexpr std::array<const char16_t*, 3> kGermanAll{
    u"Es werden alle Pickups der Strecke ge\u00e4ndert.",
    u"Ist diese Option nicht gew\u00e4hlt, werden nur defekte Pickups ge\u00e4ndert,",
    u"bei denen der Eintrag 00000000 ist."};

constexpr std::array<const char16_t*, 7> kEnglishRun{
    u"Corrects the pickup entries in tdb and tit files.",
    u"Wrong \"00000000\" entries will be replaced by the proper ones.",
    u"Right entries are:",
    u"00000280 - watercolumn",
    u"00000300 - coal",
    u"00000380 - diesel",
    u"The fuel content of the pickup is copied from the appropriate world file."};
constexpr std::array<const char16_t*, 3> kEnglishFill{
    u"Fuel level", u"Pickups can have different fill levels.",
    u"If \"with Label\" is selected the fill level is shown in activity editor."};
constexpr std::array<const char16_t*, 2> kEnglishAll{
    u"All pickups of a route will be changed.",
    u"If this option is not selected only pickups with wrong \"00000000\" entries will be "
    u"changed."};

constexpr std::array<HelpSection, 3> kGermanSections{{
    {RunButton, u"Pickups korrigieren", kGermanRun},
    {FillLevelList, u"100% ohne Anzeige", kGermanFill},
    {ChangeAllBox, u"\u00c4ndere alle Pickups", kGermanAll},
}};
constexpr std::array<HelpSection, 3> kEnglishSections{{
    {RunButton, u"Correct Pickups", kEnglishRun},
    {FillLevelList, u"100% without Label", kEnglishFill},
    {ChangeAllBox, u"Change all pickups", kEnglishAll},
}};

constexpr HelpPictureContent kGerman{643, 422, kGermanSections};
constexpr HelpPictureContent kEnglish{598, 420, kEnglishSections};

}  // namespace

const HelpPictureContent& HelpPictureContent::german() {
    return kGerman;
}

const HelpPictureContent& HelpPictureContent::english() {
    return kEnglish;
}

}  // namespace veltrano
