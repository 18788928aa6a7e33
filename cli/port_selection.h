// Which port a device command talks to: the --port option, else the PELMOX_PORT environment
// variable, named as in the window's port box (COM1 to COM4, or any device name).
#pragma once

#include <QString>
#include <optional>

class CTrackerLink;

// Sets the link's port. With neither the option nor the variable (or both empty) reports it,
// listing the system's serial ports, and returns the failure mark (true).
bool selectPort(CTrackerLink& link, const std::optional<QString>& portOption);
