// The application's own icon (a mast sending waves beside a thermometer), for the windows,
// the message boxes and the task bar.
#pragma once

#include <QIcon>

QIcon applicationIcon();
