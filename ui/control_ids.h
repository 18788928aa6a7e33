// Numeric ids of the configuration window's controls, the about box and the shared resources.
// Every widget carries its id's name as objectName ("IDC_CALLSIGN"), so code and tests find it.
#pragma once

#include <array>
#include <string_view>

enum ControlId : int {
    IDC_EXIT = 1,  // the "Exit" button, the dialog's OK
    IDD_ABOUTBOX = 100,
    IDS_ABOUTBOX = 101,
    IDD_CONFIG_DIALOG = 102,
    IDR_MAINFRAME = 128,
    IDC_READ_CONFIG = 1000,
    IDC_WRITE_CONFIG = 1001,
    IDC_READ_VERSION = 1002,
    IDC_COMPORT = 1003,
    IDC_TONE_STOP = 1004,
    IDC_TONE_1200 = 1005,
    IDC_TONE_2200 = 1006,
    IDC_TONE_BOTH = 1007,
    IDC_CALLSIGN = 1008,
    IDC_DIGIPATH = 1009,
    IDC_STATUS_TEXT = 1010,
    IDC_TXD = 1011,
    IDC_MODE_WX200 = 1012,
    IDC_MODE_PEET = 1013,
    IDC_STATUS_EVERY = 1016,
    IDC_TX_INTERVAL = 1017,
    IDC_CALIBRATION = 1018,
    IDC_QUIET_TIME = 1035,
};

// The system-menu command that opens the about box. Windows uses the low four bits of a
// system command for itself, so commands are compared under the mask.
inline constexpr unsigned kIdmAboutBox = 0x10;
inline constexpr unsigned kSystemCommandMask = 0xFFF0;

struct ControlName {
    ControlId id;
    std::string_view name;
};

// The objectName of every control of the window; the .ui files use the same names.
inline constexpr std::array kControlNames{
    ControlName{IDC_EXIT, "IDC_EXIT"},
    ControlName{IDC_READ_CONFIG, "IDC_READ_CONFIG"},
    ControlName{IDC_WRITE_CONFIG, "IDC_WRITE_CONFIG"},
    ControlName{IDC_READ_VERSION, "IDC_READ_VERSION"},
    ControlName{IDC_COMPORT, "IDC_COMPORT"},
    ControlName{IDC_TONE_STOP, "IDC_TONE_STOP"},
    ControlName{IDC_TONE_1200, "IDC_TONE_1200"},
    ControlName{IDC_TONE_2200, "IDC_TONE_2200"},
    ControlName{IDC_TONE_BOTH, "IDC_TONE_BOTH"},
    ControlName{IDC_CALLSIGN, "IDC_CALLSIGN"},
    ControlName{IDC_DIGIPATH, "IDC_DIGIPATH"},
    ControlName{IDC_STATUS_TEXT, "IDC_STATUS_TEXT"},
    ControlName{IDC_TXD, "IDC_TXD"},
    ControlName{IDC_MODE_WX200, "IDC_MODE_WX200"},
    ControlName{IDC_MODE_PEET, "IDC_MODE_PEET"},
    ControlName{IDC_STATUS_EVERY, "IDC_STATUS_EVERY"},
    ControlName{IDC_TX_INTERVAL, "IDC_TX_INTERVAL"},
    ControlName{IDC_CALIBRATION, "IDC_CALIBRATION"},
    ControlName{IDC_QUIET_TIME, "IDC_QUIET_TIME"},
};

constexpr std::string_view controlName(ControlId id) {
    for (const ControlName& entry : kControlNames) {
        if (entry.id == id)
            return entry.name;
    }
    return {};
}

// Keyboard order through the window. The two mode radio buttons are deliberately absent:
// they are reached with their mnemonics or the mouse, never with Tab.
inline constexpr std::array kTabOrder{
    IDC_CALLSIGN,    IDC_DIGIPATH,     IDC_STATUS_TEXT, IDC_STATUS_EVERY, IDC_TXD,
    IDC_TX_INTERVAL, IDC_QUIET_TIME,   IDC_CALIBRATION, IDC_COMPORT,      IDC_READ_VERSION,
    IDC_READ_CONFIG, IDC_WRITE_CONFIG, IDC_TONE_1200,   IDC_TONE_2200,    IDC_TONE_BOTH,
    IDC_TONE_STOP,   IDC_EXIT,
};
