#pragma once

namespace veltrano {

// Every control of the three windows, in the order of the control table. A front may number
// its native controls after these values; they stay fixed.
enum class ControlId {
    // frmHaupt
    Picture1,
    cmdQuit,
    Picture2,
    cmdCorrectPickups,
    lblCopyPfad,
    txtAnzeige,
    lblZeit,
    cmdHelp,
    cmbLang,
    lblRouteIs,
    cmbFuellstand,
    chkChangeAll,
    lblFuelstand,
    cmdClear,
    imgRunning01,
    imgRunning02,
    imgRunning03,
    imgRunning04,
    Timer1,
    tmrBlinken,
    // frmLang
    frmLang_cmbLang,
    frmLang_cmdOK,
    // frmHilfe
    frmHilfe_imgDeu,
    frmHilfe_imgEng,
};

constexpr int kControlCount = static_cast<int>(ControlId::frmHilfe_imgEng) + 1;

constexpr int indexOf(ControlId control) {
    return static_cast<int>(control);
}

}  // namespace veltrano
