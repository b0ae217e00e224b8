#pragma once

#include <QColor>

#include "ui/WindowGeometry.h"

// Where every control of the main window stands, in twips relative to the client area (the two
// buttons relative to the coloured frame that holds them). The help pictures draw the same
// controls, so both read them from here.
namespace veltrano::layout {

constexpr int kClientWidth = 16920;
constexpr int kClientHeight = 11820;

constexpr TwipsRect kPicture1{15660, 11370, 1185, 375};
constexpr TwipsRect kCmdQuit{30, 30, 1125, 315};
constexpr TwipsRect kPicture2{12750, 435, 2625, 375};
constexpr TwipsRect kCmdCorrectPickups{30, 30, 2565, 315};
constexpr TwipsRect kLblCopyPfad{990, 90, 14850, 225};
constexpr TwipsRect kTxtAnzeige{60, 1155, 16815, 9975};
constexpr TwipsRect kLblZeit{1140, 900, 15540, 210};
constexpr TwipsRect kCmdHelp{15750, 60, 1050, 315};
constexpr TwipsRect kCmbLang{15720, 465, 1095, 315};
constexpr TwipsRect kLblRouteIs{105, 90, 795, 225};
constexpr TwipsRect kCmbFuellstand{10395, 465, 1920, 315};
constexpr TwipsRect kChkChangeAll{7635, 465, 1725, 315};
constexpr TwipsRect kLblFuelstand{9600, 525, 735, 255};
constexpr TwipsRect kCmdClear{75, 11235, 1770, 300};
constexpr TwipsRect kImgRunning01{90, 660, 450, 435};
constexpr TwipsRect kImgRunning02{1620, 360, 450, 435};
constexpr TwipsRect kImgRunning03{2235, 375, 450, 435};
constexpr TwipsRect kImgRunning04{2805, 360, 450, 435};

// The frames that mark the two buttons: green around the run, red around the way out.
inline QColor quitFrameColour() {
    return QColor(255, 0, 0);
}
inline QColor runFrameColour() {
    return QColor(0, 255, 0);
}

}  // namespace veltrano::layout
