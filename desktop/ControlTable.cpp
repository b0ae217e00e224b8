#include "desktop/ControlTable.h"

#include <array>

namespace veltrano {

namespace {

using enum ControlId;
using enum ControlKind;
using enum WindowId;

constexpr int kRed = 0xFF0000;
constexpr int kGreen = 0x00FF00;
constexpr int kProtocolBack = 0xE0E0E0;
constexpr int kProtocolFore = 0x008000;
constexpr int kSys = kSystemColour;

constexpr std::array<const char16_t*, 2> kLanguages{u"english", u"deutsch"};
constexpr std::array<const char16_t*, 5> kFuelLevels{u"100% without Label", u"  0% with Label",
                                                     u" 25% with Label", u" 50% with Label",
                                                     u"100% with Label"};
constexpr std::span<const char16_t* const> kNoItems{};

constexpr std::array<const char16_t*, 2> kDialogStandIns{u"Liberation Sans", u"Arial"};

// The default dialog font is 8 points as the window system rounds it, 11 pixels at 96 dpi,
// the same size as the protocol box's 8.25 points; the design's 21-pixel buttons and 15-pixel
// labels are laid out for it. In FontId order.
constexpr std::array<FontDesign, 2> kFonts{{
    {u"MS Sans Serif", kDialogStandIns, 8.25},
    {u"Courier New", {}, 8.25},
}};

// clang-format off
constexpr std::array<ControlDesign, kControlCount> kControls{{
    {Picture1, "Picture1", PictureBox, frmHaupt, Picture1, {15660, 11370, 1185, 375}, 0, kRed, kSys, FontId::Dialog, u"", kNoItems, true, 0},
    {cmdQuit, "cmdQuit", CommandButton, frmHaupt, Picture1, {30, 30, 1125, 315}, 1, kSys, kSys, FontId::Dialog, u"Quit", kNoItems, true, 0},
    {Picture2, "Picture2", PictureBox, frmHaupt, Picture2, {12750, 435, 2625, 375}, 2, kGreen, kSys, FontId::Dialog, u"", kNoItems, true, 0},
    {cmdCorrectPickups, "cmdCorrectPickups", CommandButton, frmHaupt, Picture2, {30, 30, 2565, 315}, 3, kSys, kSys, FontId::Dialog, u"Correct Pickups", kNoItems, true, 0},
    {lblCopyPfad, "lblCopyPfad", Label, frmHaupt, lblCopyPfad, {990, 90, 14850, 225}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, true, 0},
    {txtAnzeige, "txtAnzeige", TextBox, frmHaupt, txtAnzeige, {60, 1155, 16815, 9975}, 4, kProtocolBack, kProtocolFore, FontId::Protocol, u"", kNoItems, true, 0},
    {lblZeit, "lblZeit", Label, frmHaupt, lblZeit, {1140, 900, 15540, 210}, -1, kSys, kSys, FontId::Dialog, u"Dauer:", kNoItems, true, 0},
    {cmdHelp, "cmdHelp", CommandButton, frmHaupt, cmdHelp, {15750, 60, 1050, 315}, 5, kSys, kSys, FontId::Dialog, u"Help", kNoItems, true, 0},
    {cmbLang, "cmbLang", ComboBox, frmHaupt, cmbLang, {15720, 465, 1095, 315}, 6, kSys, kSys, FontId::Dialog, u"", kLanguages, true, 0},
    {lblRouteIs, "lblRouteIs", Label, frmHaupt, lblRouteIs, {105, 90, 795, 225}, -1, kSys, kSys, FontId::Dialog, u"Route is:", kNoItems, true, 0},
    {cmbFuellstand, "cmbFuellstand", ComboBox, frmHaupt, cmbFuellstand, {10395, 465, 1920, 315}, 7, kSys, kSys, FontId::Dialog, u"", kFuelLevels, true, 0},
    {chkChangeAll, "chkChangeAll", CheckBox, frmHaupt, chkChangeAll, {7635, 465, 1725, 315}, 8, kSys, kSys, FontId::Dialog, u"Change all pickups", kNoItems, true, 0},
    {lblFuelstand, "lblFuelstand", Label, frmHaupt, lblFuelstand, {9600, 525, 735, 255}, -1, kSys, kSys, FontId::Dialog, u"Fuel level:", kNoItems, true, 0},
    {cmdClear, "cmdClear", CommandButton, frmHaupt, cmdClear, {75, 11235, 1770, 300}, 9, kSys, kSys, FontId::Dialog, u"Clear", kNoItems, true, 0},
    {imgRunning01, "imgRunning01", Image, frmHaupt, imgRunning01, {90, 660, 450, 435}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, true, 0},
    {imgRunning02, "imgRunning02", Image, frmHaupt, imgRunning02, {1620, 360, 450, 435}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, false, 0},
    {imgRunning03, "imgRunning03", Image, frmHaupt, imgRunning03, {2235, 375, 450, 435}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, false, 0},
    {imgRunning04, "imgRunning04", Image, frmHaupt, imgRunning04, {2805, 360, 450, 435}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, false, 0},
    {Timer1, "Timer1", Timer, frmHaupt, Timer1, {}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, false, 500},
    {tmrBlinken, "tmrBlinken", Timer, frmHaupt, tmrBlinken, {}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, false, 0},
    {frmLang_cmbLang, "cmbLang", ComboBox, frmLang, frmLang_cmbLang, {1350, 450, 1470, 315}, 0, kSys, kSys, FontId::Dialog, u"", kLanguages, true, 0},
    {frmLang_cmdOK, "cmdOK", CommandButton, frmLang, frmLang_cmdOK, {1350, 1320, 1455, 300}, 1, kSys, kSys, FontId::Dialog, u"OK", kNoItems, true, 0},
    {frmHilfe_imgDeu, "imgDeu", Image, frmHilfe, frmHilfe_imgDeu, {135, 135, 9645, 6330}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, true, 0},
    {frmHilfe_imgEng, "imgEng", Image, frmHilfe, frmHilfe_imgEng, {375, 240, 8970, 6300}, -1, kSys, kSys, FontId::Dialog, u"", kNoItems, false, 0},
}};

constexpr std::array<WindowDesign, 3> kWindows{{
    {frmHaupt, "frmHaupt", 16920, 11820, u"Veltrano"},
    {frmLang, "frmLang", 4035, 2025, u"Veltrano"},
    {frmHilfe, "frmHilfe", 9960, 6720, u"Veltrano"},
}};
// clang-format on

}  // namespace

const ControlDesign& ControlTable::control(ControlId id) {
    return kControls[static_cast<std::size_t>(indexOf(id))];
}

std::span<const ControlDesign> ControlTable::controls() {
    return kControls;
}

const WindowDesign& ControlTable::window(WindowId id) {
    return kWindows[static_cast<std::size_t>(id)];
}

const FontDesign& ControlTable::font(FontId font) {
    return kFonts[static_cast<std::size_t>(font)];
}

}  // namespace veltrano
