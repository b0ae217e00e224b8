#pragma once

#include <array>
#include <string_view>

namespace veltrano {

// Every control's window id, fixed per control name, so a control is found by its name from
// outside the program too (GetDlgItem). The names are those of the control table; the same
// name in two windows (cmbLang) has the same id in each.
struct ControlId {
    std::string_view name;
    int id;
};

inline constexpr std::array<ControlId, 21> kControlIds{{
    {"Picture1", 101},      {"cmdQuit", 102},
    {"Picture2", 103},      {"cmdCorrectPickups", 104},
    {"lblCopyPfad", 105},   {"txtAnzeige", 106},
    {"lblZeit", 107},       {"cmdHelp", 108},
    {"cmbLang", 109},       {"lblRouteIs", 110},
    {"cmbFuellstand", 111}, {"chkChangeAll", 112},
    {"lblFuelstand", 113},  {"cmdClear", 114},
    {"imgRunning01", 115},  {"imgRunning02", 116},
    {"imgRunning03", 117},  {"imgRunning04", 118},
    {"cmdOK", 120},         {"imgDeu", 130},
    {"imgEng", 131},
}};

// The id of the control `name`; 0 for a name that is no control.
constexpr int controlId(std::string_view name) {
    for (const ControlId& control : kControlIds) {
        if (control.name == name) {
            return control.id;
        }
    }
    return 0;
}

}  // namespace veltrano
