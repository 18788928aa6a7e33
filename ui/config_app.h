// The application object: starts the configuration window, runs it, and ends the program
// when it closes. It keeps no settings of its own.
#pragma once

#include <QApplication>

class CConfigApp : public QApplication {
    Q_OBJECT
  public:
    CConfigApp(int& argc, char** argv);

    // Shows the configuration window until it is closed, by whatever button; returns the
    // program's exit status.
    int run();
};
