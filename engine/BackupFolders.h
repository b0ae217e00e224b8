#pragma once

#include <array>

namespace veltrano {

// The backup folder's name in each language. A run writes into the folder of its language;
// listing and restoring look into both, since a route may have been corrected in either.
struct BackupFolders {
    static constexpr const char16_t* kGerman = u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur";
    static constexpr const char16_t* kEnglish =
        u"_Saved_tdb_und_tit_files_before_pickup_correction";
    // The same names as file-system text (they are ASCII), German first.
    static constexpr std::array<const char*, 2> kBoth = {
        "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur",
        "_Saved_tdb_und_tit_files_before_pickup_correction"};

    static constexpr const char16_t* forLanguage(bool german) {
        return german ? kGerman : kEnglish;
    }
};

}  // namespace veltrano
