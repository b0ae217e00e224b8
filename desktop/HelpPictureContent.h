#pragma once

#include <span>

namespace veltrano {

// The content of the two help pictures: on white, one section for each control that shapes a
// run, each an image of the control as the main window shows it in that language (drawn at the
// control's size from the ControlTable), followed by its lines of explanation in a fixed-pitch
// face. Texts UTF-16; sizes and gaps in pixels, as the pictures are images of a fixed size.
struct HelpSection {
    enum class Control {
        RunButton,      // cmdCorrectPickups in its green frame Picture2
        FillLevelList,  // cmbFuellstand showing `caption`
        ChangeAllBox,   // chkChangeAll, ticked
    };
    Control control;
    const char16_t* caption;
    std::span<const char16_t* const> lines;
};

struct HelpPictureContent {
    static constexpr int kMargin = 14;
    static constexpr int kGapBelowControl = 8;
    static constexpr int kGapBetweenSections = 18;
    // The face is the largest pixel size, from kLargestPixelSize down to kSmallestPixelSize,
    // whose longest line fits the width less two margins and whose sections fit the height;
    // when none fits, kSmallestPixelSize - 1.
    static constexpr int kLargestPixelSize = 13;
    static constexpr int kSmallestPixelSize = 7;

    int width;
    int height;
    std::span<const HelpSection> sections;

    static const HelpPictureContent& german();   // imgDeu
    static const HelpPictureContent& english();  // imgEng
};

}  // namespace veltrano
