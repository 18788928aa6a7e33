// What the system's errors on a serial device mean for the user, in one table (errno on
// Unix-like systems, GetLastError() codes on Windows), and how to ask an open device for its
// error once a call on it has failed.
#pragma once

#include <QSerialPort>
#include <string>

#include "port_failure.h"

namespace port_error {

// The cause that the system's error code stands for when opening the device, or the first call
// for its line settings, failed with it; Other for codes the table does not know.
PortFailure::Cause openCauseOf(int code);

// The same for a call on the device once it was open: what kept it from opening then means it
// has gone away.
PortFailure::Cause causeOf(int code);

// The system's own words for the code ("Input/output error").
std::string systemText(int code);

// The error the open device gives now when asked for its line settings, 0 while it answers. A
// device that has gone (a USB adapter pulled, the far end of a pseudo-terminal closed) fails
// every call from then on; Qt Serial Port's own error does not always say so (a read of a
// hung-up line ends as if the line had been quiet).
int currentError(const QSerialPort& port);

}  // namespace port_error
