#pragma once

#include <array>

namespace veltrano {

// The texts a language switch (subSetLanguage) puts on the main window, in the order it puts
// them there. UTF-16.
struct LanguageCaptions {
    const char16_t* saveFolder;
    const char16_t* routeIs;
    const char16_t* correctPickups;
    const char16_t* correctPickupsTip;
    const char16_t* help;
    const char16_t* helpTip;
    const char16_t* fuelLevel;
    const char16_t* fuelLevelTip;
    std::array<const char16_t*, 5> fuelLevelItems;
    const char16_t* changeAll;
    const char16_t* changeAllTip;
    const char16_t* clearTip;
    const char16_t* quitTip;
    const char16_t* protocolTip;

    static const LanguageCaptions& german();
    static const LanguageCaptions& english();
};

}  // namespace veltrano
